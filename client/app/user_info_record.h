#pragma once
// The record of one pass through the wizard: what the card step reads, what the
// contact step collects, and what the request document carries. All texts are
// narrow, in the system's ANSI code page.
#include <string>

struct UserInfoRecord {
  std::string licenseNo;   // opaque, carried in the request document's LicenseNo
  std::string freeText;    // the joined contact text, written while building the document
  std::string installId;   // opaque, carried in the request document's InstallId
  std::string cardId;
  std::string certNo;
  std::string operatorName;
  std::string enterpriseId;
  std::string enterpriseName;
  std::string areaCode;
  std::string phone;
  std::string extension;
  std::string address;
  std::string postcode;

  // Forgets the identity of the last card (and what was derived from it) so a new
  // cycle starts without it; the contact details typed earlier stay.
  void clearCardData() {
    licenseNo.clear();
    freeText.clear();
    installId.clear();
    cardId.clear();
    certNo.clear();
    operatorName.clear();
    enterpriseId.clear();
    enterpriseName.clear();
  }
};
