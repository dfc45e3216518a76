#include "utils/ut_fatal.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void message_box_report(const char *text, const char *caption, int ask, int *answer) {
  UINT style = MB_SETFOREGROUND | MB_ICONERROR | (ask ? MB_YESNO : 0);
  int choice = MessageBoxA(nullptr, text, caption, style);
  if (answer)
    *answer = choice == IDYES;
}

// Appends printf-style output to buf (of size bytes, holding used bytes),
// cutting it to fit; returns the new length.
size_t append_format(char *buf, size_t size, size_t used, const char *format, va_list args) {
  if (used + 1 >= size)
    return used;
  int n = vsnprintf(buf + used, size - used, format, args);
  if (n < 0)
    return used;
  size_t added = static_cast<size_t>(n);
  return used + (added < size - used ? added : size - used - 1);
}

size_t append_text(char *buf, size_t size, size_t used, const char *format, ...) {
  va_list args;
  va_start(args, format);
  used = append_format(buf, size, used, format, args);
  va_end(args);
  return used;
}

}  // namespace

ut_report_hook ut_report = message_box_report;

void ut_fatal_error(const char *text) {
  MessageBoxA(nullptr, text ? text : "Unknown error", "SQLPelagos Fatal Error", MB_OK);
  if (text) {
    fputs(text, stdout);
    fputc('\n', stdout);
    fflush(stdout);
  }
  exit(1);
}

void ut_assert_failed(const char *message, const char *file, int line, ...) {
  const size_t kSize = 256;
  char text[kSize];

  // The location is what a report cannot do without, so it is laid out first
  // and a long message is cut to leave room for it.
  char where[kSize];
  size_t where_len = append_text(where, kSize, 0, "File '%s' at line #%d\r\nAborting execution...",
                                 file ? file : "", line);

  size_t used = 0;
  text[0] = '\0';
  if (message && *message) {
    size_t message_room = kSize - where_len;  // keeps where_len bytes + terminator
    va_list args;
    va_start(args, line);
    used = append_format(text, message_room > 2 ? message_room - 2 : 0, 0, message, args);
    va_end(args);
    used = append_text(text, kSize, used, "\r\n");
  }
  append_text(text, kSize, used, "%s", where);

  if (IsDebuggerPresent()) {
    DebugBreak();
    return;
  }
  int answer = 0;
  ut_report(text, "Assertion Failure", 0, &answer);
  abort();
}
