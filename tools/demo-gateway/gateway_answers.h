#pragma once
// How the demo gateway answers each request.
#include <string>

enum class AnswerMode {
  kOk,           // the result document and response data
  kFault11,      // a SOAP 1.1 Fault with the fault text
  kFault12,      // a SOAP 1.2 Fault with the fault text as its Reason
  kFaultNoText,  // a SOAP 1.1 Fault without a fault string
  kNotSoap,      // an HTML page
  kWrongType,    // the result part typed xsd:string
  kOneChild,     // a response element with the result only
  kSilent,       // reads the request, never answers
  kLenient,      // SOAP 1.2, other element names, base64 types, a third child
};

struct AnswerSettings {
  AnswerMode mode = AnswerMode::kOk;
  std::string result =
      "<Result><ResponseCode>0</ResponseCode><ResponseMessage>OK</ResponseMessage>"
      "<ServiceResponseCode>0</ServiceResponseCode>"
      "<ServiceResponseMessage>registered</ServiceResponseMessage></Result>";
  std::string responseData = "demo response data";
  std::string faultText = "demo gateway fault";
};

// Parses a mode name as given on the command line; false for an unknown name.
bool ParseAnswerMode(const std::string& name, AnswerMode& mode);

// The settings the service operation answers with.
AnswerSettings& CurrentAnswer();
