#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "utils/ut_args.h"
#include "utils/ut_chartable.h"
#include "utils/ut_memory.h"

namespace {

std::vector<std::string> split(const std::string &line) {
  std::vector<char> text(line.begin(), line.end());
  text.push_back('\0');
  char **argv = nullptr;
  int count = ut_split_args(text.data(), "prog.exe", &argv);
  std::vector<std::string> args;
  EXPECT_STREQ("prog.exe", argv[0]);
  for (int i = 1; i < count; ++i)
    args.push_back(argv[i]);
  EXPECT_EQ(nullptr, argv[count]);
  ut_free(argv);
  return args;
}

struct SplitCase {
  const char *line;
  std::vector<std::string> args;
};

const SplitCase kCases[] = {
    {"", {}},
    {" \r\n ", {}},
    {"12 \"C:\\Program Files\\x\" last", {"12", "C:\\Program Files\\x", "last"}},
    {"a\tb c", {"a\tb", "c"}},
    {"\r\na\n\rb", {"a", "b"}},
    // Double quotes: escaped quotes and backslash pairs.
    {"\"a\\\"b\"", {"a\"b"}},
    {"\"a\\\\b\"", {"a\\b"}},
    {"\"a\\b\"", {"a\\b"}},
    {"\"\"", {""}},
    {"\"open to the end", {"open to the end"}},
    {"\"abc\"def", {"abc", "def"}},
    {"\"abc\"\"def\"", {"abc", "def"}},
    // Network paths keep their backslashes.
    {"\"\\\\srv\\share\"", {"\\\\srv\\share"}},
    {"\"\\\\srv\\share\\dir\" x", {"\\\\srv\\share\\dir", "x"}},
    {"\"\\\\srv\"", {"\\srv"}},
    {"\"\\\\srv\\\\share\"", {"\\srv\\share"}},
    {"\"\\\\srv\\share\\\\\"", {"\\\\srv\\share\\"}},
    {"\"\\\\\\srv\\x\"", {"\\\\srv\\x"}},
    // Verbatim arguments.
    {"@\"abc", {"@abc"}},
    {"@\"a\\b\" c", {"@a\\b", "c"}},
    {"@\"C:\\dir\\\" rest\" x", {"@C:\\dir\" rest", "x"}},
    {"@\"a\\\\b\"", {"@a\\\\b"}},
    {"@abc", {"@abc"}},
    // Plain arguments.
    {"a\"b", {"a\"b"}},
    {"a\\\"b", {"a\"b"}},
    {"a\\\\b", {"a\\\\b"}},
    {"x\"y z\"", {"x\"y", "z\""}},
};

TEST(SplitArgs, Table) {
  for (const SplitCase &c : kCases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(c.args, split(c.line));
  }
}

TEST(SplitArgs, ManyArguments) {
  std::string line;
  std::vector<std::string> expected;
  for (int i = 0; i < 300; ++i) {
    line += "arg" + std::to_string(i) + " ";
    expected.push_back("arg" + std::to_string(i));
  }
  EXPECT_EQ(expected, split(line));
}

// In code page 936 a double-byte character may end in 0x5C, the code of a
// backslash; it must not escape the quote that follows.
TEST(SplitArgs, TrailByteIsNeverABackslash) {
  ASSERT_TRUE(ut_has_lead_bytes()) << "tests run in code page 936";
  const std::string wide_char = "\x95\x5c";
  EXPECT_EQ((std::vector<std::string>{wide_char, "x"}), split("\"" + wide_char + "\" x"));
  EXPECT_EQ((std::vector<std::string>{"a" + wide_char + "\"b"}), split("a" + wide_char + "\"b"));
  EXPECT_EQ((std::vector<std::string>{"@" + wide_char, "y"}), split("@\"" + wide_char + "\" y"));
}

}  // namespace
