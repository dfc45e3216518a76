#include "utils/ut_string.h"

#include <cstring>

int ut_copy(char *dst, size_t size, const char *src, size_t length, char **end, size_t *room) {
  size_t n = strnlen(src, length);
  if (size == 0) {
    if (end)
      *end = dst;
    if (room)
      *room = 0;
    return n == 0;
  }
  bool cut = n > size - 1;
  if (cut)
    n = size - 1;
  memcpy(dst, src, n);
  dst[n] = '\0';

  // A full buffer reports no room and an end past its terminator, so that an
  // append through end cannot overwrite the terminator.
  bool full = n == size - 1;
  if (end)
    *end = full ? dst + size : dst + n;
  if (room)
    *room = full ? 0 : size - n;
  return !cut;
}

int ut_append(char *dst, size_t size, const char *src, size_t length, char **end, size_t *room) {
  size_t used = strnlen(dst, size);
  if (used == size) {
    // No terminator inside the buffer: treat it as full and terminate it.
    if (size != 0)
      dst[size - 1] = '\0';
    used = size == 0 ? 0 : size - 1;
  }
  return ut_copy(dst + used, size - used, src, length, end, room);
}

int ut_copy_str(char *dst, size_t size, const char *src, char **end, size_t *room) {
  return src ? ut_copy(dst, size, src, strlen(src), end, room) : 0;
}

int ut_append_str(char *dst, size_t size, const char *src, char **end, size_t *room) {
  return src ? ut_append(dst, size, src, strlen(src), end, room) : 0;
}
