#include "client/framework/qf_dialog.h"

INT_PTR CDialog::DoModal() {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(m_templateId), MAKEINTRESOURCEA(5));
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  if (!loaded)
    return -1;
  auto *dialogTemplate = static_cast<const DLGTEMPLATE *>(::LockResource(loaded));

  // Without an explicit parent the box belongs to the window that is active
  // now (the step showing a message box, for instance), which is disabled
  // while the dialog runs.
  HWND owner = m_parent ? m_parent->m_hWnd : ::GetActiveWindow();
  bool disabledOwner = owner && ::IsWindowEnabled(owner);

  m_ended = false;
  m_modalResult = -1;
  HookWindowCreate(this);
  HWND hwnd = ::CreateDialogIndirectParamA(module, dialogTemplate, owner, &CDialog::DialogProc,
                                           reinterpret_cast<LPARAM>(this));
  UnhookWindowCreate();
  if (!hwnd)
    return -1;
  if (disabledOwner)
    ::EnableWindow(owner, FALSE);
  if (!m_ended)
    ::ShowWindow(hwnd, SW_SHOWNORMAL);

  MSG msg;
  while (!m_ended) {
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {                       // WM_QUIT: leave it for the outer loop
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0)
      break;
    if (!RouteBeforeDispatch(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }

  // Re-enable the owner before the dialog goes, so activation returns to it.
  if (disabledOwner)
    ::EnableWindow(owner, TRUE);
  if (owner && ::GetActiveWindow() == hwnd)
    ::SetActiveWindow(owner);
  ::DestroyWindow(hwnd);
  return m_modalResult;
}

void CDialog::EndDialog(int result) {
  m_modalResult = result;
  m_ended = true;
  if (m_hWnd) {
    ::ShowWindow(m_hWnd, SW_HIDE);
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wakes the modal loop
  }
}

// Offers the message to the objects of its window and of that window's
// parents up to this dialog, innermost first.
BOOL CDialog::RouteBeforeDispatch(MSG *msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    if (CWnd *wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(msg))
      return TRUE;
    if (hwnd == m_hWnd)
      return FALSE;
  }
  return PreTranslateMessage(msg);
}

BOOL CDialog::PreTranslateMessage(MSG *msg) { return ::IsDialogMessageA(m_hWnd, msg); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
  case IDOK:
    OnOK();
    return TRUE;
  case IDCANCEL:
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_COMMAND:
    if (OnCommand(wParam, lParam))
      return 0;
    break;
  case WM_CTLCOLORMSGBOX:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORDLG:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC:
    if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), msg))
      return reinterpret_cast<LRESULT>(brush);
    break;
  }
  return CWnd::WindowProc(msg, wParam, lParam);
}

// The dialog manager's callback: only WM_INITDIALOG is answered here; every
// other message has already been through WindowProc.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_INITDIALOG)
    return FALSE;
  return reinterpret_cast<CDialog *>(lParam)->OnInitDialog();
}
