#include "utils/path_scanner.h"

#include <cstring>

#include "utils/ut_string.h"

namespace {

bool is_separator(char c) { return c == '\\' || c == '/' || c == ':'; }

}  // namespace

const char *PathScanner::next_char(const char *text) const {
  int trail = ut_trail_count(charset_, static_cast<unsigned char>(*text));
  ++text;
  for (; trail > 0 && *text; --trail) ++text;
  return text;
}

size_t PathScanner::directory_length(const char *path) const {
  size_t length = 0;
  for (const char *p = path; *p; p = next_char(p))
    if (is_separator(*p)) length = size_t(p - path) + 1;
  return length;
}

void PathScanner::ensure_trailing_backslash(char *buffer, size_t size) const {
  const char *last = nullptr;
  for (const char *p = buffer; *p; p = next_char(p)) last = p;
  if (!last || *last != '\\') ut_append_str(buffer, size, "\\");
}

const char *PathScanner::extension(const char *name) const {
  const char *dot = nullptr;
  for (const char *p = name; *p; p = next_char(p)) {
    if (*p == '.')
      dot = p;
    else if (is_separator(*p))
      dot = nullptr;
  }
  return dot;
}
