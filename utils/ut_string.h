// Bounded string copying: dst holds size bytes and is always terminated
// when size is not 0.
#pragma once
#include <cstddef>

// Copies at most length bytes of src (fewer at its terminator), cut to fit.
// Returns 1 when nothing was cut. end (may be null) receives the terminator's
// position, room the bytes still free counting the terminator; when only the
// terminator's byte is left, room is 0 and end points past it, so that an
// append through end writes nothing.
int ut_copy(char *dst, size_t size, const char *src, size_t length, char **end, size_t *room);
// The same, starting at dst's current terminator.
int ut_append(char *dst, size_t size, const char *src, size_t length, char **end, size_t *room);
// With length = strlen(src); a null src does nothing and returns 0.
int ut_copy_str(char *dst, size_t size, const char *src, char **end = nullptr, size_t *room = nullptr);
int ut_append_str(char *dst, size_t size, const char *src, char **end = nullptr, size_t *room = nullptr);
