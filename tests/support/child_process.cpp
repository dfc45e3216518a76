#include "tests/support/child_process.h"

#include <algorithm>

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
  std::string path = program;
  std::replace(path.begin(), path.end(), '/', '\\');
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE childOutput = nullptr;
  if (!CreatePipe(&output_, &childOutput, &inherit, 0)) return;
  SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = childOutput;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string commandLine = Quoted(path) + " " + arguments;
  PROCESS_INFORMATION info = {};
  if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                     nullptr, &startup, &info)) {
    process_ = info.hProcess;
    CloseHandle(info.hThread);
  }
  CloseHandle(childOutput);
}

ChildProcess::~ChildProcess() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
  }
  if (output_) CloseHandle(output_);
}

std::string ChildProcess::ReadLine() {
  std::string line;
  char c;
  DWORD read = 0;
  while (ReadFile(output_, &c, 1, &read, nullptr) && read == 1 && c != '\n') {
    if (c != '\r') line += c;
  }
  return line;
}

std::string ChildProcess::ReadAll() {
  std::string text;
  char chunk[512];
  DWORD read = 0;
  while (ReadFile(output_, chunk, sizeof chunk, &read, nullptr) && read > 0) text.append(chunk, read);
  return text;
}

long ChildProcess::Wait(DWORD milliseconds) {
  if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<long>(code);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
