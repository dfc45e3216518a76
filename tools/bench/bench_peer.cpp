// The baselines of elevate-bench, built like the agent (windowless, static):
//   bench-peer signal EVENT            signals the inherited event and ends
//   bench-peer echo REQUEST DONE       answers every request event with DONE
// Built a second time as bench-peer-user32, which loads USER32 as the agent's
// character table does, to show what of the agent's start-up that costs.
#include <windows.h>
#include <cstdlib>
#include <cstring>

namespace {

HANDLE handle_from(const char *text) {
  return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(std::strtoull(text, nullptr, 10)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc == 3 && std::strcmp(__argv[1], "signal") == 0) {
#ifdef BENCH_PEER_USES_USER32
    IsCharAlphaA('a');
#endif
    return SetEvent(handle_from(__argv[2])) ? 0 : 1;
  }
  if (__argc == 4 && std::strcmp(__argv[1], "echo") == 0) {
    HANDLE request = handle_from(__argv[2]), done = handle_from(__argv[3]);
    while (WaitForSingleObject(request, INFINITE) == WAIT_OBJECT_0) SetEvent(done);
  }
  return 1;
}
