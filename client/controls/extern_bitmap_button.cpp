#include "client/controls/extern_bitmap_button.h"

namespace HALVERN {

BOOL ExternCBitmapButton::PreTranslateMessage(MSG *msg) {
  HWND parent = GetParent();
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && parent) {
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0),
                   reinterpret_cast<LPARAM>(m_hWnd));
    return TRUE;
  }
  return CBitmapButton::PreTranslateMessage(msg);
}

} // namespace HALVERN
