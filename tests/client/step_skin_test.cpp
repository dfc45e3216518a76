// The skin every step wears: window size from its pictures, the caption's
// close area, the quit question, a missing image, and the outcome step's
// buttons and text.
#include "client/app/module_path.h"
#include "client/app/quillon_wizard.h"
#include "client/controls/gdiplus_image.h"
#include "res/resource.h"
#include "tests/client/ui_driver.h"

#include <gtest/gtest.h>

namespace {
// The pictures are 200 and 400 pixels wide and 340 high; the strip is 48 high.
const int kExpectedWidth = 200 + 400 - 10;
const int kPicturesAndStripHeight = 340 + 48;

StepDlgBase *StepOf(QuillonWizard &wizard, int templateId) {
  switch (templateId) {
  case IDD_READ_CARD:
    return &wizard.m_readCard;
  case IDD_USER_CONTACT:
    return &wizard.m_userContact;
  case IDD_SHOW_USER_INFO:
    return &wizard.m_showUserInfo;
  default:
    return &wizard.m_end;
  }
}

// Escape, then the confirm answer: the step ends with cancel.
void Quit(UiDriver &ui, HWND step) {
  ui.Key(step, VK_ESCAPE);
  ui.Click(ui.WaitForMessageBox(), IDOK);
  ui.WaitGone(step);
}

int CloseImageWidth() { return ImageSize(*LoadImageFile(ModulePath(L"res\\Title_Close.gif"))).cx; }

// Renames a file of the skin for the life of the object.
class HiddenFile {
public:
  explicit HiddenFile(const wchar_t *relative)
      : m_path(ModulePath(relative)), m_hidden(m_path + L".hidden") {
    ::MoveFileW(m_path.c_str(), m_hidden.c_str());
  }
  ~HiddenFile() { ::MoveFileW(m_hidden.c_str(), m_path.c_str()); }

private:
  std::wstring m_path, m_hidden;
};
} // namespace

struct StepCase {
  const char *name;
  int templateId;
};

class StepWindow : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepWindow, IsSizedByItsPicturesAndQuitsAfterTheQuestion) {
  QuillonWizard wizard;
  const StepCase &c = GetParam();
  INT_PTR result = UiDriver::Run([&] { return StepOf(wizard, c.templateId)->DoModal(); },
                                 [&](UiDriver &ui) {
    HWND step = ui.WaitForStep(c.templateId);
    ui.Screenshot(step, (std::string("step_") + c.name).c_str());
    RECT rc;
    ::GetWindowRect(step, &rc);
    EXPECT_EQ(rc.right - rc.left, kExpectedWidth);
    EXPECT_EQ(rc.bottom - rc.top, kPicturesAndStripHeight + ::GetSystemMetrics(SM_CYCAPTION) +
                                      ::GetSystemMetrics(SM_CYDLGFRAME));
    Quit(ui, step);
  });
  EXPECT_EQ(result, IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepWindow,
                         ::testing::Values(StepCase{"read_card", IDD_READ_CARD},
                                           StepCase{"user_contact", IDD_USER_CONTACT},
                                           StepCase{"show_user_info", IDD_SHOW_USER_INFO},
                                           StepCase{"end_failure", IDD_END}),
                         [](const auto &info) { return std::string(info.param.name); });

// A press on the caption asks to quit only over the close image, which ends
// 10 pixels before the window's right edge.
TEST(StepCaption, CloseAreaAsksOnlyOverTheCloseImage) {
  struct Case {
    int fromRight; // distance of the click from the right edge
    bool asks;
  };
  const int close = CloseImageWidth();
  const Case cases[] = {{5, false}, {10, false}, {11, true}, {10 + close / 2, true},
                        {9 + close, true}, {10 + close, false}, {200, false}};
  QuillonWizard wizard;
  UiDriver::Run([&] { return wizard.m_readCard.DoModal(); }, [&](UiDriver &ui) {
    HWND step = ui.WaitForStep(IDD_READ_CARD);
    RECT rc;
    ::GetWindowRect(step, &rc);
    for (const Case &c : cases) {
      ui.CaptionClick(step, rc.right - rc.left - c.fromRight);
      bool asked = ui.MessageBoxAppears(c.asks ? 3000 : 400);
      EXPECT_EQ(asked, c.asks) << "click " << c.fromRight << " pixels from the right edge";
      if (asked)
        ui.Click(ui.WaitForMessageBox(), IDCANCEL); // stay
      ui.EndMoveLoop(step);
      HWND again = ui.WaitForStep(IDD_READ_CARD);
      EXPECT_EQ(again, step);
    }
    Quit(ui, step);
  });
}

TEST(StepQuitQuestion, CancelAnswerKeepsTheStepOpen) {
  QuillonWizard wizard;
  INT_PTR result = UiDriver::Run([&] { return wizard.m_showUserInfo.DoModal(); }, [](UiDriver &ui) {
    HWND step = ui.WaitForStep(IDD_SHOW_USER_INFO);
    ui.Key(step, VK_ESCAPE);
    HWND box = ui.WaitForMessageBox();
    EXPECT_FALSE(::IsWindowEnabled(step)); // the box is modal over the step
    ui.Click(box, IDCANCEL);
    ui.WaitGone(box);
    EXPECT_EQ(ui.WaitForStep(IDD_SHOW_USER_INFO), step);
    Quit(ui, step);
  });
  EXPECT_EQ(result, IDCANCEL);
}

// A missing image cancels the step before it shows; all but the contact step
// say so first.
struct MissingCase {
  const char *name;
  int templateId;
  const wchar_t *file;
  bool tells;
};

class MissingImage : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingImage, CancelsTheStep) {
  const MissingCase &c = GetParam();
  HiddenFile hidden(c.file);
  QuillonWizard wizard;
  StepDlgBase *step = StepOf(wizard, c.templateId);
  INT_PTR result = UiDriver::Run([&] { return step->DoModal(); }, [&](UiDriver &ui) {
    if (!c.tells)
      return;
    HWND box = ui.WaitForMessageBox();
    char text[64] = {};
    ::GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "加载图片失败！");
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(box, IDCANCEL)));
    EXPECT_EQ(TemplateOf(box), IDD_MESSAGE_BOX);
    ui.Click(box, IDOK);
  });
  EXPECT_EQ(result, IDCANCEL);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingImage,
    ::testing::Values(MissingCase{"CardLeft", IDD_READ_CARD, L"res\\DlgReadCard_Left.bmp", true},
                      MissingCase{"ReviewTitle", IDD_SHOW_USER_INFO, L"res\\Quillon_Title.gif", true},
                      MissingCase{"OutcomeRight", IDD_END, L"res\\DlgEnd_Right.bmp", true},
                      MissingCase{"ContactRight", IDD_USER_CONTACT, L"res\\DlgUserContact_Right.bmp", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OutcomeStep, FailureShowsRestartAndExitAndTheTextInTwoLines) {
  QuillonWizard wizard;
  wizard.m_outcome = {false, "a\r\nb\tc"};
  wizard.m_record.cardId = "1234";
  INT_PTR result = UiDriver::Run([&] { return wizard.m_end.DoModal(); }, [](UiDriver &ui) {
    HWND step = ui.WaitForStep(IDD_END);
    ui.Screenshot(step, "step_end_two_lines");
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(step, IDC_RESTART)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(step, IDC_EXIT)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step, IDC_FINISH)));
    // Count the lines of black text in the message label: runs of rows with
    // ink, apart by more than the gaps inside one glyph.
    std::vector<bool> rows = DarkRows(step, ControlRect(step, IDC_OUTCOME_TEXT), 60);
    int bands = 0, lastInk = -100;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
      if (!rows[y])
        continue;
      bands += y - lastInk > 3;
      lastInk = y;
    }
    std::string pattern;
    for (bool dark : rows)
      pattern += dark ? '#' : '.';
    EXPECT_EQ(bands, 2) << pattern;
    ui.Click(step, IDC_EXIT);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(wizard.m_record.cardId.empty());
}

TEST(OutcomeStep, SuccessOffersOnlyFinishWhichEndsTheRoute) {
  QuillonWizard wizard;
  wizard.m_outcome = {true, "注册成功！\n\n企业安装已在服务端登记。"};
  INT_PTR result = UiDriver::Run([&] { return wizard.m_end.DoModal(); }, [](UiDriver &ui) {
    HWND step = ui.WaitForStep(IDD_END);
    ui.Screenshot(step, "step_end_success");
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(step, IDC_FINISH)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step, IDC_RESTART)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step, IDC_EXIT)));
    ui.Click(step, IDC_FINISH);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(wizard.m_end.GetNextStep(), nullptr);
}
