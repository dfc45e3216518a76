// The agent's hold on its parent: the parent process, the shared section with
// the request block, and the two events that pass the block back and forth.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <memory>
#include "request_block.h"
#include "xp_implementation.h"

namespace UTElevate {

class ParentAttachment {
 public:
  ParentAttachment(HANDLE section, RequestBlock *view, size_t view_size, HANDLE request_event, HANDLE done_event,
                   HANDLE parent_process)
      : section(section), view(view), view_size(view_size), request_event(request_event), done_event(done_event),
        parent_process(parent_process) {}
  ParentAttachment(const ParentAttachment &) = delete;
  ParentAttachment &operator=(const ParentAttachment &) = delete;
  // Releases the parent process, the view, the section, the done event and
  // the request event, in this order.
  ~ParentAttachment();

  HANDLE section;
  RequestBlock *view;
  size_t view_size;  // what the parent's offsets are checked against
  HANDLE request_event;
  HANDLE done_event;
  HANDLE parent_process;
  XPImplementation implementation;
};

// Attaches to the parent's section and events and gives the ready signal.
// Returns null on failure; *usage_failure then says whether the command
// line's values were unusable (the parent or its section handle not found).
std::unique_ptr<ParentAttachment> attach_to_parent(DWORD parent_id, uint32_t section_value, bool *usage_failure);

}  // namespace UTElevate
