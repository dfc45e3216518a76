#include "agent_test_support.h"
#include <vector>

namespace agent_test {
namespace {

// The build's paths are Unix paths; Wine shows the root as drive Z.
std::string windows_path(std::string unix_path) {
  for (char &c : unix_path)
    if (c == '/') c = '\\';
  return "Z:" + unix_path;
}

}  // namespace

std::string agent_exe() { return windows_path(AGENT_EXE); }
std::string idle_exe() { return windows_path(IDLE_EXE); }

ErrorPipe::ErrorPipe() {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  CreatePipe(&read_, &write_, &inherit, 0);
  SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
}

ErrorPipe::~ErrorPipe() {
  if (read_) CloseHandle(read_);
  if (write_) CloseHandle(write_);
}

std::string ErrorPipe::read_all() {
  CloseHandle(write_);
  write_ = nullptr;
  std::string text;
  char buffer[256];
  DWORD got = 0;
  while (ReadFile(read_, buffer, sizeof(buffer), &got, nullptr) && got) text.append(buffer, got);
  return text;
}

Run run_agent(const std::string &arguments, const elevate_parent::SharedSection &section) {
  ErrorPipe pipe;
  PROCESS_INFORMATION agent{};
  Run run{STILL_ACTIVE, "", false};
  if (!elevate_parent::launch_agent(agent_exe(), arguments, pipe.child_end(), &agent)) return run;
  if (WaitForSingleObject(agent.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(agent.hProcess, 99);
  GetExitCodeProcess(agent.hProcess, &run.exit_code);
  run.std_error = pipe.read_all();
  run.done_signalled = WaitForSingleObject(section.done_event(), 0) == WAIT_OBJECT_0;
  CloseHandle(agent.hThread);
  CloseHandle(agent.hProcess);
  return run;
}

IdleParent::IdleParent() {
  std::string exe = idle_exe();
  std::vector<char> command(exe.begin(), exe.end());
  command.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  // Inheritance gives the child the section and the events under our values.
  CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_);
}

IdleParent::~IdleParent() {
  if (!process_.hProcess) return;
  end();
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void IdleParent::end() {
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 30000);
}

}  // namespace agent_test
