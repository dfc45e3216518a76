// Carrying out the one request that the block holds.
#pragma once
#include <cstddef>
#include "implementation_base.h"
#include "request_block.h"

namespace UTElevate {

// Clears `status`, `result` and the thread's last error, checks the request
// against the view of view_size bytes and performs it, leaving the answer in
// the block. Returns true for the quit request.
bool serve_request(RequestBlock *block, size_t view_size, ImplementationBase &impl);

}  // namespace UTElevate
