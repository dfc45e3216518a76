#include "client/framework/qf_wnd.h"

namespace {
// The window property that links a window to its object.
const char kObjectProperty[] = "QfWndObject";

thread_local CWnd *t_windowToHook = nullptr;
thread_local HHOOK t_creationHook = nullptr;
} // namespace

CWnd::~CWnd() {
  if (m_hWnd && ::IsWindow(m_hWnd))
    UnsubclassWindow();
}

CWnd *CWnd::FromHandlePermanent(HWND hwnd) {
  return hwnd ? static_cast<CWnd *>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  ::SetPropA(hwnd, kObjectProperty, this);
  m_oldProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!hwnd || m_hWnd || FromHandlePermanent(hwnd))
    return FALSE;
  Attach(hwnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd *parent) {
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, id));
}

HWND CWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd)
    return nullptr;
  ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
  ::RemovePropA(hwnd, kObjectProperty);
  m_hWnd = nullptr;
  m_oldProc = nullptr;
  return hwnd;
}

void CWnd::HookWindowCreate(CWnd *wnd) {
  t_windowToHook = wnd;
  if (!t_creationHook)
    t_creationHook = ::SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr,
                                         ::GetCurrentThreadId());
}

void CWnd::UnhookWindowCreate() {
  t_windowToHook = nullptr;
  if (t_creationHook) {
    ::UnhookWindowsHookEx(t_creationHook);
    t_creationHook = nullptr;
  }
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_windowToHook) {
    CWnd *wnd = t_windowToHook;
    t_windowToHook = nullptr;
    wnd->Attach(reinterpret_cast<HWND>(wParam));
  }
  return ::CallNextHookEx(t_creationHook, code, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG *) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT *) { return FALSE; }

SIZE CWnd::GetWindowSize() const {
  RECT rc;
  ::GetWindowRect(m_hWnd, &rc);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

POINT CWnd::GetPositionInParent() const {
  RECT rc;
  ::GetWindowRect(m_hWnd, &rc);
  POINT pt{rc.left, rc.top};
  if (HWND parent = ::GetParent(m_hWnd); parent && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD))
    ::ScreenToClient(parent, &pt);
  return pt;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (m_oldProc)
    return ::CallWindowProcA(m_oldProc, m_hWnd, msg, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

// Offers owner-draw and colour notifications to the control they concern.
static BOOL ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *result) {
  HWND child = nullptr;
  if (msg == WM_DRAWITEM)
    child = reinterpret_cast<DRAWITEMSTRUCT *>(lParam)->hwndItem;
  else if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)
    child = reinterpret_cast<HWND>(lParam);
  CWnd *wnd = CWnd::FromHandlePermanent(child);
  return wnd && wnd->OnChildNotify(msg, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToChild(msg, wParam, lParam, &result))
    return result;
  return DefWindowProc(msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWnd *wnd = FromHandlePermanent(hwnd);
  if (!wnd)
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg != WM_NCDESTROY)
    return wnd->WindowProc(msg, wParam, lParam);
  // The last message: let the object see it, then detach before the handle dies.
  LRESULT result = wnd->WindowProc(msg, wParam, lParam);
  if (wnd->m_hWnd == hwnd) {
    wnd->UnsubclassWindow();
    wnd->PostNcDestroy();
  }
  return result;
}
