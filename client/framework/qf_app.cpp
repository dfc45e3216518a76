#include "client/framework/qf_app.h"

namespace {
CWinApp *g_application = nullptr;
}

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
  if (g_application == this)
    g_application = nullptr;
}

CWinApp *CWinApp::Current() { return g_application; }

BOOL CWinApp::InitApplication() {
  m_hInstance = ::GetModuleHandleA(nullptr);
  return TRUE;
}

int RunApplication() {
  CWinApp *app = CWinApp::Current();
  if (!app)
    return 1;
  app->InitApplication();
  app->InitInstance();
  return app->ExitInstance();
}
