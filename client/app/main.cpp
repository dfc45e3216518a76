// Quillon's entry: the one application object and WinMain.
#include "client/app/quillon_app.h"

CQuillonApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunApplication(); }
