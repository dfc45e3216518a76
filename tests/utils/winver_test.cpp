#include <gtest/gtest.h>

#include "utils/ut_winver.h"

namespace {

struct VersionCase {
  unsigned long value;
  UTWindowsVersion expected;
};

const VersionCase kCases[] = {
    {0x1DB10106ul, {4, 1, 6, 1, 7601}},       // Windows 7 SP1
    {0x17700006ul, {4, 1, 6, 0, 6000}},       // Vista
    {0x0A280105ul, {4, 1, 5, 1, 2600}},       // XP
    {0x7FFF0A0Aul, {4, 1, 10, 10, 0x7FFF}},   // build uses bits 16 to 30 only
    {0xC0000004ul, {1, 0, 4, 0, 0}},          // Windows 95
    {0xC0000A04ul, {2, 0, 4, 10, 0}},         // Windows 98
    {0xC0005A04ul, {3, 0, 4, 90, 0}},         // Windows Me
};

TEST(WindowsVersion, Decode) {
  for (const VersionCase &c : kCases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.value);
    UTWindowsVersion v = ut_decode_version(c.value);
    EXPECT_EQ(c.expected.kind, v.kind);
    EXPECT_EQ(c.expected.is_nt, v.is_nt);
    EXPECT_EQ(c.expected.major, v.major);
    EXPECT_EQ(c.expected.minor, v.minor);
    EXPECT_EQ(c.expected.build, v.build);
  }
}

TEST(WindowsVersion, ThisSystemIsNt) {
  EXPECT_EQ(0, ut_is_win9x());
  EXPECT_EQ(4, ut_windows_version().kind);
}

}  // namespace
