#pragma once
// A child process of a test, with its standard output on a pipe.
#include <windows.h>

#include <string>

class ChildProcess {
 public:
  // Starts `program` (a path with '/' or '\') with `arguments`, already quoted.
  ChildProcess(const std::string& program, const std::string& arguments);
  ~ChildProcess();  // ends the child if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  // One line of the child's standard output, without its line break.
  std::string ReadLine();
  // The rest of the child's standard output, up to its end.
  std::string ReadAll();
  // Waits for the child's end; its exit code, or -1 when it did not end in time.
  long Wait(DWORD milliseconds);

 private:
  HANDLE process_ = nullptr;
  HANDLE output_ = nullptr;
};

// A command-line argument in double quotes (the texts used here hold none).
std::string Quoted(const std::string& text);
