#pragma once
// Appends error lines to a log file shared by every process of the installation.
// Lines read "ERROR[<process id>][<local time>]:<message>"; a system-wide mutex
// keeps lines of concurrent writers whole. Failures go to standard error only.
#include <windows.h>

#include <cstddef>

class RunLog {
 public:
  using LocalClock = void(WINAPI*)(LPSYSTEMTIME);

  // `clock` gives the local time of each line; tests fix it.
  explicit RunLog(const char* path, LocalClock clock = &::GetLocalTime);
  ~RunLog();
  RunLog(const RunLog&) = delete;
  RunLog& operator=(const RunLog&) = delete;

  // Formats the message like printf (cut at 2,047 bytes) and appends one line.
  void Log(const char* format, ...);
  // Appends the bytes, opening and closing the file, under the mutex.
  void Write(const char* text, std::size_t length);

 private:
  char path_[MAX_PATH];
  HANDLE mutex_;
  LocalClock clock_;
};
