// The fatal-error and assertion paths end the process, so each case runs in a
// child process (this program started again with --child=<case>). The parent
// finds the child's message box by its caption, reads its text, answers it as
// a user would, and checks the child's exit code and standard output.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstring>
#include <string>

#include "utils/ut_fatal.h"
#include "tests/support/child_process.h"
#include "utils/ut_memory.h"

namespace {

int run_child_case(const std::string &name) {
  if (name == "fatal-text")
    ut_fatal_error("Disk on fire");
  if (name == "fatal-null")
    ut_fatal_error(nullptr);
  if (name == "alloc-huge")
    ut_alloc(SIZE_MAX / 2);
  if (name == "realloc-huge")
    ut_realloc(ut_alloc(16), SIZE_MAX / 2);
  if (name == "assert-empty")
    ut_assert_failed("", "utils\\etc\\icu_collation", 293);
  if (name == "assert-null")
    ut_assert_failed(nullptr, "a.cpp", 1);
  if (name == "assert-format")
    ut_assert_failed("Bad %s #%d", "file.cpp", 7, "thing", 3);
  if (name == "assert-long")
    ut_assert_failed("%s", "x.cpp", 12, std::string(400, 'm').c_str());
  return 99;
}

struct ChildResult {
  std::string box_text;  // empty when no box appeared
  long exit_code = -1;
  std::string output;
};

BOOL CALLBACK collect_static_text(HWND child, LPARAM param) {
  char cls[32], text[512];
  GetClassNameA(child, cls, sizeof cls);
  if (_stricmp(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
    *reinterpret_cast<std::string *>(param) += text;
  return TRUE;
}

// Starts the child, answers its box with OK, and collects what it left.
ChildResult run_child(const std::string &name, const char *caption) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  ChildProcess child(self, "--child=" + name);
  ChildResult result;
  if (!child.started()) {
    ADD_FAILURE() << "cannot start child: " << GetLastError();
    return result;
  }
  for (int tries = 0; tries < 300; ++tries) {
    HWND box = FindWindowA("#32770", caption);
    if (box) {
      EnumChildWindows(box, collect_static_text, reinterpret_cast<LPARAM>(&result.box_text));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      break;
    }
    if (child.Wait(50) != -1)
      break;
  }
  result.exit_code = child.Wait(20000);
  EXPECT_NE(-1, result.exit_code) << "child did not end";
  result.output = child.ReadAll();
  return result;
}

struct FatalCase {
  const char *child;
  const char *box_text;
  const char *output;
};

const FatalCase kFatalCases[] = {
    {"fatal-text", "Disk on fire", "Disk on fire\r\n"},
    {"fatal-null", "Unknown error", ""},
    {"alloc-huge", "Out of memory", "Out of memory\r\n"},
    {"realloc-huge", "Out of memory", "Out of memory\r\n"},
};

TEST(FatalError, ShowsEchoesAndExitsWithOne) {
  for (const FatalCase &c : kFatalCases) {
    SCOPED_TRACE(c.child);
    ChildResult r = run_child(c.child, "SQLPelagos Fatal Error");
    EXPECT_EQ(c.box_text, r.box_text);
    EXPECT_EQ(c.output, r.output);
    EXPECT_EQ(1, r.exit_code);
  }
}

struct AssertCase {
  const char *child;
  std::string box_text;
};

const AssertCase kAssertCases[] = {
    {"assert-empty", "File 'utils\\etc\\icu_collation' at line #293\r\nAborting execution..."},
    {"assert-null", "File 'a.cpp' at line #1\r\nAborting execution..."},
    {"assert-format", "Bad thing #3\r\nFile 'file.cpp' at line #7\r\nAborting execution..."},
    // A message too long for the 256-byte report is cut; the location (47
    // characters here) stays whole.
    {"assert-long", std::string(255 - 2 - 47, 'm') + "\r\nFile 'x.cpp' at line #12\r\nAborting execution..."},
};

TEST(AssertionFailure, ReportsThroughBoxAndAborts) {
  for (const AssertCase &c : kAssertCases) {
    SCOPED_TRACE(c.child);
    ChildResult r = run_child(c.child, "Assertion Failure");
    // Message boxes show "\r\n" as line breaks; compare the text as set.
    EXPECT_EQ(c.box_text, r.box_text);
    EXPECT_EQ(3, r.exit_code) << "abort() ends the process with code 3";
    EXPECT_EQ("", r.output);
  }
}

}  // namespace

int main(int argc, char **argv) {
  for (int i = 1; i < argc; ++i)
    if (strncmp(argv[i], "--child=", 8) == 0)
      return run_child_case(argv[i] + 8);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
