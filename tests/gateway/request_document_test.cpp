// The request document, byte for byte.
#include <gtest/gtest.h>

#include "client/gateway/request_document.h"

namespace {

UserInfoRecord FilledRecord() {
  UserInfoRecord r;
  r.licenseNo = "LIC-1";
  r.installId = "INST-2";
  r.cardId = "8800";
  r.certNo = "CERT<3>";
  r.operatorName = "张三";
  r.enterpriseId = "12345678-9";
  r.enterpriseName = "A&B";
  r.areaCode = "010";
  r.phone = "12345678";
  r.extension = "";
  r.address = "北京 1号";
  r.postcode = "100000";
  return r;
}

TEST(RequestDocument, WholeDocument) {
  UserInfoRecord record = FilledRecord();
  std::string document = "old text";
  BuildRequestDocument(record, document);
  EXPECT_EQ(document,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ActivationRequest "
            "xmlns=\"http://www.tarnnet.com/LRS\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
            "\t<LicenseNo encrypted=\"com.tarnnet.zel.license.ZELLicCrypto\">LIC-1</LicenseNo>\n"
            "\t<FreeText>010##12345678##**北京 1号**100000</FreeText>\n"
            "\t<InstallId>INST-2</InstallId>\n"
            "\t<ICCode>8800</ICCode>\n"
            "\t<CertNo>CERT&lt;3&gt;</CertNo>\n"
            "\t<OperatorName>张三</OperatorName>\n"
            "\t<EnterPriseId>12345678-9</EnterPriseId>\n"
            "\t<EnterPriseName>A&amp;B</EnterPriseName>\n"
            "\t<LocalCode></LocalCode>\n"
            "</ActivationRequest>");
  // The record keeps the contact text itself, not its escaped form.
  EXPECT_EQ(record.freeText, "010##12345678##**北京 1号**100000");
}

struct ContactCase {
  const char* areaCode;
  const char* phone;
  const char* extension;
  const char* address;
  const char* postcode;
  const char* freeText;  // as stored in the record
  const char* written;   // as it stands in the document
};

class ContactText : public testing::TestWithParam<ContactCase> {};

TEST_P(ContactText, JoinsFields) {
  const ContactCase& c = GetParam();
  UserInfoRecord record;
  record.freeText = "stale";
  record.areaCode = c.areaCode;
  record.phone = c.phone;
  record.extension = c.extension;
  record.address = c.address;
  record.postcode = c.postcode;
  std::string document;
  BuildRequestDocument(record, document);
  EXPECT_EQ(record.freeText, c.freeText);
  EXPECT_NE(document.find(std::string("\t<FreeText>") + c.written + "</FreeText>\n"),
            std::string::npos)
      << document;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContactText,
    testing::Values(ContactCase{"", "", "", "", "", "####****", "####****"},
                    ContactCase{"0571", "888", "12", "Road 1", "310000",
                                "0571##888##12**Road 1**310000", "0571##888##12**Road 1**310000"},
                    ContactCase{" 1 ", "", "", "a<b & c>", "",
                                " 1 ####**a<b & c>**", " 1 ####**a&lt;b &amp; c&gt;**"}));

TEST(RequestDocument, SameTextWhenBuiltTwice) {
  UserInfoRecord record = FilledRecord();
  std::string first, second;
  BuildRequestDocument(record, first);
  BuildRequestDocument(record, second);
  EXPECT_EQ(first, second);
  EXPECT_EQ(record.freeText, "010##12345678##**北京 1号**100000");
}

}  // namespace
