#include <gtest/gtest.h>

#include <cstring>

#include "utils/ut_memory.h"

namespace {

TEST(Memory, ZeroSizesGiveNull) {
  EXPECT_EQ(nullptr, ut_alloc(0));
  EXPECT_EQ(nullptr, ut_alloc_zeroed(0));
  EXPECT_EQ(nullptr, ut_realloc(nullptr, 0));
}

TEST(Memory, ZeroedIsZeroFilled) {
  unsigned char *p = static_cast<unsigned char *>(ut_alloc_zeroed(4096));
  ASSERT_NE(nullptr, p);
  for (int i = 0; i < 4096; ++i)
    ASSERT_EQ(0, p[i]);
  ut_free(p);
}

TEST(Memory, ReallocKeepsContentAndFreesOnZero) {
  char *p = static_cast<char *>(ut_realloc(nullptr, 4));
  ASSERT_NE(nullptr, p);
  memcpy(p, "abc", 4);
  p = static_cast<char *>(ut_realloc(p, 1 << 20));
  ASSERT_NE(nullptr, p);
  EXPECT_STREQ("abc", p);
  EXPECT_EQ(nullptr, ut_realloc(p, 0));
}

// A null block is an allocation that may fail quietly, unlike ut_alloc.
TEST(Memory, FailuresThatAreNotFatal) {
  EXPECT_EQ(nullptr, ut_alloc_zeroed(static_cast<size_t>(-1) / 2));
  EXPECT_EQ(nullptr, ut_realloc(nullptr, static_cast<size_t>(-1) / 2));
}

}  // namespace
