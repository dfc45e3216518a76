// What the process tests of the agent share: where the programs are, the
// agent's standard error, and a stand-in parent process.
#pragma once
#include <windows.h>
#include <string>
#include "elevate_parent.h"

namespace agent_test {

std::string agent_exe();
std::string idle_exe();

// Saves what the screen shows of the window as a BMP file in the test output
// folder ($TEST_OUTPUT_DIR). Returns the file's path, or "" on failure.
std::string save_window_image(HWND window, const std::string &name);

// A pipe whose write end a child inherits as its standard error.
class ErrorPipe {
 public:
  ErrorPipe();
  ~ErrorPipe();
  HANDLE child_end() const { return write_; }
  // Everything written, once the child has ended (closes our write end).
  std::string read_all();

 private:
  HANDLE read_ = nullptr;
  HANDLE write_ = nullptr;
};

// The result of starting the agent with a given command-line tail.
struct Run {
  DWORD exit_code;
  std::string std_error;
  bool done_signalled;
};
// Starts the agent with this tail against `section`, waits for its end.
Run run_agent(const std::string &arguments, const elevate_parent::SharedSection &section);

// A process that does nothing until ended. It inherits our inheritable
// handles under the same values, so with an inheritable section it can act
// as the agent's parent.
class IdleParent {
 public:
  IdleParent();
  ~IdleParent();
  DWORD id() const { return process_.dwProcessId; }
  void end();

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace agent_test
