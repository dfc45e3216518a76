// The skinned label: how its text breaks into lines, and dragging the
// borderless window by a picture.
#include "client/app/quillon_wizard.h"
#include "client/controls/extern_static.h"
#include "res/resource.h"
#include "tests/client/ui_driver.h"

#include <gtest/gtest.h>

using HALVERN::SplitLabelText;
using Lines = std::vector<std::string>;

TEST(ExternStaticText, LineBreaksTabsAndCarriageReturns) {
  struct Case {
    const char *text;
    Lines lines;
  };
  const Case cases[] = {
      {"a\r\nb\tc", {"a", "b    c"}},
      {"网络异常\n\n请检查网络", {"网络异常", "", "请检查网络"}},
      {"\t", {"    "}},
      {"a\r\rb", {"ab"}},
      {"end\n", {"end", ""}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(SplitLabelText(c.text), c.lines) << c.text;
}

// A press on a picture, a move, then a move back to the same screen point:
// the window follows the mouse once and then stays.
TEST(ExternStaticDrag, WindowFollowsTheMouseOnTheScreen) {
  UserInfoRecord record;
  DlgUserContact step(&record);
  UiDriver::Run([&] { return step.DoModal(); }, [](UiDriver &ui) {
    HWND hwnd = ui.WaitForStep(IDD_USER_CONTACT);
    HWND picture = ::GetDlgItem(hwnd, IDC_CONTACT_LEFT);
    RECT before, moved, after;
    ::GetWindowRect(hwnd, &before);
    ::PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::PostMessageA(picture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 25));
    ::Sleep(200);
    ::GetWindowRect(hwnd, &moved);
    // The mouse has not moved on the screen; the label, moved with the
    // window, now sees it at its old place.
    ::PostMessageA(picture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 10));
    ::PostMessageA(picture, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    ::Sleep(200);
    ::GetWindowRect(hwnd, &after);
    EXPECT_EQ(moved.left - before.left, 20);
    EXPECT_EQ(moved.top - before.top, 15);
    EXPECT_EQ(after.left, moved.left);
    EXPECT_EQ(after.top, moved.top);
    ui.Click(hwnd, IDC_BACK);
  });
}
