// The agent's life once attached: wait for a request or the parent's end,
// serve the request, signal that it is done.
#pragma once

namespace UTElevate {

class ParentAttachment;

// Returns when the quit request was served, the parent ended or the wait failed.
void run_request_loop(ParentAttachment &attachment);

}  // namespace UTElevate
