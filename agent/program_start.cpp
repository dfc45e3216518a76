#include "program_start.h"
#include <windows.h>
#include <vector>
#include "utils/ut_string.h"

namespace UTElevate {

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "startup information");
#endif

int start_program(const char *program, const char *const *args, int wait) {
  // The longest command line Windows accepts, and its terminator.
  std::vector<char> command_line(32769);
  ut_copy_str(command_line.data(), command_line.size(), program);
  for (; args && *args; ++args) {
    ut_append_str(command_line.data(), command_line.size(), " ");
    ut_append_str(command_line.data(), command_line.size(), *args);
  }

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup, &process))
    return -1;
  CloseHandle(process.hThread);
  DWORD exit_code = 0;
  if (wait) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &exit_code);
  }
  CloseHandle(process.hProcess);
  return static_cast<int>(exit_code);
}

}  // namespace UTElevate
