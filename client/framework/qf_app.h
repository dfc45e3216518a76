// CWinApp: the single application object and the program's entry.
// The object registers itself when constructed; WinMain runs its
// InitInstance, then ends the process with the value of ExitInstance. This
// layer serves dialog-only programs: InitInstance runs the whole program and
// there is no message loop of the application's own.
#pragma once
#include "client/framework/qf_wnd.h"

class CWinApp {
public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp &) = delete;
  CWinApp &operator=(const CWinApp &) = delete;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }

  // The start-up shared by all programs (here: the module handle).
  BOOL InitApplication();
  // Where settings would be kept; the name is recorded only.
  void SetRegistryKey(const char *key) { m_registryKey = key; }
  const char *GetRegistryKey() const { return m_registryKey; }

  HINSTANCE m_hInstance = nullptr;
  CWnd *m_pMainWnd = nullptr;

  static CWinApp *Current();

private:
  const char *m_registryKey = nullptr;
};

// The body of WinMain: InitApplication, InitInstance, ExitInstance.
int RunApplication();
