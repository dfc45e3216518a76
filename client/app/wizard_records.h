// The two records the wizard's steps share: what one pass through the wizard
// has gathered, and the outcome of its submission. Text is in the ANSI code
// page.
#pragma once
#include <string>

struct UserInfoRecord {
  std::string licenseNo;    // carried into the request document
  std::string freeText;     // the joined contact text
  std::string installId;    // carried into the request document
  std::string cardId;       // read from the card ...
  std::string certNo;
  std::string operatorName;
  std::string enterpriseId;
  std::string enterpriseName;
  std::string areaCode;     // typed on the contact step ...
  std::string phone;
  std::string extension;
  std::string address;
  std::string postcode;

  // Forgets the identity (and what was built from it) but keeps the contact
  // details, so that a new pass starts from the card with the typing kept.
  void clearCardData() {
    for (std::string *field : {&licenseNo, &freeText, &installId, &cardId, &certNo,
                               &operatorName, &enterpriseId, &enterpriseName})
      field->clear();
  }
};

struct SubmitOutcome {
  bool succeeded = false;
  std::string outcomeText;
};
