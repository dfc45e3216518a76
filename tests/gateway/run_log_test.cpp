// The run log: line format, cutting of long lines, and whole lines from several
// processes writing at once.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "client/app/run_log.h"
#include "test_files.h"
#include "tests/support/child_process.h"

namespace {

void WINAPI FixedClock(LPSYSTEMTIME t) {
  *t = SYSTEMTIME{};
  t->wYear = 2011;
  t->wMonth = 3;
  t->wDay = 2;
  t->wHour = 9;
  t->wMinute = 5;
  t->wSecond = 3;
  t->wMilliseconds = 7;
}

std::string Prefix() {
  return "ERROR[" + std::to_string(GetCurrentProcessId()) + "][2011-03-02 09:05:03.007]:";
}

TEST(RunLog, LineFormatAppendsWithCrLf) {
  ScratchFolder folder;
  std::string path = folder.File("ZELRegister.log");
  {
    RunLog log(path.c_str(), &FixedClock);
    log.Log("注册时异常， 错误代码＝%d, 错误信息＝%s", -1, "timeout");
  }
  RunLog(path.c_str(), &FixedClock).Log("%s", "second");
  EXPECT_EQ(ReadWholeFile(path), Prefix() + "注册时异常， 错误代码＝-1, 错误信息＝timeout\r\n" +
                                     Prefix() + "second\r\n");
}

TEST(RunLog, LongLineIsCutAndLosesItsLineFeed) {
  ScratchFolder folder;
  std::string path = folder.File("long.log");
  RunLog(path.c_str(), &FixedClock).Log("%s", std::string(3000, 'x').c_str());
  std::string expected = Prefix();
  expected += std::string(2047 - expected.size(), 'x');
  EXPECT_EQ(ReadWholeFile(path), expected);
}

TEST(RunLog, UnwritablePathIsReportedOnlyOnStandardError) {
  ScratchFolder folder;
  std::string path = folder.File("no-such-folder\\x.log");
  RunLog(path.c_str(), &FixedClock).Log("lost");
  EXPECT_EQ(ReadWholeFile(path), "");
}

TEST(RunLog, ConcurrentProcessesWriteWholeLines) {
  ScratchFolder folder;
  std::string path = folder.File("shared.log");
  const char* tags[] = {"a", "b", "c", "d"};
  const int kLines = 150, kLength = 1500;  // longer than one write chunk of the C runtime
  std::vector<std::unique_ptr<ChildProcess>> writers;
  for (const char* tag : tags) {
    writers.emplace_back(new ChildProcess(
        RUN_LOG_WRITER_EXE, Quoted(path) + " " + tag + " " + std::to_string(kLines) + " " +
                                std::to_string(kLength)));
    ASSERT_TRUE(writers.back()->started());
  }
  for (auto& w : writers) ASSERT_EQ(w->Wait(120000), 0);

  std::istringstream lines(ReadWholeFile(path));
  std::string line;
  int count = 0;
  const std::regex whole(
      "ERROR\\[\\d+\\]\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\]:"
      "([a-d]) \\d+ ([a-d]{1500})\r");
  while (std::getline(lines, line)) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, whole)) << "line " << count << ": " << line.substr(0, 80);
    EXPECT_EQ(m[2].str(), std::string(kLength, m[1].str()[0]));
    ++count;
  }
  EXPECT_EQ(count, 4 * kLines);
}

}  // namespace
