#include "client/gateway/request_document.h"

namespace {

// The namespace the enrolment service expects for its request documents.
const char kDocumentNamespace[] = "http://www.tarnnet.com/LRS";

// Writes a value as XML character data.
void AppendEscaped(std::string& out, const std::string& value) {
  for (char c : value) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
}

// One indented element line: tab, start tag, value, end tag, line feed.
void AppendElementLine(std::string& out, const char* name, const std::string& value,
                       const char* attributes = "") {
  out += "\t<";
  out += name;
  out += attributes;
  out += '>';
  AppendEscaped(out, value);
  out += "</";
  out += name;
  out += ">\n";
}

std::string ContactText(const UserInfoRecord& r) {
  return r.areaCode + "##" + r.phone + "##" + r.extension + "**" + r.address + "**" +
         r.postcode;
}

}  // namespace

void BuildRequestDocument(UserInfoRecord& record, std::string& document) {
  document.clear();
  document += "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ActivationRequest xmlns=\"";
  document += kDocumentNamespace;
  document += "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n";
  AppendElementLine(document, "LicenseNo", record.licenseNo,
                    " encrypted=\"com.tarnnet.zel.license.ZELLicCrypto\"");
  record.freeText = ContactText(record);
  AppendElementLine(document, "FreeText", record.freeText);
  AppendElementLine(document, "InstallId", record.installId);
  AppendElementLine(document, "ICCode", record.cardId);
  AppendElementLine(document, "CertNo", record.certNo);
  AppendElementLine(document, "OperatorName", record.operatorName);
  AppendElementLine(document, "EnterPriseId", record.enterpriseId);
  AppendElementLine(document, "EnterPriseName", record.enterpriseName);
  document += "\t<LocalCode></LocalCode>\n</ActivationRequest>";
}
