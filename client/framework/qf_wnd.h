// CWnd: a window handle with a C++ object behind it.
// A window gets its object either at creation (HookWindowCreate, used by
// dialogs) or later by subclassing an existing control (SubclassDlgItem).
// Messages then arrive in the virtual WindowProc; whatever a class does not
// handle it passes to its base, and CWnd passes it to the window's original
// procedure.
#pragma once
#include <windows.h>

class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd &) = delete;
  CWnd &operator=(const CWnd &) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object attached to a window by this layer, or null.
  static CWnd *FromHandlePermanent(HWND hwnd);

  // Routes the messages of an existing window through this object.
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd *parent);
  HWND UnsubclassWindow();

  // The next window created on this thread is subclassed to `wnd` from its
  // very first message (so that creation-time messages reach it too).
  static void HookWindowCreate(CWnd *wnd);
  static void UnhookWindowCreate();

  // Called for a message of this window or one of its children before it is
  // dispatched; true consumes it.
  virtual BOOL PreTranslateMessage(MSG *msg);

  // A parent's notification about this control (WM_DRAWITEM, WM_CTLCOLOR*),
  // offered to the control's object first; true means *result holds the answer.
  virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *result);

  // Thin forwarders to the Win32 calls of the same name.
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  HWND GetParent() const { return ::GetParent(m_hWnd); }
  BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  void GetClientRect(RECT *rc) const { ::GetClientRect(m_hWnd, rc); }
  void GetWindowRect(RECT *rc) const { ::GetWindowRect(m_hWnd, rc); }
  BOOL MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) {
    return ::MoveWindow(m_hWnd, x, y, w, h, repaint);
  }
  BOOL SetWindowPos(HWND after, int x, int y, int w, int h, UINT flags) {
    return ::SetWindowPos(m_hWnd, after, x, y, w, h, flags);
  }
  void SetWindowText(const char *text) { ::SetWindowTextA(m_hWnd, text); }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) {
    return ::SendMessageA(m_hWnd, msg, w, l);
  }
  // The window's size, and its position in its parent's client coordinates
  // (screen coordinates for a top-level window).
  SIZE GetWindowSize() const;
  POINT GetPositionInParent() const;

protected:
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The window's own handling of a message (its original procedure).
  LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Called after the last message of the window; the object is detached.
  virtual void PostNcDestroy() {}

private:
  static LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  WNDPROC m_oldProc = nullptr;
};
