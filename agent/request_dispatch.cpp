#include "request_dispatch.h"
#include "operation_table.h"

namespace UTElevate {
namespace {

uint64_t stored_result(ResultForm form, uint64_t raw) {
  switch (form) {
    case ResultForm::Nothing:
      return 0;
    case ResultForm::Int32:
      return static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(raw)));
    case ResultForm::Handle:  // the parent knows handles by their low 32 bits
      return static_cast<uint32_t>(raw);
    case ResultForm::Int64:
      return raw;
  }
  return 0;
}

}  // namespace

bool serve_request(RequestBlock *block, size_t view_size, ImplementationBase &impl) {
  block->status = 0;
  SetLastError(0);
  block->result = 0;

  uint32_t opcode = block->opcode;
  if (opcode == kOpcodeQuit) return true;
  const Operation *op = find_operation(opcode);
  if (!op) {
    block->status = ELEVATE_ERR_UNSUPPORTED;
    return false;
  }

  RequestArgs args(block, view_size);
  OperationCall call{args, impl};
  if (op->arg_count != kVariableArgs && op->arg_count != kArgsNotExamined)
    call.refused = args.check(op->args, op->arg_count);
  uint64_t raw = call.refused ? 0 : op->run(call);
  DWORD error = GetLastError();
  if (call.refused) {
    // Nothing was called, or the handler refused before calling.
    block->status = call.refused;
    block->result = op->failure_result;
    return false;
  }
  block->result = stored_result(op->result, raw);
  if (op->status_from_last_error) block->status = error;
  return false;
}

}  // namespace UTElevate
