#include <gtest/gtest.h>

#include <cstring>

#include "utils/ut_string.h"

namespace {

struct CopyCase {
  size_t size;
  const char *initial;  // dst before the call (for append)
  const char *src;
  size_t length;
  bool append;
  const char *result;
  int returned;
  size_t room;
  ptrdiff_t end;  // offset of end from dst
};

const CopyCase kCases[] = {
    {4, "", "abcdef", 99, false, "abc", 0, 0, 4},
    {8, "", "abc", 99, false, "abc", 1, 5, 3},
    {4, "", "abc", 99, false, "abc", 1, 0, 4},
    {8, "", "abcdef", 2, false, "ab", 1, 6, 2},
    {1, "", "abc", 99, false, "", 0, 0, 1},
    {8, "", "", 99, false, "", 1, 8, 0},
    {8, "ab", "cd", 99, true, "abcd", 1, 4, 4},
    {6, "ab", "cdef", 99, true, "abcde", 0, 0, 6},
    {6, "abcde", "x", 99, true, "abcde", 0, 0, 6},
    {6, "abcde", "", 99, true, "abcde", 1, 0, 6},
    {8, "ab", "cdef", 1, true, "abc", 1, 5, 3},
};

TEST(BoundedStrings, CopyAndAppend) {
  for (const CopyCase &c : kCases) {
    SCOPED_TRACE(testing::Message() << (c.append ? "append '" : "copy '") << c.src << "' size " << c.size);
    char dst[16];
    memset(dst, '#', sizeof dst);
    strcpy(dst, c.initial);
    char *end = nullptr;
    size_t room = 99;
    int r = c.append ? ut_append(dst, c.size, c.src, c.length, &end, &room)
                     : ut_copy(dst, c.size, c.src, c.length, &end, &room);
    EXPECT_STREQ(c.result, dst);
    EXPECT_EQ(c.returned, r);
    EXPECT_EQ(c.room, room);
    EXPECT_EQ(c.end, end - dst);
    EXPECT_EQ('#', dst[c.size]) << "wrote past the buffer";
  }
}

// A copy that fills the buffer leaves end past the terminator with no room,
// so an append through end changes nothing.
TEST(BoundedStrings, AppendThroughEndOfFullBuffer) {
  char dst[4];
  char *end;
  size_t room;
  ut_copy_str(dst, sizeof dst, "abcdef", &end, &room);
  EXPECT_EQ(0, ut_append_str(end, room, "xyz", &end, &room));
  EXPECT_STREQ("abc", dst);
}

TEST(BoundedStrings, ChainedAppendsFillExactly) {
  char dst[10];
  char *end;
  size_t room;
  EXPECT_EQ(1, ut_copy_str(dst, sizeof dst, "one", &end, &room));
  EXPECT_EQ(1, ut_append_str(end, room, "two", &end, &room));
  EXPECT_EQ(0, ut_append_str(end, room, "three", &end, &room));
  EXPECT_STREQ("onetwothr", dst);
  EXPECT_EQ(0u, room);
}

TEST(BoundedStrings, NullSourceDoesNothing) {
  char dst[4] = "ab";
  EXPECT_EQ(0, ut_copy_str(dst, sizeof dst, nullptr));
  EXPECT_EQ(0, ut_append_str(dst, sizeof dst, nullptr));
  EXPECT_STREQ("ab", dst);
}

TEST(BoundedStrings, ZeroSizeWritesNothing) {
  char dst[2] = {'x', 'y'};
  EXPECT_EQ(0, ut_copy_str(dst, 0, "a"));
  EXPECT_EQ('x', dst[0]);
}

}  // namespace
