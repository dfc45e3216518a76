#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "utils/ut_number.h"

namespace {

struct ToTextCase {
  int64_t value;
  int base;
  const char *i32;  // ut_itoa of the value cut to 32 bits
  const char *u32;  // ut_utoa
  const char *i64;  // ut_i64toa
};

const ToTextCase kToText[] = {
    {0, 10, "0", "0", "0"},
    {0, 2, "0", "0", "0"},
    {-2147483648LL, 10, "-2147483648", "2147483648", "-2147483648"},
    {-1, 16, "ffffffff", "ffffffff", "ffffffffffffffff"},
    {-1, 10, "-1", "4294967295", "-1"},
    {255, 2, "11111111", "11111111", "11111111"},
    {35, 36, "z", "z", "z"},
    {123456789, 36, "21i3v9", "21i3v9", "21i3v9"},
    {42, 37, "", "", ""},
    {42, 1, "", "", ""},
    {42, 0, "", "", ""},
};

TEST(NumberToText, Table) {
  for (const ToTextCase &c : kToText) {
    char out[80];
    SCOPED_TRACE(testing::Message() << c.value << " base " << c.base);
    EXPECT_STREQ(c.i32, ut_itoa(static_cast<int32_t>(c.value), out, c.base));
    EXPECT_STREQ(c.u32, ut_utoa(static_cast<uint32_t>(c.value), out, c.base));
    EXPECT_STREQ(c.i64, ut_i64toa(c.value, out, c.base));
  }
}

TEST(NumberToText, SixtyFourBitExtremes) {
  char out[80];
  EXPECT_STREQ("-9223372036854775808", ut_i64toa(INT64_MIN, out, 10));
  EXPECT_STREQ("18446744073709551615", ut_u64toa(UINT64_MAX, out, 10));
  EXPECT_STREQ(std::string(64, '1').c_str(), ut_u64toa(UINT64_MAX, out, 2));
  EXPECT_STREQ("8000000000000000", ut_i64toa(INT64_MIN, out, 16));
}

struct ParseCase {
  const char *text;
  int base;
  uint64_t value;
  int consumed;   // where reading stopped
  int error;      // errno afterwards (0: untouched)
};

const ParseCase kParse32[] = {
    {"0x1F", 0, 31, 4, 0},
    {"0X1f", 0, 31, 4, 0},
    {"017", 0, 15, 3, 0},
    {"08", 0, 0, 1, 0},
    {"0", 0, 0, 1, 0},
    {"0x", 0, 0, 2, 0},
    {"", 0, 0, 0, 0},
    {"4294967295", 10, 0xFFFFFFFFu, 10, 0},
    {"4294967296", 10, 0xFFFFFFFFu, 9, ERANGE},
    {"99999999999", 0, 0xFFFFFFFFu, 9, ERANGE},
    {"12abc", 10, 12, 2, 0},
    {"12abc", 16, 0x12abc, 5, 0},
    {"zZ", 36, 35 * 36 + 35, 2, 0},
    {" 12", 10, 0, 0, 0},
    {"-12", 10, 0, 0, 0},
    {"+12", 0, 0, 0, 0},
    {"12\t", 0, 12, 2, 0},
    {"101", 2, 5, 3, 0},
    {"12", 1, 0, 0, EINVAL},
    {"12", 37, 0, 0, EINVAL},
};

template <typename Parse, size_t N>
void check_parse(const ParseCase (&cases)[N], Parse parse) {
  for (const ParseCase &c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" base " << c.base);
    errno = 0;
    char *end = nullptr;
    EXPECT_EQ(c.value, parse(c.text, &end, c.base));
    EXPECT_EQ(c.consumed, end - c.text);
    EXPECT_EQ(c.error, errno);
  }
}

TEST(TextToNumber, ThirtyTwoBits) { check_parse(kParse32, ut_strtou32); }

const ParseCase kParse64[] = {
    {"18446744073709551615", 10, UINT64_MAX, 20, 0},
    {"18446744073709551616", 10, UINT64_MAX, 19, ERANGE},
    {"0xffffffffffffffff", 0, UINT64_MAX, 18, 0},
    {"0x1ffffffffffffffff", 0, UINT64_MAX, 18, ERANGE},
    {"4294967296", 0, 4294967296ULL, 10, 0},
    {"0777", 0, 511, 4, 0},
};

TEST(TextToNumber, SixtyFourBits) { check_parse(kParse64, ut_strtou64); }

TEST(TextToNumber, NullEndIsAllowed) { EXPECT_EQ(7u, ut_strtou32("7", nullptr, 0)); }

}  // namespace
