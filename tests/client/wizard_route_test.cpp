// The wizard driver: the route through the four steps with its back links,
// the start-again link of the outcome step, and cancel ending the route.
#include "client/app/quillon_wizard.h"
#include "res/resource.h"
#include "tests/client/ui_driver.h"

#include <gtest/gtest.h>

namespace {
// One move of the operator: on the step made from `templateId`, press `button`.
struct Move {
  int templateId;
  int button;
};
} // namespace

TEST(WizardRoute, ForwardBackAndStartAgainThenCancelOnTheFirstStep) {
  const Move moves[] = {
      {IDD_READ_CARD, IDC_NEXT},      {IDD_USER_CONTACT, IDC_NEXT}, {IDD_SHOW_USER_INFO, IDC_BACK},
      {IDD_USER_CONTACT, IDC_BACK},   {IDD_READ_CARD, IDC_NEXT},    {IDD_USER_CONTACT, IDC_NEXT},
      {IDD_SHOW_USER_INFO, IDC_NEXT}, {IDD_END, IDC_RESTART},
  };
  QuillonWizard wizard;
  wizard.m_record.areaCode = "010";
  wizard.m_record.cardId = "8800123";
  bool ended = false;
  INT_PTR result = UiDriver::Run([&] { return wizard.Run(); }, [&](UiDriver &ui) {
    for (const Move &move : moves) {
      HWND step = ui.WaitForStep(move.templateId);
      if (move.templateId == IDD_USER_CONTACT) {
        char areaCode[8] = {};
        ::GetDlgItemTextA(step, IDC_AREA_CODE, areaCode, sizeof areaCode);
        EXPECT_STREQ(areaCode, "010");
      }
      ui.Click(step, move.button);
      ui.WaitGone(step);
    }
    // "取消" on the card step asks first; confirming ends the route.
    HWND first = ui.WaitForStep(IDD_READ_CARD);
    ui.Click(first, IDC_BACK);
    ui.Click(ui.WaitForMessageBox(), IDOK);
    ui.WaitGone(first);
    for (int i = 0; i < 50 && !ui.NoWindowLeft(); ++i)
      ::Sleep(20);
    ended = ui.NoWindowLeft();
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(ended);
  // The outcome step forgot the card values; the contact details stay.
  EXPECT_TRUE(wizard.m_record.cardId.empty());
  EXPECT_EQ(wizard.m_record.areaCode, "010");
}

TEST(WizardRoute, EscapeOnTheFirstStepEndsTheRouteWithNoFurtherWindow) {
  QuillonWizard wizard;
  INT_PTR result = UiDriver::Run([&] { return wizard.Run(); }, [](UiDriver &ui) {
    HWND step = ui.WaitForStep(IDD_READ_CARD);
    ui.Key(step, VK_ESCAPE);
    ui.Click(ui.WaitForMessageBox(), IDOK);
    ui.WaitGone(step);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(wizard.m_readCard.GetNextStep(), nullptr);
}

TEST(WizardRoute, RecordClearCardDataKeepsTheContactDetails) {
  UserInfoRecord record{"L", "F", "I", "card", "cert", "name", "ent", "entname",
                        "021", "5550100", "8", "x", "200000"};
  record.clearCardData();
  for (const std::string &field : {record.licenseNo, record.freeText, record.installId, record.cardId,
                                   record.certNo, record.operatorName, record.enterpriseId,
                                   record.enterpriseName})
    EXPECT_TRUE(field.empty());
  EXPECT_EQ(record.areaCode + record.phone + record.extension + record.address + record.postcode,
            "0215550100" "8" "x" "200000");
}
