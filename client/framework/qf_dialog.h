// CDialog: a dialog built from a template resource and run modally.
// DoModal creates the dialog, runs its own message loop (so that controls'
// PreTranslateMessage sees keys before the dialog manager does), and
// destroys the window when EndDialog was called.
#pragma once
#include "client/framework/qf_wnd.h"

class CDialog : public CWnd {
public:
  explicit CDialog(UINT templateId, CWnd *parent = nullptr)
      : m_templateId(templateId), m_parent(parent) {}

  // The modal run: returns the value given to EndDialog, or -1 if the
  // template could not be turned into a window.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  void EndDialog(int result);

  BOOL PreTranslateMessage(MSG *msg) override;

protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // A WM_COMMAND; the base maps identifiers 1 and 2 to OnOK and OnCancel.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // Colours of a control; null leaves them to the dialog manager.
  virtual HBRUSH OnCtlColor(HDC, HWND, UINT /*ctlColorMessage*/) { return nullptr; }

private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
  BOOL RouteBeforeDispatch(MSG *msg);

  UINT m_templateId;
  CWnd *m_parent;
  bool m_ended = false;
  int m_modalResult = -1;
};
