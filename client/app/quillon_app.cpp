// Sockets first: its header must come before the one windows.h pulls in.
#include <winsock2.h>

#include "client/app/quillon_app.h"

#include "client/app/quillon_wizard.h"
#include "client/controls/gdiplus_image.h"
#include "res/resource.h"

#include <commctrl.h>
#include <objbase.h>

BOOL CQuillonApp::InitInstance() {
  ::OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
  ::InitCommonControlsEx(&controls);
  CWinApp::InitInstance();

  WSADATA sockets;
  if (::WSAStartup(MAKEWORD(2, 2), &sockets) != 0) {
    char text[256] = {};
    ::LoadStringA(m_hInstance, IDS_SOCKETS_INIT_FAILED, text, sizeof text);
    ::MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONSTOP);
    return FALSE;
  }
  m_socketsStarted = true;

  Gdiplus::GdiplusStartupInput gdiplus;
  Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplus, nullptr);
  SetRegistryKey("Local AppWizard-Generated Applications");
  m_pMainWnd = nullptr;

  {
    QuillonWizard wizard;
    wizard.Run();
  }
  return FALSE;
}

int CQuillonApp::ExitInstance() {
  if (m_gdiplusToken)
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
  m_gdiplusToken = 0;
  if (m_socketsStarted)
    ::WSACleanup();
  m_socketsStarted = false;
  ::OleUninitialize();
  return CWinApp::ExitInstance();
}
