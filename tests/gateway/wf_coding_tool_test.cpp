// Code conversion: real conversions, and every failure through stand-ins for the
// system calls that fail with a chosen error code.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "client/gateway/wf_coding_tool.h"

namespace {

TEST(WFCodingTool, TransferCodingMakesUtf8) {
  struct {
    std::string ansi, utf8;
  } cases[] = {{"", ""}, {"plain ASCII <x/>", "plain ASCII <x/>"}, {"中文字符", u8"中文字符"}};
  for (const auto& c : cases) {
    std::string target = "previous";
    WFCodingTool::TransferCoding(c.ansi, target);
    EXPECT_EQ(target, c.utf8);
  }
}

TEST(WFCodingTool, OtherToUCGivesOwnedBstr) {
  BSTR wide = nullptr;
  WFCodingTool::OtherToUC("中a", wide);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(std::wstring(wide), L"\x4e2d" L"a");
  SysFreeString(wide);
}

TEST(WFCodingTool, UCtoOtherEndsAtFirstZero) {
  const wchar_t source[] = L"ab\0cd";
  std::string target;
  WFCodingTool::UCtoOther(source, target);
  EXPECT_EQ(target, "ab");
}

// Stand-ins that pass every call to the system except the chosen one, which
// fails: a conversion function with the chosen error code, or the allocation.
enum class SystemCall { kMultiByteToWideChar, kWideCharToMultiByte, kAllocate };

SystemCall g_failing;
int g_failOn = 0;  // the failing call's number among the calls of its kind
int g_count = 0;
DWORD g_error = 0;

bool FailNow(SystemCall call) { return call == g_failing && ++g_count == g_failOn; }

int WINAPI StandInMultiByteToWideChar(UINT cp, DWORD flags, LPCCH src, int n, LPWSTR dst,
                                      int size) {
  if (FailNow(SystemCall::kMultiByteToWideChar)) {
    SetLastError(g_error);
    return 0;
  }
  return MultiByteToWideChar(cp, flags, src, n, dst, size);
}

int WINAPI StandInWideCharToMultiByte(UINT cp, DWORD flags, LPCWCH src, int n, LPSTR dst,
                                      int size, LPCCH def, LPBOOL used) {
  if (FailNow(SystemCall::kWideCharToMultiByte)) {
    SetLastError(g_error);
    return 0;
  }
  return WideCharToMultiByte(cp, flags, src, n, dst, size, def, used);
}

void* StandInAllocate(std::size_t bytes) {
  return FailNow(SystemCall::kAllocate) ? nullptr : std::calloc(bytes, 1);
}

void Arm(SystemCall call, int failOn, DWORD error) {
  g_failing = call;
  g_failOn = failOn;
  g_count = 0;
  g_error = error;
}

// The message of the std::runtime_error that `call` throws, or "" if none.
template <class Call>
std::string ThrownMessage(Call call) {
  try {
    call();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return std::string();
}

struct FailureCase {
  bool inOtherToUC;  // else in UCtoOther
  SystemCall call;
  int failOn;             // called directly
  int failOnInTransfer;   // through TransferCoding, where OtherToUC runs first
  DWORD error;
  const char* message;
};

class CodingFailure : public testing::TestWithParam<FailureCase> {
 protected:
  void SetUp() override {
    saved_ = WFCodingTool::SystemCalls();
    WFCodingTool::SystemCalls() = {&StandInMultiByteToWideChar, &StandInWideCharToMultiByte,
                                   &StandInAllocate};
  }
  void TearDown() override { WFCodingTool::SystemCalls() = saved_; }

  CodingSystemCalls saved_;
};

TEST_P(CodingFailure, ExactMessageAndUnchangedTarget) {
  const FailureCase& c = GetParam();
  std::string target = "unchanged";
  BSTR wide = nullptr;
  Arm(c.call, c.failOn, c.error);
  EXPECT_EQ(ThrownMessage([&] {
              if (c.inOtherToUC)
                WFCodingTool::OtherToUC("x", wide);
              else
                WFCodingTool::UCtoOther(L"x", target);
            }),
            c.message);
  EXPECT_EQ(target, "unchanged");
  EXPECT_EQ(wide, nullptr);

  Arm(c.call, c.failOnInTransfer, c.error);
  EXPECT_EQ(ThrownMessage([&] { WFCodingTool::TransferCoding("x", target); }),
            std::string("WFCodingTool::TransferCoding->") + c.message);
  EXPECT_EQ(target, "unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    AllSix, CodingFailure,
    testing::Values(
        FailureCase{false, SystemCall::kWideCharToMultiByte, 1, 1, 87,
                    "WFCodingTool::UCtoOther; position:[WFCodingTool]:[44];description:"
                    "获取缓冲区长度失败, ErrorCode:87."},
        FailureCase{false, SystemCall::kAllocate, 1, 2, 0,
                    "WFCodingTool::UCtoOther; position:[WFCodingTool]:[56];description:"
                    "内存分配失败."},
        FailureCase{false, SystemCall::kWideCharToMultiByte, 2, 2, 1113,
                    "WFCodingTool::UCtoOther; position:[WFCodingTool]:[70];description:"
                    "编码转化失败, ErrorCode:1113."},
        FailureCase{true, SystemCall::kMultiByteToWideChar, 1, 1, 122,
                    "WFCodingTool::OtherToUC; position:[WFCodingTool]:[105];description:"
                    "获取缓冲区长度失败, ErrorCode:122."},
        FailureCase{true, SystemCall::kAllocate, 1, 1, 0,
                    "WFCodingTool::OtherToUC; position:[WFCodingTool]:[117];description:"
                    "内存分配失败."},
        FailureCase{true, SystemCall::kMultiByteToWideChar, 2, 2, 87,
                    "WFCodingTool::OtherToUC; position:[WFCodingTool]:[132];description:"
                    "编码转化失败, ErrorCode:87."}));

// A length whose buffer would not fit in 32 bits counts as memory not obtainable.
int WINAPI HugeLength(UINT, DWORD, LPCCH, int, LPWSTR, int) { return INT_MAX; }

TEST(WFCodingTool, OversizedLengthIsAnAllocationFailure) {
  CodingSystemCalls saved = WFCodingTool::SystemCalls();
  WFCodingTool::SystemCalls().multiByteToWideChar = &HugeLength;
  BSTR wide = nullptr;
  std::string message = ThrownMessage([&] { WFCodingTool::OtherToUC("x", wide); });
  WFCodingTool::SystemCalls() = saved;
  EXPECT_EQ(message, "WFCodingTool::OtherToUC; position:[WFCodingTool]:[117];description:"
                     "内存分配失败.");
}

}  // namespace
