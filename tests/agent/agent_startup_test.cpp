// Starting the real agent with good and bad command lines and blocks.
#include <gtest/gtest.h>
#include <cstdio>
#include "agent_test_support.h"

using namespace elevate_parent;
using namespace UTElevate;

namespace {

std::string format(const char *pattern, uint64_t value) {
  char text[64];
  std::snprintf(text, sizeof(text), pattern, static_cast<unsigned long long>(value));
  return text;
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    section_ = SharedSection::create();
    ASSERT_TRUE(section_);
    pid_ = GetCurrentProcessId();
    handle_ = reinterpret_cast<uintptr_t>(section_->section());
  }
  std::string decimal(uint64_t value) { return format("%llu", value); }
  std::unique_ptr<SharedSection> section_;
  uint64_t pid_ = 0;
  uint64_t handle_ = 0;
};

TEST_F(StartupTest, UnusableCommandLinesEndWithDoneOnStandardError) {
  const std::string section = decimal(handle_), pid = decimal(pid_);
  const std::string cases[] = {
      "",
      pid,
      pid + " " + section + " 1",
      "08 " + section,                // 8 is no octal digit
      "0x " + section,                // reads as process id 0, which cannot be opened
      pid + " " + section + "\t",     // a tab does not separate, so it stays in the token
      "-" + pid + " " + section,      // no sign
      pid + " 0x",                    // handle 0 is no handle of the parent
      pid + " 99999999999999999999",  // beyond 64 bits
      "4294967296 " + section,        // beyond 32 bits
  };
  for (const std::string &arguments : cases) {
    agent_test::Run run = agent_test::run_agent(arguments, *section_);
    EXPECT_EQ(run.exit_code, 1u) << "[" << arguments << "]";
    EXPECT_EQ(run.std_error, "done\n") << "[" << arguments << "]";
    EXPECT_FALSE(run.done_signalled) << "[" << arguments << "]";
    EXPECT_EQ(section_->block()->status, 0u) << "[" << arguments << "]";
  }
}

TEST_F(StartupTest, NumberFormsThatAttach) {
  const std::string cases[] = {
      decimal(pid_) + " " + decimal(handle_),
      format("0x%llX", pid_) + " " + format("0x%llx", handle_),
      format("0%llo", pid_) + " " + format("0%llo", handle_),
      "\"" + decimal(pid_) + "\" \"" + decimal(handle_) + "\"",
      decimal(pid_) + "  " + decimal(handle_ | 0xABCD00000000ull),  // only the low 32 bits name the handle
      "\r\n" + decimal(pid_) + "\n" + decimal(handle_) + "\r",
  };
  for (const std::string &arguments : cases) {
    section_->block()->status = 77;
    PROCESS_INFORMATION agent{};
    agent_test::ErrorPipe pipe;
    ASSERT_TRUE(launch_agent(agent_test::agent_exe(), arguments, pipe.child_end(), &agent));
    EXPECT_EQ(wait_for_done(section_->done_event(), agent.hProcess, 30000), Outcome::Answered) << arguments;
    EXPECT_EQ(section_->block()->status, 0u) << arguments;
    // Opcode 0 ends it.
    ASSERT_TRUE(write_request(*section_, kOpcodeQuit, nullptr, 0));
    SetEvent(section_->request_event());
    EXPECT_EQ(wait_for_done(section_->done_event(), agent.hProcess, 30000), Outcome::Answered) << arguments;
    WaitForSingleObject(agent.hProcess, 30000);
    DWORD code = 0;
    GetExitCodeProcess(agent.hProcess, &code);
    EXPECT_EQ(code, 0u) << arguments;
    EXPECT_EQ(pipe.read_all(), "") << arguments;
    CloseHandle(agent.hThread);
    CloseHandle(agent.hProcess);
  }
}

TEST_F(StartupTest, BadBlocksLeaveTheirCodeAndNoDoneSignal) {
  struct Case {
    uint32_t format_level, format_tag;
    uint64_t request_event;
    uint32_t status;
  } cases[] = {
      {0, 8, 0, ELEVATE_ERR_BLOCK_TAG},
      {2, 4, 0, ELEVATE_ERR_BLOCK_LEVEL},
      {0xFFFFFFFF, 4, 0, ELEVATE_ERR_BLOCK_LEVEL},
      {1, 4, 0x7FFFFFF0, ERROR_INVALID_HANDLE},  // the request event is no handle of the parent
  };
  const std::string arguments = decimal(pid_) + " " + decimal(handle_);
  for (const Case &c : cases) {
    RequestBlock *block = section_->block();
    const uint64_t request_event = block->request_event;
    block->format_level = c.format_level;
    block->format_tag = c.format_tag;
    if (c.request_event) block->request_event = c.request_event;
    agent_test::Run run = agent_test::run_agent(arguments, *section_);
    EXPECT_EQ(run.exit_code, 1u) << c.status;
    EXPECT_EQ(run.std_error, "") << c.status;
    EXPECT_FALSE(run.done_signalled) << c.status;
    EXPECT_EQ(block->status, c.status);
    block->format_level = 0;
    block->format_tag = kBlockFormatTag;
    block->request_event = request_event;
    block->status = 0;
  }
}

}  // namespace
