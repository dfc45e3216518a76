#include <gtest/gtest.h>

#include "utils/error_code.h"

namespace {

a_db_init_error init_error(int value) { return static_cast<a_db_init_error>(value); }

struct Translation {
  UTErrorType type;
  unsigned long code;
  unsigned long posix;
};

class PosixEquivalent : public testing::TestWithParam<Translation> {};

TEST_P(PosixEquivalent, Translates) {
  const Translation &t = GetParam();
  EXPECT_EQ(t.posix, UTErrorCode(t.type, t.code).get_posix_equivalent()) << "type " << t.type << " code " << t.code;
}

unsigned long pattern(int value) { return static_cast<unsigned long>(value); }

// Every boundary of both tables and each value a table names on its own.
INSTANTIATE_TEST_SUITE_P(
    Table, PosixEquivalent,
    testing::Values(
        Translation{UT_ERROR_POSIX, 0, 0}, Translation{UT_ERROR_POSIX, 28, 28}, Translation{UT_ERROR_POSIX, 9999, 9999},
        Translation{UT_ERROR_OS, 0, 0}, Translation{UT_ERROR_OS, 1, 22}, Translation{UT_ERROR_OS, 2, 2},
        Translation{UT_ERROR_OS, 3, 2}, Translation{UT_ERROR_OS, 4, 24}, Translation{UT_ERROR_OS, 5, 13},
        Translation{UT_ERROR_OS, 6, 9}, Translation{UT_ERROR_OS, 7, 12}, Translation{UT_ERROR_OS, 8, 12},
        Translation{UT_ERROR_OS, 9, 12}, Translation{UT_ERROR_OS, 10, 7}, Translation{UT_ERROR_OS, 11, 8},
        Translation{UT_ERROR_OS, 12, 22}, Translation{UT_ERROR_OS, 13, 22}, Translation{UT_ERROR_OS, 14, 22},
        Translation{UT_ERROR_OS, 15, 2}, Translation{UT_ERROR_OS, 16, 13}, Translation{UT_ERROR_OS, 17, 18},
        Translation{UT_ERROR_OS, 18, 2}, Translation{UT_ERROR_OS, 19, 13}, Translation{UT_ERROR_OS, 36, 13},
        Translation{UT_ERROR_OS, 37, 22}, Translation{UT_ERROR_OS, 53, 2}, Translation{UT_ERROR_OS, 65, 13},
        Translation{UT_ERROR_OS, 67, 2}, Translation{UT_ERROR_OS, 80, 17}, Translation{UT_ERROR_OS, 82, 13},
        Translation{UT_ERROR_OS, 83, 13}, Translation{UT_ERROR_OS, 89, 11}, Translation{UT_ERROR_OS, 108, 13},
        Translation{UT_ERROR_OS, 109, 32}, Translation{UT_ERROR_OS, 112, 28}, Translation{UT_ERROR_OS, 114, 9},
        Translation{UT_ERROR_OS, 128, 10}, Translation{UT_ERROR_OS, 129, 10}, Translation{UT_ERROR_OS, 130, 9},
        Translation{UT_ERROR_OS, 132, 13}, Translation{UT_ERROR_OS, 145, 41}, Translation{UT_ERROR_OS, 158, 13},
        Translation{UT_ERROR_OS, 161, 2}, Translation{UT_ERROR_OS, 164, 11}, Translation{UT_ERROR_OS, 167, 13},
        Translation{UT_ERROR_OS, 183, 17}, Translation{UT_ERROR_OS, 187, 22}, Translation{UT_ERROR_OS, 188, 8},
        Translation{UT_ERROR_OS, 202, 8}, Translation{UT_ERROR_OS, 203, 22}, Translation{UT_ERROR_OS, 206, 2},
        Translation{UT_ERROR_OS, 215, 11}, Translation{UT_ERROR_OS, 1816, 12}, Translation{UT_ERROR_OS, 1815, 22},
        Translation{UT_ERROR_DB_INIT, 0, 0}, Translation{UT_ERROR_DB_INIT, 5, 5},
        Translation{UT_ERROR_DB_INIT, pattern(-1), pattern(-1)},
        Translation{UT_ERROR_DB_INIT, pattern(-30001), pattern(-30001)},
        Translation{UT_ERROR_DB_INIT, pattern(-30000), 22}, Translation{UT_ERROR_DB_INIT, pattern(-29999), 13},
        Translation{UT_ERROR_DB_INIT, pattern(-29998), 22}, Translation{UT_ERROR_DB_INIT, pattern(-29985), 2},
        Translation{UT_ERROR_DB_INIT, pattern(-29984), 2}, Translation{UT_ERROR_DB_INIT, pattern(-29983), 1},
        Translation{UT_ERROR_DB_INIT, pattern(-29976), 13}, Translation{UT_ERROR_DB_INIT, pattern(-29962), 5},
        Translation{UT_ERROR_DB_INIT, pattern(-29961), 24}, Translation{UT_ERROR_DB_INIT, pattern(-29960), 13},
        Translation{UT_ERROR_DB_INIT, pattern(-29958), 28}, Translation{UT_ERROR_DB_INIT, pattern(-29949), 22},
        Translation{UT_ERROR_DB_INIT, pattern(-29948), pattern(-29948)},
        Translation{static_cast<UTErrorType>(3), 28, 0}, Translation{static_cast<UTErrorType>(3), 0, 0}));

TEST(UTErrorCode, ZeroCodesAreEqualWhateverTheirTypes) {
  UTErrorCode posix(UT_ERROR_POSIX, 0), os(UT_ERROR_OS, 0);
  EXPECT_EQ(1u, posix == os);
  EXPECT_EQ(0u, posix != os);
  EXPECT_EQ(0u, posix.equal(os));
  EXPECT_EQ(0u, posix.equal(UT_ERROR_OS, 0));
  EXPECT_EQ(1u, os.equal(UT_ERROR_OS, 0));
}

TEST(UTErrorCode, NonZeroCodesCompareBothFields) {
  UTErrorCode a(UT_ERROR_OS, 5), b(UT_ERROR_POSIX, 5), c(UT_ERROR_OS, 5);
  EXPECT_EQ(0u, a == b);
  EXPECT_EQ(1u, a != b);
  EXPECT_EQ(1u, a == c);
  EXPECT_EQ(1u, a.equal(c));
  EXPECT_EQ(0u, a == UTErrorCode());
}

TEST(UTErrorCode, ConstructionSettingAndClearing) {
  UTErrorCode value;
  EXPECT_EQ(UT_ERROR_POSIX, value.get_type());
  EXPECT_EQ(0u, value.get_code());

  UTErrorCode init(init_error(-29958));
  EXPECT_EQ(UT_ERROR_DB_INIT, init.get_type());
  EXPECT_EQ(0xFFFF8AFAul, init.get_code());

  value.set(init_error(-29985));
  EXPECT_TRUE(value.equal(UT_ERROR_DB_INIT, pattern(-29985)));
  value.set(UT_ERROR_OS, 112);
  EXPECT_TRUE(value.equal(UT_ERROR_OS, 112));

  UTErrorCode copy;
  EXPECT_EQ(&copy, &(copy = value));
  EXPECT_TRUE(copy.equal(UT_ERROR_OS, 112));
  copy.clear();
  EXPECT_TRUE(copy.equal(UT_ERROR_POSIX, 0));
}

TEST(UTErrorCode, OkayAndErrorLookOnlyAtTheCode) {
  EXPECT_EQ(1u, UTErrorCode(UT_ERROR_OS, 0).is_okay());
  EXPECT_EQ(0u, UTErrorCode(UT_ERROR_OS, 0).is_error());
  EXPECT_EQ(1u, UTErrorCode(static_cast<UTErrorType>(7), 3).is_error());
  EXPECT_EQ(0u, UTErrorCode(static_cast<UTErrorType>(7), 3).is_okay());
}

TEST(UTErrorCode, DiskFullAndFileNotFoundGoThroughTheTranslation) {
  struct Case {
    UTErrorCode value;
    unsigned int disk_full, not_found;
  } cases[] = {
      {UTErrorCode(UT_ERROR_OS, 112), 1, 0},      {UTErrorCode(UT_ERROR_POSIX, 28), 1, 0},
      {UTErrorCode(init_error(-29958)), 1, 0},    {UTErrorCode(UT_ERROR_OS, 3), 0, 1},
      {UTErrorCode(UT_ERROR_POSIX, 2), 0, 1},     {UTErrorCode(init_error(-29984)), 0, 1},
      {UTErrorCode(UT_ERROR_OS, 14), 0, 0},       {UTErrorCode(static_cast<UTErrorType>(3), 28), 0, 0},
      {UTErrorCode(static_cast<UTErrorType>(3), 2), 0, 0},
  };
  for (Case &c : cases) {
    EXPECT_EQ(c.disk_full, c.value.is_disk_full()) << c.value.get_type() << "/" << c.value.get_code();
    EXPECT_EQ(c.not_found, c.value.is_file_not_found()) << c.value.get_type() << "/" << c.value.get_code();
  }
}

}  // namespace
