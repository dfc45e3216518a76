#include "client/app/run_log.h"

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kLineBufferSize = 2048;
const char kMutexName[] = "KPCI_LOG_FILE_MUTEX";

}  // namespace

RunLog::RunLog(const char* path, LocalClock clock)
    : mutex_(CreateMutexA(nullptr, FALSE, kMutexName)), clock_(clock) {
  std::snprintf(path_, sizeof path_, "%s", path);
}

RunLog::~RunLog() {
  if (mutex_) CloseHandle(mutex_);
}

void RunLog::Log(const char* format, ...) {
  char message[kLineBufferSize];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);

  SYSTEMTIME now;
  clock_(&now);
  char stamp[256];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03lu", now.wYear,
                now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                static_cast<unsigned long>(now.wMilliseconds));

  char line[kLineBufferSize];
  std::snprintf(line, sizeof line, "%s[%u][%s]:%s\n", "ERROR",
                static_cast<unsigned>(GetCurrentProcessId()), stamp, message);
  Write(line, std::strlen(line));
}

void RunLog::Write(const char* text, std::size_t length) {
  // Held from before the open to after the close: concurrent lines stay whole.
  if (mutex_) WaitForSingleObject(mutex_, INFINITE);
  int fd = _open(path_, _O_WRONLY | _O_APPEND | _O_CREAT | _O_TEXT, _S_IREAD | _S_IWRITE);
  if (fd < 0) {
    std::fprintf(stderr, "Can't open file %s: %s\n", path_, std::strerror(errno));
  } else {
    if (_write(fd, text, static_cast<unsigned>(length)) <= 0)
      std::fprintf(stderr, "Error writing length: %s\n", std::strerror(errno));
    _close(fd);
  }
  if (mutex_) ReleaseMutex(mutex_);
}
