// Test DLL: sets round-toward-zero when it loads and round-up when it unloads,
// as some third-party libraries do to their host's floating-point state.
#include <float.h>
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH)
    _controlfp(_RC_CHOP, _MCW_RC);
  else if (reason == DLL_PROCESS_DETACH)
    _controlfp(_RC_UP, _MCW_RC);
  return TRUE;
}
