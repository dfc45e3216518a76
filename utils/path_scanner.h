// Path text read character by character in the machine's default character
// set, so that a trail byte equal to "\" or "." is never taken for one.
#pragma once
#include <cstddef>

#include "utils/locale/locale_tables.h"

class PathScanner {
 public:
  // Uses the byte classes of charset, normally that of the default collation.
  explicit PathScanner(const UTCharsetInfo *charset) : charset_(charset) {}

  // Length of the text up to and including its last "\", "/" or ":".
  size_t directory_length(const char *path) const;
  // Appends "\" to the text in buffer (of size bytes) unless it already
  // ends with one; a text ending in ":" gets one too, so that "D:" names
  // the drive's root rather than its current directory.
  void ensure_trailing_backslash(char *buffer, size_t size) const;
  // The extension: from the last "." that follows the last separator;
  // null when there is none.
  const char *extension(const char *name) const;

 private:
  // The character after the one starting at text (never past the terminator).
  const char *next_char(const char *text) const;
  const UTCharsetInfo *charset_;
};
