// The real agent process serving requests through a real section and events.
#include <gtest/gtest.h>
#include <cstring>
#include "agent_test_support.h"

using namespace elevate_parent;
using namespace UTElevate;

namespace {

constexpr uint64_t kAllOnes = ~uint64_t{0};

class ServingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Reply failure;
    agent_ = Agent::start({agent_test::agent_exe()}, &failure);
    ASSERT_TRUE(agent_) << "outcome " << static_cast<int>(failure.outcome) << " status " << failure.status;
  }
  RequestBlock *block() { return agent_->section().block(); }
  std::unique_ptr<Agent> agent_;
};

bool signalled_again(HANDLE event) { return WaitForSingleObject(event, 200) == WAIT_OBJECT_0; }

TEST_F(ServingTest, ReadySignalComesOnceWithStatusZero) {
  EXPECT_EQ(block()->status, 0u);
  EXPECT_FALSE(signalled_again(agent_->section().done_event()));
}

TEST_F(ServingTest, OpcodesOutsideTheTableAreUnsupportedAndServingGoesOn) {
  for (uint32_t opcode : {1u, 100u, 150u, 0xFFFFFFFFu}) {
    Reply reply = agent_->call(opcode, {Arg::of(1)});
    ASSERT_EQ(reply.outcome, Outcome::Answered) << opcode;
    EXPECT_EQ(reply.status, ELEVATE_ERR_UNSUPPORTED) << opcode;
    EXPECT_EQ(reply.result, 0u) << opcode;
  }
  EXPECT_EQ(agent_->call(kOpcodeLsaFreeMemory).result, ELEVATE_ERR_UNSUPPORTED);
}

TEST_F(ServingTest, CountAndKindErrorsCallNothing) {
  struct Case {
    uint32_t opcode;
    std::vector<Arg> args;
    uint32_t status;
    uint64_t result;
  } cases[] = {
      {105, {Arg::of(0), Arg::of(0)}, ELEVATE_ERR_ARG_COUNT, 0},
      {105, {Arg::str("handle")}, ELEVATE_ERR_ARG_TYPE, 0},
      {143, {Arg::of(0), Arg::of(0), Arg::of(0)}, ELEVATE_ERR_ARG_COUNT, kAllOnes},
      {145, {Arg::of(0), Arg::of(0)}, ELEVATE_ERR_ARG_TYPE, kAllOnes},
      {108, {Arg::of(0), Arg::of(2), Arg::str("a")}, ELEVATE_ERR_ARG_COUNT, 0},
      {111, {Arg::of(0), Arg::of(3)}, ELEVATE_ERR_INFO_LEVEL, 0},
      {149, {Arg::str("cmd"), Arg::of(1), Arg::of(2), Arg::str("a")}, ELEVATE_ERR_ARG_COUNT, 0},
  };
  for (const Case &c : cases) {
    Reply reply = agent_->call(c.opcode, c.args.data(), c.args.size());
    ASSERT_EQ(reply.outcome, Outcome::Answered);
    EXPECT_EQ(reply.status, c.status) << c.opcode;
    EXPECT_EQ(reply.result, c.result) << c.opcode;
  }
}

TEST_F(ServingTest, FreeMemoryIsAnsweredWithoutLookingAtTheArguments) {
  Reply reply = agent_->call(kOpcodeLsaFreeMemory, {Arg::str("x"), Arg::at(ARG_OUT, 0x7FFFFFF0, 64)});
  EXPECT_EQ(reply.result, ELEVATE_ERR_UNSUPPORTED);
  EXPECT_EQ(reply.status, 0u);
}

TEST_F(ServingTest, ResultForms) {
  // A BOOL success is 1.
  Reply reply = agent_->call(131, {Arg::str("C:\\windows")});
  EXPECT_EQ(reply.result, 1u);
  EXPECT_EQ(reply.status, 0u);
  // An int -1 fills all 64 bits, and the runtime's error number comes back.
  int error = 0;
  char buffer[16];
  reply = agent_->call(143, {Arg::of(9999), Arg::output(buffer, sizeof(buffer)), Arg::of(sizeof(buffer)),
                             Arg::output(&error, sizeof(error))});
  EXPECT_EQ(reply.result, kAllOnes);
  EXPECT_EQ(error, EBADF);
  // A LONG error code is the registry's answer.
  HKEY opened = nullptr;
  reply = agent_->call(113, {Arg::handle(HKEY_LOCAL_MACHINE), Arg::str("Software\\No such key 4711"), Arg::of(0),
                             Arg::of(KEY_READ), Arg::output(&opened, sizeof(opened))});
  EXPECT_EQ(reply.result, uint64_t{ERROR_FILE_NOT_FOUND});
}

TEST_F(ServingTest, RegistryHandlesTravelAsNumbers) {
  HKEY opened = nullptr;
  Reply reply = agent_->call(113, {Arg::handle(HKEY_LOCAL_MACHINE), Arg::str("Software\\Microsoft"), Arg::of(0),
                                   Arg::of(KEY_READ), Arg::output(&opened, sizeof(opened))});
  ASSERT_EQ(reply.result, 0u);
  char name[256] = "";
  reply = agent_->call(115, {Arg::handle(opened), Arg::of(0), Arg::output(name, sizeof(name)), Arg::of(sizeof(name))});
  EXPECT_EQ(reply.result, 0u);
  EXPECT_STRNE(name, "");
  EXPECT_EQ(agent_->call(116, {Arg::handle(opened)}).result, 0u);
  EXPECT_EQ(agent_->call(116, {Arg::handle(opened)}).result, uint64_t{ERROR_INVALID_HANDLE});
}

TEST_F(ServingTest, MessageBoxShowsTheTextUnderTheAgentsCaption) {
  const char text[] = "提权代理：请确认";  // code page 936 on the way to the box
  const Arg arg = Arg::str(text);
  ASSERT_TRUE(write_request(agent_->section(), 101, &arg, 1));
  SetEvent(agent_->section().request_event());
  HWND box = nullptr;
  for (int i = 0; i < 200 && !box; ++i) {
    Sleep(50);
    box = FindWindowA(nullptr, "VornElevate");
  }
  ASSERT_TRUE(box);
  char shown[64] = "";
  GetDlgItemTextA(box, 0xFFFF, shown, sizeof(shown));  // a message box's text control
  EXPECT_STREQ(shown, text);
  EXPECT_TRUE(GetDlgItem(box, IDOK));
  EXPECT_FALSE(GetDlgItem(box, IDCANCEL));
  Sleep(300);  // let it paint before the picture is taken
  EXPECT_NE(agent_test::save_window_image(box, "agent_message_box.bmp"), "");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(wait_for_done(agent_->section().done_event(), agent_->process(), 30000), Outcome::Answered);
  EXPECT_EQ(block()->result, 0u);
  EXPECT_EQ(block()->status, 0u);
}

TEST_F(ServingTest, OdbcInstallerIsLoadedOnFirstUse) {
  EXPECT_EQ(agent_->call(134, {Arg::of(0x10002)}).result, 1u);  // only the low 16 bits count
  WORD mode = 0;
  Reply reply = agent_->call(133, {Arg::output(&mode, sizeof(mode))});
  EXPECT_EQ(reply.result, 1u);
  EXPECT_EQ(reply.status, 0u);
  EXPECT_EQ(mode, 2);
}

TEST_F(ServingTest, EachRequestStartsFromZeroStatusAndResult) {
  EXPECT_EQ(agent_->call(kOpcodeLsaFreeMemory).result, ELEVATE_ERR_UNSUPPORTED);
  Reply reply = agent_->call(150);
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(reply.status, ELEVATE_ERR_UNSUPPORTED);
  reply = agent_->call(131, {Arg::str("C:\\no such directory 4711")});
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(reply.status, uint32_t{ERROR_FILE_NOT_FOUND});
  reply = agent_->call(kOpcodeLsaFreeMemory);
  EXPECT_EQ(reply.status, 0u);
}

TEST_F(ServingTest, AreasOutsideTheViewAreRefusedAndServingGoesOn) {
  const uint32_t size = static_cast<uint32_t>(agent_->section().size());
  // The last bytes of the view without a terminator.
  std::memset(reinterpret_cast<char *>(block()) + size - 8, 'A', 8);
  struct Case {
    uint32_t opcode;
    std::vector<Arg> args;
    uint64_t result;
  } cases[] = {
      {131, {Arg::at(ARG_IN, 0x7FFFFFF0)}, 0},
      {131, {Arg::at(ARG_IN, size - 8)}, 0},
      {143, {Arg::of(0), Arg::at(ARG_OUT, size - 16), Arg::of(4096), Arg::null_pointer(ARG_OUT)}, kAllOnes},
      {106, {Arg::of(0), Arg::at(ARG_OUT, size - 4)}, 0},
      {108, {Arg::of(0), Arg::of(1), Arg::at(ARG_IN, size)}, 0},
  };
  for (const Case &c : cases) {
    Reply reply = agent_->call(c.opcode, c.args.data(), c.args.size());
    ASSERT_EQ(reply.outcome, Outcome::Answered) << c.opcode;
    EXPECT_EQ(reply.status, uint32_t{ERROR_NOACCESS}) << c.opcode;
    EXPECT_EQ(reply.result, c.result) << c.opcode;
  }
  // The agent's own view reaches to the section's last byte.
  const char last[] = "C:\\windows";
  std::memcpy(reinterpret_cast<char *>(block()) + size - sizeof(last), last, sizeof(last));
  Reply reply = agent_->call(131, {Arg::at(ARG_IN, size - sizeof(last))});
  EXPECT_EQ(reply.status, 0u);
  EXPECT_EQ(reply.result, 1u);
}

TEST_F(ServingTest, DescriptorsOutsideTheViewAreRefused) {
  // A start request whose argument count runs far past the section.
  const Arg head[] = {Arg::of(0), Arg::of(0xFFFFFE)};
  ASSERT_TRUE(write_request(agent_->section(), 108, head, 2));
  block()->arg_count = 0x1000000;
  SetEvent(agent_->section().request_event());
  ASSERT_EQ(wait_for_done(agent_->section().done_event(), agent_->process(), 30000), Outcome::Answered);
  EXPECT_EQ(block()->status, uint32_t{ERROR_NOACCESS});
  EXPECT_EQ(block()->result, 0u);
}

TEST_F(ServingTest, QuitAnswersOnceAndEndsWithExitCodeZero) {
  block()->status = 77;
  block()->result = 77;
  Reply reply = agent_->call(kOpcodeQuit, {Arg::of(1), Arg::of(2), Arg::of(3)});
  ASSERT_EQ(reply.outcome, Outcome::Answered);
  EXPECT_EQ(reply.status, 0u);
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(agent_->wait_exit(), 0u);
  EXPECT_FALSE(signalled_again(agent_->section().done_event()));
}

// The agent's parent is a separate process the test can end.
class ParentEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    section_ = SharedSection::create(kDefaultSectionSize, true);
    ASSERT_TRUE(section_);
    parent_ = std::make_unique<agent_test::IdleParent>();
    ASSERT_TRUE(launch_agent(agent_test::agent_exe(), agent_arguments(parent_->id(), section_->section()), nullptr,
                             &agent_));
    ASSERT_EQ(wait_for_done(section_->done_event(), agent_.hProcess, 30000), Outcome::Answered);
  }
  void TearDown() override {
    if (agent_.hProcess && WaitForSingleObject(agent_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(agent_.hProcess, 9);
    CloseHandle(agent_.hThread);
    CloseHandle(agent_.hProcess);
  }
  DWORD agent_exit_code() {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(agent_.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(agent_.hProcess, &code);
    return code;
  }
  std::unique_ptr<SharedSection> section_;
  std::unique_ptr<agent_test::IdleParent> parent_;
  PROCESS_INFORMATION agent_{};
};

TEST_F(ParentEndTest, EndingTheParentEndsTheAgentWithoutDoneSignal) {
  parent_->end();
  EXPECT_EQ(agent_exit_code(), 0u);
  EXPECT_FALSE(signalled_again(section_->done_event()));
}

TEST_F(ParentEndTest, RequestPostedBeforeTheParentEndedIsStillServed) {
  // With the agent held, both the request and the parent's end are there
  // when it next waits.
  ASSERT_NE(SuspendThread(agent_.hThread), static_cast<DWORD>(-1));
  ASSERT_TRUE(write_request(*section_, kOpcodeLsaFreeMemory, nullptr, 0));
  SetEvent(section_->request_event());
  parent_->end();
  ResumeThread(agent_.hThread);
  EXPECT_EQ(agent_exit_code(), 0u);
  EXPECT_TRUE(signalled_again(section_->done_event()));
  EXPECT_EQ(section_->block()->result, ELEVATE_ERR_UNSUPPORTED);
}

}  // namespace
