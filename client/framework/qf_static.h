// CStatic and CEdit: the static and edit controls, with the few calls the
// program makes on them.
#pragma once
#include "client/framework/qf_wnd.h"

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
  void LimitText(int chars) { ::SendMessageA(m_hWnd, EM_LIMITTEXT, chars, 0); }
  void SetReadOnly(BOOL readOnly = TRUE) { ::SendMessageA(m_hWnd, EM_SETREADONLY, readOnly, 0); }
};
