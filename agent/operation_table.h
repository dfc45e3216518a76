// The table of the 49 operations: for each opcode the arguments it takes, how
// its result is stored, whether `status` takes the thread's last error, and the
// short handler that unpacks the arguments and calls the implementation.
#pragma once
#include <cerrno>
#include <cstdint>
#include <type_traits>
#include "implementation_base.h"
#include "request_args.h"

namespace UTElevate {

// How a handler's raw result goes into `result`.
enum class ResultForm : uint8_t {
  Nothing,  // `result` stays 0
  Int32,    // BOOL, int, LONG, NTSTATUS: sign-extended
  Handle,   // zero-extended
  Int64,    // stored whole
};

// What one handler gets: the arguments, the implementation, and a way to
// refuse the request with a code of the agent's own.
struct OperationCall {
  RequestArgs &args;
  ImplementationBase &impl;
  uint32_t refused = 0;

  uint64_t refuse(uint32_t status) {
    refused = status;
    return 0;
  }
  // The raw bits of a callee's result; ResultForm decides what is kept.
  template <class T> static uint64_t bits(T value) {
    if constexpr (std::is_pointer_v<T>)
      return reinterpret_cast<uintptr_t>(value);
    else
      return static_cast<uint64_t>(static_cast<int64_t>(value));
  }
  // File operations hand back the runtime's error number in their last area.
  template <class T> uint64_t with_errno(T value, uint32_t errno_arg) {
    int error = errno;
    if (int *area = args.data<int>(errno_arg)) *area = error;
    return bits(value);
  }
};

constexpr uint8_t kVariableArgs = 0xFF;  // the handler checks its own arguments
constexpr uint8_t kArgsNotExamined = 0xFE;
constexpr uint32_t kMaxArgs = 13;

struct Operation {
  uint32_t opcode;
  ResultForm result;
  bool status_from_last_error;
  uint64_t failure_result;  // `result` when the arguments are refused
  uint8_t arg_count;
  ArgRule args[kMaxArgs];
  uint64_t (*run)(OperationCall &call);
};

// The operation of an opcode, or null for one outside the table.
const Operation *find_operation(uint32_t opcode);

}  // namespace UTElevate
