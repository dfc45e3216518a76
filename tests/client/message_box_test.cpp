// The skinned message box: button layout by its arithmetic, widening for long
// text, and the answers of its buttons and keys.
#include "client/controls/extern_message_box.h"
#include "client/framework/qf_gdi.h"
#include "res/resource.h"
#include "tests/client/ui_driver.h"

#include <gtest/gtest.h>

namespace {
// The background picture is 320 x 150; the buttons are 87 x 25.
const int kBoxWidth = 320, kBoxHeight = 150, kButtonWidth = 87;

SIZE WindowSize(HWND hwnd) {
  RECT rc;
  ::GetWindowRect(hwnd, &rc);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

int TextWidthInBoxFont(const std::string &text) {
  CFont font;
  font.CreatePointFont(120, "宋体");
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return size.cx;
}
} // namespace

TEST(SkinMessageBox, OneButtonShowsConfirmCentredAndReturnsOne) {
  INT_PTR answer = UiDriver::Run([] { return SkinMessageBox("加载图片失败！", false); },
                                 [](UiDriver &ui) {
    HWND box = ui.WaitForMessageBox();
    ui.Screenshot(box, "message_box_one_button");
    EXPECT_EQ(WindowSize(box).cx, kBoxWidth);
    EXPECT_EQ(WindowSize(box).cy, kBoxHeight);
    RECT confirm = ControlRect(box, IDOK);
    EXPECT_EQ(confirm.left, (kBoxWidth - kButtonWidth) / 2);
    EXPECT_EQ(confirm.top, kBoxHeight * 3 / 5);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(box, IDCANCEL)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(box, IDCANCEL)));
    char text[64] = {};
    ::GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "加载图片失败！");
    ui.Click(box, IDOK);
  });
  EXPECT_EQ(answer, IDOK);
}

TEST(SkinMessageBox, TwoButtonsStandFifteenPixelsApart) {
  UiDriver::Run([] { return SkinMessageBox("是否确认退出？", true); }, [](UiDriver &ui) {
    HWND box = ui.WaitForMessageBox();
    ui.Screenshot(box, "message_box_two_buttons");
    RECT confirm = ControlRect(box, IDOK), cancel = ControlRect(box, IDCANCEL);
    EXPECT_EQ(confirm.left, (kBoxWidth - 2 * kButtonWidth - 20) / 2);
    EXPECT_EQ(cancel.left, (kBoxWidth + kButtonWidth - kButtonWidth + 10) / 2);
    EXPECT_EQ(cancel.left - confirm.right, 15);
    EXPECT_EQ(confirm.top, kBoxHeight * 3 / 5);
    EXPECT_EQ(cancel.top, confirm.top);
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(box, IDCANCEL)));
    ui.Click(box, IDCANCEL);
  });
}

TEST(SkinMessageBox, LongTextWidensTheBoxButKeepsTheButtonsOnThePicture) {
  const std::string text = "网关地址读取失败，请检查配置文件是否完整";
  int textWidth = TextWidthInBoxFont(text);
  ASSERT_GT(textWidth, 2 * kButtonWidth + 30);
  UiDriver::Run([&] { return SkinMessageBox(text, true); }, [&](UiDriver &ui) {
    HWND box = ui.WaitForMessageBox();
    ui.Screenshot(box, "message_box_long_text");
    EXPECT_EQ(WindowSize(box).cx, textWidth + 40);
    EXPECT_EQ(WindowSize(box).cy, kBoxHeight);
    EXPECT_EQ(ControlRect(box, IDOK).left, (kBoxWidth - 2 * kButtonWidth - 20) / 2);
    ui.Click(box, IDOK);
  });
}

// Enter presses the focused image button, not the default button; Escape
// answers cancel.
struct KeyCase {
  const char *name;
  int focused;
  WPARAM key;
  INT_PTR answer;
};

class SkinMessageBoxKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SkinMessageBoxKeys, Answer) {
  const KeyCase &c = GetParam();
  INT_PTR answer = UiDriver::Run([] { return SkinMessageBox("是否确认退出？", true); },
                                 [&](UiDriver &ui) {
    HWND box = ui.WaitForMessageBox();
    ui.Focus(box, c.focused);
    ui.Key(::GetDlgItem(box, c.focused), c.key);
  });
  EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(Keys, SkinMessageBoxKeys,
                         ::testing::Values(KeyCase{"EnterOnCancel", IDCANCEL, VK_RETURN, IDCANCEL},
                                           KeyCase{"EnterOnConfirm", IDOK, VK_RETURN, IDOK},
                                           KeyCase{"EscapeOnConfirm", IDOK, VK_ESCAPE, IDCANCEL}),
                         [](const auto &info) { return std::string(info.param.name); });
