// Waits until it is ended: a parent process that a test can end at will.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(INFINITE);
  return 0;
}
