#include "request_loop.h"
#include "parent_attachment.h"
#include "request_dispatch.h"

namespace UTElevate {

void run_request_loop(ParentAttachment &attachment) {
  // The request event comes first, so that a request the parent posted just
  // before it ended still wins over the parent's end.
  HANDLE waits[2] = {attachment.request_event, attachment.parent_process};
  bool quit = false;
  while (!quit) {
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) return;
    quit = serve_request(attachment.view, attachment.view_size, attachment.implementation);
    SetEvent(attachment.done_event);  // a parent that misses it has its own time limit
  }
}

}  // namespace UTElevate
