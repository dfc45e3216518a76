#include "client/gateway/wf_coding_tool.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

void* CallocBytes(std::size_t bytes) { return std::calloc(bytes, 1); }

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};

// The failure message: operation tag, place, step text and, for failed system
// calls, the error code. The line numbers identify the failed step for support.
[[noreturn]] void Fail(const char* operationTag, int line, const char* stepText,
                       bool withErrorCode, DWORD errorCode = 0) {
  std::string message = operationTag;
  message += "[WFCodingTool]:[" + std::to_string(line) + "];description:";
  message += stepText;
  if (withErrorCode) message += std::to_string(errorCode) + ".";
  throw std::runtime_error(message);
}

const char kUCtoOtherTag[] = "WFCodingTool::UCtoOther; position:";
const char kOtherToUCTag[] = "WFCodingTool::OtherToUC; position:";
const char kLengthStep[] = "获取缓冲区长度失败, ErrorCode:";
const char kAllocationStep[] = "内存分配失败.";
const char kConversionStep[] = "编码转化失败, ErrorCode:";

// Releases the intermediate UTF-16 string on every path.
struct BstrHolder {
  BSTR text = nullptr;
  ~BstrHolder() { SysFreeString(text); }
};

}  // namespace

CodingSystemCalls& WFCodingTool::SystemCalls() {
  static CodingSystemCalls calls = {&::MultiByteToWideChar, &::WideCharToMultiByte,
                                    &CallocBytes};
  return calls;
}

void WFCodingTool::UCtoOther(const wchar_t* source, std::string& target) {
  const CodingSystemCalls& sys = SystemCalls();
  int needed = sys.wideCharToMultiByte(CP_UTF8, 0, source, -1, nullptr, 0, nullptr, nullptr);
  if (needed == 0) Fail(kUCtoOtherTag, 44, kLengthStep, true, GetLastError());

  // The buffer's size is handed back to the system as an int.
  std::size_t size = static_cast<std::size_t>(needed) + 1;
  std::unique_ptr<char, FreeDeleter> buffer;
  if (size <= INT_MAX) buffer.reset(static_cast<char*>(sys.allocateZeroed(size)));
  if (!buffer) Fail(kUCtoOtherTag, 56, kAllocationStep, false);

  if (sys.wideCharToMultiByte(CP_UTF8, 0, source, -1, buffer.get(), static_cast<int>(size),
                              nullptr, nullptr) == 0)
    Fail(kUCtoOtherTag, 70, kConversionStep, true, GetLastError());
  target.assign(buffer.get());
}

void WFCodingTool::OtherToUC(const std::string& source, BSTR& target) {
  const CodingSystemCalls& sys = SystemCalls();
  int needed = sys.multiByteToWideChar(CP_ACP, 0, source.c_str(), -1, nullptr, 0);
  if (needed == 0) Fail(kOtherToUCTag, 105, kLengthStep, true, GetLastError());

  // The units are counted in int; their byte size must also fit in 32 bits.
  std::uint64_t units = static_cast<std::uint64_t>(needed) + 1;
  std::uint64_t bytes = units * sizeof(wchar_t);
  std::unique_ptr<wchar_t, FreeDeleter> buffer;
  if (bytes <= UINT32_MAX && units <= INT_MAX)
    buffer.reset(static_cast<wchar_t*>(sys.allocateZeroed(static_cast<std::size_t>(bytes))));
  if (!buffer) Fail(kOtherToUCTag, 117, kAllocationStep, false);

  if (sys.multiByteToWideChar(CP_ACP, 0, source.c_str(), -1, buffer.get(),
                              static_cast<int>(units)) == 0)
    Fail(kOtherToUCTag, 132, kConversionStep, true, GetLastError());

  BSTR converted = SysAllocString(buffer.get());
  if (!converted) Fail(kOtherToUCTag, 117, kAllocationStep, false);
  target = converted;
}

void WFCodingTool::TransferCoding(const std::string& source, std::string& target) {
  BstrHolder wide;
  try {
    OtherToUC(source, wide.text);
    UCtoOther(wide.text, target);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(std::string("WFCodingTool::TransferCoding->") + e.what());
  }
}
