// The request handlers in-process against a recording double: what exactly
// reaches the implementation and how its answers are stored.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>
#include <vector>
#include "elevate_parent.h"
#include "recording_implementation.h"
#include "request_dispatch.h"

using namespace elevate_parent;
using namespace UTElevate;
using ::testing::_;
using ::testing::DoAll;
using ::testing::Invoke;
using ::testing::IsNull;
using ::testing::NotNull;
using ::testing::Return;
using ::testing::StrEq;
using ::testing::StrictMock;

namespace {

constexpr uint64_t kAllOnes = ~uint64_t{0};

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    section_ = SharedSection::create();
    ASSERT_TRUE(section_);
  }
  Reply serve(uint32_t opcode, std::vector<Arg> args) {
    EXPECT_TRUE(write_request(*section_, opcode, args.data(), args.size()));
    block()->status = 0x5555;
    block()->result = 0x5555;
    serve_request(block(), section_->size(), impl_);
    read_outputs(*section_, args.data(), args.size());
    return {Outcome::Answered, block()->result, block()->status};
  }
  RequestBlock *block() { return section_->block(); }
  char *view() { return reinterpret_cast<char *>(block()); }

  std::unique_ptr<SharedSection> section_;
  StrictMock<RecordingImplementation> impl_;
};

// Handles travel as 32 bits and come back sign-extended, as Windows does.
template <class H> H handle_of(uint32_t value) {
  return reinterpret_cast<H>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}

TEST_F(DispatchTest, QuitAndOutsideOpcodesCallNothing) {
  write_request(*section_, kOpcodeQuit, nullptr, 0);
  block()->arg_count = 1000000;  // not examined
  EXPECT_TRUE(serve_request(block(), section_->size(), impl_));
  EXPECT_EQ(block()->status, 0u);
  for (uint32_t opcode : {1u, 100u, 150u}) {
    Reply reply = serve(opcode, {});
    EXPECT_EQ(reply.status, ELEVATE_ERR_UNSUPPORTED);
    EXPECT_EQ(reply.result, 0u);
  }
}

TEST_F(DispatchTest, ValuesAndStringsReachTheImplementation) {
  EXPECT_CALL(impl_, reg_open_key_ex(handle_of<HKEY>(0x80000002), StrEq("Software\\X"), 0u, KEY_READ, NotNull()))
      .WillOnce(DoAll(Invoke([](HKEY, const char *, DWORD, REGSAM, HKEY *out) {
                        *out = handle_of<HKEY>(0x1234);
                        return ERROR_SUCCESS;
                      })));
  HKEY opened = nullptr;
  // Only the low 32 bits of a handle value count.
  Reply reply = serve(113, {Arg::of(0xABCD000080000002ull), Arg::str("Software\\X"), Arg::of(0), Arg::of(KEY_READ),
                            Arg::output(&opened, sizeof(opened))});
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(opened, handle_of<HKEY>(0x1234));

  EXPECT_CALL(impl_, open_sc_manager(IsNull(), IsNull(), SC_MANAGER_CONNECT)).WillOnce(Return(nullptr));
  serve(102, {Arg::null_pointer(ARG_IN), Arg::null_pointer(ARG_IN), Arg::of(SC_MANAGER_CONNECT)});

  EXPECT_CALL(impl_, lsa_remove_account_rights(_, _, BOOLEAN{0}, _, 0u)).WillOnce(Return(0));
  serve(125, {Arg::of(1), Arg::null_pointer(ARG_IN), Arg::of(0x100), Arg::null_pointer(ARG_IN), Arg::of(0)});

  EXPECT_CALL(impl_, odbc_available()).WillOnce(Return(true));
  EXPECT_CALL(impl_, sql_set_config_mode(WORD{2})).WillOnce(Return(TRUE));
  EXPECT_EQ(serve(134, {Arg::of(0x10002)}).result, 1u);
}

TEST_F(DispatchTest, ResultForms) {
  // A handle with bit 31 set is zero-extended, also where the system holds
  // it sign-extended to 64 bits.
  EXPECT_CALL(impl_, open_sc_manager(_, _, _)).WillOnce(Return(handle_of<SC_HANDLE>(0x80001234)));
  EXPECT_EQ(serve(102, {Arg::str(nullptr), Arg::str(nullptr), Arg::of(0)}).result, 0x80001234u);
  // BOOL, LONG and int are sign-extended.
  EXPECT_CALL(impl_, close_service_handle(_)).WillOnce(Return(TRUE));
  EXPECT_EQ(serve(105, {Arg::of(1)}).result, 1u);
  EXPECT_CALL(impl_, reg_close_key(_)).WillOnce(Return(-5));
  EXPECT_EQ(serve(116, {Arg::of(1)}).result, static_cast<uint64_t>(-5));
  // 64-bit positions whole.
  EXPECT_CALL(impl_, file_seek(3, 0x123456789ll, SEEK_SET)).WillOnce(Return(0x123456789ll));
  EXPECT_EQ(serve(142, {Arg::of(3), Arg::of(0x123456789ull), Arg::of(SEEK_SET), Arg::null_pointer(ARG_OUT)}).result,
            0x123456789ull);
  // The message box stores nothing, not even the last error.
  EXPECT_CALL(impl_, message_box(StrEq("hello"))).WillOnce(Invoke([](const char *) {
    SetLastError(5);
    return IDOK;
  }));
  Reply reply = serve(101, {Arg::str("hello")});
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(reply.status, 0u);
}

TEST_F(DispatchTest, StatusIsTheLastErrorRightAfterTheCall) {
  EXPECT_CALL(impl_, delete_service(_)).WillOnce(Invoke([](SC_HANDLE) {
    SetLastError(ERROR_SERVICE_MARKED_FOR_DELETE);
    return FALSE;
  }));
  Reply reply = serve(109, {Arg::of(1)});
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(reply.status, uint32_t{ERROR_SERVICE_MARKED_FOR_DELETE});
}

TEST_F(DispatchTest, FileOperationsHandBackTheErrorNumber) {
  EXPECT_CALL(impl_, file_read(7, NotNull(), 16u)).WillOnce(Invoke([](int, void *, unsigned) {
    errno = EBADF;
    return -1;
  }));
  char buffer[16];
  int error = 0;
  Reply reply = serve(143, {Arg::of(7), Arg::output(buffer, 16), Arg::of(16), Arg::output(&error, sizeof(error))});
  EXPECT_EQ(reply.result, kAllOnes);
  EXPECT_EQ(error, EBADF);
  // Refused file requests are -1 and write no error number.
  error = 0;
  reply = serve(145, {Arg::str("7"), Arg::output(&error, sizeof(error))});
  EXPECT_EQ(reply.status, ELEVATE_ERR_ARG_TYPE);
  EXPECT_EQ(reply.result, kAllOnes);
  EXPECT_EQ(error, 0);
}

TEST_F(DispatchTest, StartServiceBuildsItsArgumentArray) {
  EXPECT_EQ(serve(108, {Arg::of(1), Arg::of(2), Arg::str("a")}).status, ELEVATE_ERR_ARG_COUNT);
  EXPECT_EQ(serve(108, {Arg::of(1), Arg::of(2), Arg::str("a"), Arg::output(nullptr, 0)}).status,
            ELEVATE_ERR_ARG_TYPE);
  EXPECT_EQ(serve(108, {Arg::of(1)}).status, ELEVATE_ERR_ARG_COUNT);
  EXPECT_EQ(serve(108, {Arg::str("x"), Arg::of(0)}).status, ELEVATE_ERR_ARG_TYPE);

  EXPECT_CALL(impl_, start_service(handle_of<SC_HANDLE>(9), 0u, NotNull())).WillOnce(Return(TRUE));
  EXPECT_EQ(serve(108, {Arg::of(9), Arg::of(0)}).result, 1u);

  std::vector<std::string> seen;
  EXPECT_CALL(impl_, start_service(_, 2u, _)).WillOnce(Invoke([&](SC_HANDLE, DWORD n, const char **args) {
    for (DWORD i = 0; i < n; ++i) seen.push_back(args[i] ? args[i] : "(null)");
    return TRUE;
  }));
  serve(108, {Arg::of(9), Arg::of(2), Arg::str("-x"), Arg::null_pointer(ARG_IN)});
  EXPECT_EQ(seen, (std::vector<std::string>{"-x", "(null)"}));
}

TEST_F(DispatchTest, ChangeServiceConfig2BuildsItsStructures) {
  EXPECT_EQ(serve(111, {Arg::of(1), Arg::of(3)}).status, ELEVATE_ERR_INFO_LEVEL);
  EXPECT_EQ(serve(111, {Arg::of(1), Arg::of(1)}).status, ELEVATE_ERR_ARG_COUNT);
  EXPECT_EQ(serve(111, {Arg::of(1), Arg::of(1), Arg::of(0)}).status, ELEVATE_ERR_ARG_TYPE);

  EXPECT_CALL(impl_, change_service_config2(_, 1u, _)).WillOnce(Invoke([](SC_HANDLE, DWORD, void *info) {
    EXPECT_STREQ(static_cast<SERVICE_DESCRIPTIONA *>(info)->lpDescription, "about");
    return TRUE;
  }));
  serve(111, {Arg::of(1), Arg::of(1), Arg::str("about")});

  // Action count 0: an array the caller passed deletes the actions (a
  // non-null pointer), no array leaves them (null).
  SC_ACTION caller_actions[1] = {};
  std::vector<SC_ACTION *> arrays;
  EXPECT_CALL(impl_, change_service_config2(_, 2u, _)).Times(3).WillRepeatedly(Invoke([&](SC_HANDLE, DWORD, void *info) {
    auto *actions = static_cast<SERVICE_FAILURE_ACTIONSA *>(info);
    EXPECT_EQ(actions->dwResetPeriod, 60u);
    EXPECT_STREQ(actions->lpCommand, "cmd");
    arrays.push_back(actions->lpsaActions);
    return TRUE;
  }));
  auto level2 = [&](uint32_t count, Arg actions) {
    return serve(111, {Arg::of(1), Arg::of(2), Arg::of(60), Arg::str("reboot"), Arg::str("cmd"), Arg::of(count), actions});
  };
  level2(0, Arg::input(caller_actions, sizeof(caller_actions)));
  level2(0, Arg::null_pointer(ARG_IN));
  level2(1, Arg::input(caller_actions, sizeof(caller_actions)));
  ASSERT_EQ(arrays.size(), 3u);
  EXPECT_EQ(arrays[0], reinterpret_cast<SC_ACTION *>(1));
  EXPECT_EQ(arrays[1], nullptr);
  EXPECT_EQ(reinterpret_cast<char *>(arrays[2]), view() + block()->args[6].area.offset);
}

TEST_F(DispatchTest, RunProgramTakesItsArgumentsAfterTheCount) {
  EXPECT_EQ(serve(149, {Arg::str("p"), Arg::of(1), Arg::of(2), Arg::str("a")}).status, ELEVATE_ERR_ARG_COUNT);
  EXPECT_EQ(serve(149, {Arg::str("p"), Arg::of(1)}).status, ELEVATE_ERR_ARG_COUNT);
  EXPECT_EQ(serve(149, {Arg::of(0), Arg::of(1), Arg::of(0)}).status, ELEVATE_ERR_ARG_TYPE);
  EXPECT_EQ(serve(149, {Arg::str("p"), Arg::of(1), Arg::of(2), Arg::of(5), Arg::str("b")}).status,
            ELEVATE_ERR_ARG_TYPE);

  EXPECT_CALL(impl_, run_program(StrEq("p"), IsNull(), 0)).WillOnce(Return(0));
  serve(149, {Arg::str("p"), Arg::of(0), Arg::of(0)});

  std::vector<std::string> seen;
  EXPECT_CALL(impl_, run_program(StrEq("p"), NotNull(), 1)).WillOnce(Invoke([&](const char *, const char *const *a, int) {
    for (; *a; ++a) seen.push_back(*a);
    return 3;
  }));
  Reply reply = serve(149, {Arg::str("p"), Arg::of(1), Arg::of(2), Arg::str("a"), Arg::str("b"), Arg::str("ignored")});
  EXPECT_EQ(reply.result, 3u);
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
}

TEST_F(DispatchTest, AccountRightsArePackedForTheCaller) {
  static wchar_t first[] = L"SeServiceLogonRight";     // 19 characters, 38 bytes
  static wchar_t second[] = L"SeBatchLogonRight";      // 17 characters, 34 bytes
  static LSA_UNICODE_STRING rights[2] = {{38, 40, first}, {34, 36, second}};
  const uint32_t needed = 8 * 2 + 38 + 34;
  auto enumerate = [](LSA_HANDLE, PSID, LSA_UNICODE_STRING **list, ULONG *count) {
    *list = rights;
    *count = 2;
    return NTSTATUS{0};
  };
  EXPECT_CALL(impl_, lsa_enumerate_account_rights(_, _, _, _)).Times(2).WillRepeatedly(Invoke(enumerate));
  EXPECT_CALL(impl_, lsa_free_memory(rights)).Times(2).WillRepeatedly(Return(0));

  std::vector<char> small(needed - 1), fits(needed);
  ULONG count = 0;
  Reply reply = serve(121, {Arg::of(1), Arg::null_pointer(ARG_IN), Arg::output(small.data(), needed - 1),
                            Arg::output(&count, sizeof(count))});
  EXPECT_EQ(reply.result, ELEVATE_ERR_BUFFER_TOO_SMALL);
  EXPECT_EQ(count, 2u);

  const uint32_t caller = 0x00C00000;
  Arg buffer = Arg::output(fits.data(), needed);
  buffer.caller_address = caller;
  reply = serve(121, {Arg::of(1), Arg::null_pointer(ARG_IN), buffer, Arg::output(&count, sizeof(count))});
  EXPECT_EQ(reply.result, 0u);
  EXPECT_EQ(reply.status, 0u);
  struct Packed {
    uint16_t length, maximum;
    uint32_t text;
  } records[2];
  std::memcpy(records, fits.data(), sizeof(records));
  EXPECT_EQ(records[0].length, 38);
  EXPECT_EQ(records[0].maximum, 38);
  EXPECT_EQ(records[0].text, caller + 16);
  EXPECT_EQ(records[1].text, caller + 16 + 38);
  EXPECT_EQ(std::memcmp(fits.data() + 16, first, 38), 0);
  EXPECT_EQ(std::memcmp(fits.data() + 16 + 38, second, 34), 0);
}

TEST_F(DispatchTest, OdbcIsAskedForOnlyAfterTheArgumentsPass) {
  EXPECT_EQ(serve(137, {Arg::of(1)}).status, ELEVATE_ERR_ARG_TYPE);
  EXPECT_CALL(impl_, odbc_available()).WillOnce(Return(false));
  Reply reply = serve(137, {Arg::str("dsn")});
  EXPECT_EQ(reply.status, ELEVATE_ERR_UNSUPPORTED);
  EXPECT_EQ(reply.result, 0u);
}

// Every way of sizing an area, each reaching one byte past the view: the
// request is refused with ERROR_NOACCESS and nothing is called.
TEST_F(DispatchTest, AreasReachingPastTheViewAreRefused) {
  const uint32_t size = static_cast<uint32_t>(section_->size());
  char *end = view() + size;
  std::memset(end - 16, 'A', 16);  // no terminator in the last bytes
  *reinterpret_cast<DWORD *>(end - 32) = 33;  // a size passed in, one byte too many
  end[-12] = 1;                               // a SID revision,
  end[-11] = 2;                               // two sub-authorities: 16 bytes, 12 present
  struct Case {
    const char *what;
    uint32_t opcode;
    std::vector<Arg> args;
    uint64_t result;
  } cases[] = {
      {"fixed", 106, {Arg::of(1), Arg::at(ARG_OUT, size - sizeof(SERVICE_STATUS) + 1)}, 0},
      {"string", 131, {Arg::at(ARG_IN, size - 16)}, 0},
      {"string list", 138,
       {Arg::of(1), Arg::of(0), Arg::of(0), Arg::of(0), Arg::str("p"), Arg::str("g"), Arg::null_pointer(ARG_OUT),
        Arg::at(ARG_IN, size - 16), Arg::str("a"), Arg::str("pw"), Arg::str("d")},
       0},
      {"sized by a value", 143, {Arg::of(1), Arg::at(ARG_OUT, size - 8), Arg::of(9), Arg::null_pointer(ARG_OUT)}, kAllOnes},
      {"sized in an area", 114,
       {Arg::of(1), Arg::str("v"), Arg::null_pointer(ARG_INOUT), Arg::null_pointer(ARG_OUT), Arg::at(ARG_OUT, size - 32),
        Arg::at(ARG_INOUT, size - 32, 4)},
       0},
      {"sid", 124, {Arg::of(1), Arg::at(ARG_IN, size - 12), Arg::null_pointer(ARG_IN), Arg::of(0)}, 0},
      {"array", 124,
       {Arg::of(1), Arg::null_pointer(ARG_IN), Arg::at(ARG_IN, size - sizeof(LSA_UNICODE_STRING)), Arg::of(2)}, 0},
      {"capacity", 121, {Arg::of(1), Arg::null_pointer(ARG_IN), Arg::at(ARG_OUT, size - 8, 9), Arg::null_pointer(ARG_OUT)}, 0},
      {"offset far out", 119, {Arg::of(1), Arg::at(ARG_IN, 0xFFFFFFFF)}, 0},
      {"start argument", 108, {Arg::of(1), Arg::of(1), Arg::at(ARG_IN, size - 16)}, 0},
      {"program argument", 149, {Arg::str("p"), Arg::of(0), Arg::of(1), Arg::at(ARG_IN, size - 16)}, 0},
  };
  for (const Case &c : cases) {
    Reply reply = serve(c.opcode, c.args);
    EXPECT_EQ(reply.status, uint32_t{ERROR_NOACCESS}) << c.what;
    EXPECT_EQ(reply.result, c.result) << c.what;
  }
}

TEST_F(DispatchTest, AreasEndingAtTheViewsEndAreServed) {
  const uint32_t size = static_cast<uint32_t>(section_->size());
  view()[size - 1] = '\0';
  EXPECT_CALL(impl_, query_service_status(_, reinterpret_cast<SERVICE_STATUS *>(view() + size - sizeof(SERVICE_STATUS))))
      .WillOnce(Return(TRUE));
  EXPECT_EQ(serve(106, {Arg::of(1), Arg::at(ARG_OUT, size - sizeof(SERVICE_STATUS))}).status, 0u);
  EXPECT_CALL(impl_, set_current_directory(view() + size - 1)).WillOnce(Return(TRUE));
  EXPECT_EQ(serve(131, {Arg::at(ARG_IN, size - 1)}).status, 0u);
}

}  // namespace
