// The application object: Quillon's start-up and its whole run.
#pragma once
#include "client/framework/qf_app.h"

#include <windows.h>

class CQuillonApp : public CWinApp {
public:
  // Initialises OLE, the common controls, sockets and GDI+, then runs the
  // wizard; always false, the program having nothing left to do.
  BOOL InitInstance() override;
  // Shuts GDI+ down, then the platform's own exit.
  int ExitInstance() override;

private:
  ULONG_PTR m_gdiplusToken = 0;
  bool m_socketsStarted = false;
};
