// Drives Quillon's modal windows from a second thread, the way an operator
// would: the test thread runs the modal code, the driver thread waits for
// windows to appear, posts clicks and keys, reads their state and saves
// screenshots into $TEST_OUTPUT_DIR.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class UiDriver {
public:
  // Runs `modal` on this thread while `script` runs on a driver thread;
  // returns what `modal` returned. A script that loses its way ends the
  // process with a message rather than leaving a modal window hanging.
  static INT_PTR Run(const std::function<INT_PTR()> &modal,
                     const std::function<void(UiDriver &)> &script);

  // The visible, enabled top-level window of the test thread that
  // `match` accepts (15 seconds at most).
  HWND WaitFor(const std::function<bool(HWND)> &match, const char *what);
  HWND WaitForStep(int templateId);
  HWND WaitForMessageBox();
  // True when a message box shows up within `ms` milliseconds.
  bool MessageBoxAppears(DWORD ms);
  void WaitGone(HWND hwnd);
  // No window of the test thread is visible any more.
  bool NoWindowLeft();

  void Click(HWND dialog, int controlId);
  void Key(HWND target, WPARAM virtualKey);
  void Focus(HWND dialog, int controlId);
  // A left click on the caption at `x` pixels from the window's left edge.
  void CaptionClick(HWND window, int x);
  // Releases the button after a caption press: ends the window-move loop the
  // press started.
  void EndMoveLoop(HWND window);

  // Saves the window as it is drawn to $TEST_OUTPUT_DIR/<name>.bmp.
  void Screenshot(HWND window, const char *name);
  [[noreturn]] void Fail(const std::string &why);

  DWORD uiThread = 0;
};

// The dialog template a window was made from, told by its controls; 0 if
// unknown. The message box is 104.
int TemplateOf(HWND window);
// A control's rectangle in its dialog's client coordinates.
RECT ControlRect(HWND dialog, int controlId);
// Rows of the window's drawn image (within `area`, client coordinates of
// `window`) that hold pixels darker than `threshold` in every channel.
std::vector<bool> DarkRows(HWND window, const RECT &area, int threshold);
