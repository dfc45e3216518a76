// The service operation of the demo gateway. Well-formed answers and the two
// kinds of Fault come from the SOAP library; the malformed ones are written to
// the socket as they stand, then the library is told to send nothing more.
#include "soapWayfarerPortService.h"

#include "tools/demo-gateway/gateway_answers.h"

#include <cstring>

namespace {

const char kEnvelopeStart[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
    "xmlns:SOAP-ENC=\"http://schemas.xmlsoap.org/soap/encoding/\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:ns1=\"http://www.tarnnet.com/webservices/wayfarer\">"
    "<SOAP-ENV:Body SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">";
const char kEnvelopeEnd[] = "</SOAP-ENV:Body></SOAP-ENV:Envelope>";

std::string Base64(soap* s, const std::string& bytes) {
  return soap_s2base64(s, reinterpret_cast<const unsigned char*>(bytes.data()), nullptr,
                       static_cast<int>(bytes.size()));
}

std::string ResponseEnvelope(const std::string& children) {
  return std::string(kEnvelopeStart) + "<ns1:serviceResponse>" + children +
         "</ns1:serviceResponse>" + kEnvelopeEnd;
}

// Sends a complete HTTP answer and stops the library from answering again.
int SendRaw(soap* s, const char* contentType, const std::string& body) {
  std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: ";
  answer += contentType;
  answer += "\r\nContent-Length: " + std::to_string(body.size()) +
            "\r\nConnection: close\r\n\r\n" + body;
  ::send(s->socket, answer.data(), static_cast<int>(answer.size()), 0);
  return SOAP_STOP;
}

// Waits until the client gives up and closes the connection.
int StaySilent(soap* s) {
  char sink[256];
  while (::recv(s->socket, sink, sizeof sink, 0) > 0) {
  }
  return SOAP_STOP;
}

// A SOAP 1.2 answer as another toolkit might write it: its own prefixes, the
// older schema-instance namespace, a response element and parts under names of
// its own, types written as SOAP encoding's base64 or as an unprefixed
// base64Binary, and a third part the client does not know.
std::string LenientEnvelope(soap* s, const AnswerSettings& a) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<env:Envelope xmlns:env=\"http://www.w3.org/2003/05/soap-envelope\" "
         "xmlns:enc=\"http://www.w3.org/2003/05/soap-encoding\" "
         "xmlns:i=\"http://www.w3.org/1999/XMLSchema-instance\" "
         "xmlns:m=\"urn:another:toolkit\"><env:Body><m:answer>"
         "<first i:type=\"enc:base64\">" + Base64(s, a.result) + "</first>"
         "<second i:type=\"base64Binary\">" + Base64(s, a.responseData) + "</second>"
         "<third>ignored</third></m:answer></env:Body></env:Envelope>";
}

xsd__base64Binary Part(soap* s, const std::string& bytes) {
  xsd__base64Binary part;
  part.soap_default(s);
  part.__ptr = static_cast<unsigned char*>(soap_malloc(s, bytes.size() + 1));
  std::memcpy(part.__ptr, bytes.data(), bytes.size());
  part.__size = static_cast<int>(bytes.size());
  return part;
}

}  // namespace

AnswerSettings& CurrentAnswer() {
  static AnswerSettings settings;
  return settings;
}

bool ParseAnswerMode(const std::string& name, AnswerMode& mode) {
  static const struct {
    const char* name;
    AnswerMode mode;
  } kModes[] = {
      {"ok", AnswerMode::kOk},           {"fault11", AnswerMode::kFault11},
      {"fault12", AnswerMode::kFault12}, {"fault-no-text", AnswerMode::kFaultNoText},
      {"not-soap", AnswerMode::kNotSoap}, {"wrong-type", AnswerMode::kWrongType},
      {"one-child", AnswerMode::kOneChild}, {"silent", AnswerMode::kSilent},
      {"lenient", AnswerMode::kLenient},
  };
  for (const auto& m : kModes) {
    if (name == m.name) {
      mode = m.mode;
      return true;
    }
  }
  return false;
}

int WayfarerPortService::service(const std::string&, const xsd__base64Binary&,
                                 const xsd__base64Binary&, ns1__serviceResponse& response) {
  const AnswerSettings& a = CurrentAnswer();
  switch (a.mode) {
    case AnswerMode::kOk:
      response._result = Part(this, a.result);
      response._responseData = Part(this, a.responseData);
      return SOAP_OK;
    case AnswerMode::kFault11:
      return soap_senderfault(a.faultText.c_str(), nullptr);
    case AnswerMode::kFault12:
      soap_set_version(this, 2);
      return soap_senderfault(a.faultText.c_str(), nullptr);
    case AnswerMode::kFaultNoText:
      return SendRaw(this, "text/xml; charset=utf-8",
                     std::string(kEnvelopeStart) +
                         "<SOAP-ENV:Fault><faultcode>SOAP-ENV:Server</faultcode>"
                         "</SOAP-ENV:Fault>" + kEnvelopeEnd);
    case AnswerMode::kNotSoap:
      return SendRaw(this, "text/html", "<html><body>No service here.</body></html>");
    case AnswerMode::kWrongType:
      return SendRaw(this, "text/xml; charset=utf-8",
                     ResponseEnvelope("<result xsi:type=\"xsd:string\">" + Base64(this, a.result) +
                                      "</result><responseData>" + Base64(this, a.responseData) +
                                      "</responseData>"));
    case AnswerMode::kOneChild:
      return SendRaw(this, "text/xml; charset=utf-8",
                     ResponseEnvelope("<result>" + Base64(this, a.result) + "</result>"));
    case AnswerMode::kSilent:
      return StaySilent(this);
    case AnswerMode::kLenient:
      return SendRaw(this, "application/soap+xml; charset=utf-8", LenientEnvelope(this, a));
  }
  return SOAP_OK;
}
