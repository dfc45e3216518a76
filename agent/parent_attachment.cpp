#include "parent_attachment.h"
#include <new>

namespace UTElevate {
namespace {

// Everything is released in one order, whether attached or failing half-way.
void release(HANDLE parent_process, RequestBlock *view, HANDLE section, HANDLE done_event, HANDLE request_event) {
  if (parent_process) CloseHandle(parent_process);
  if (view) UnmapViewOfFile(view);
  if (section) CloseHandle(section);
  if (done_event) CloseHandle(done_event);
  if (request_event) CloseHandle(request_event);
}

// The parent's handle values travel as their low 32 bits; Windows
// sign-extends such values on 64-bit systems.
HANDLE parent_handle(uint64_t value) {
  return reinterpret_cast<HANDLE>(static_cast<intptr_t>(static_cast<int32_t>(static_cast<uint32_t>(value))));
}

HANDLE duplicate_from(HANDLE parent_process, HANDLE parent_value) {
  HANDLE own = nullptr;
  if (!DuplicateHandle(parent_process, parent_value, GetCurrentProcess(), &own, 0, FALSE, DUPLICATE_SAME_ACCESS))
    return nullptr;
  return own;
}

uint32_t attach_error() {
  DWORD error = GetLastError();
  return error ? error : uint32_t{ELEVATE_ERR_ATTACH};
}

size_t mapped_size(const void *view) {
  MEMORY_BASIC_INFORMATION region{};
  return VirtualQuery(view, &region, sizeof(region)) ? region.RegionSize : 0;
}

}  // namespace

ParentAttachment::~ParentAttachment() { release(parent_process, view, section, done_event, request_event); }

std::unique_ptr<ParentAttachment> attach_to_parent(DWORD parent_id, uint32_t section_value, bool *usage_failure) {
  *usage_failure = true;
  HANDLE parent = OpenProcess(SYNCHRONIZE | PROCESS_DUP_HANDLE, FALSE, parent_id);
  if (!parent) return nullptr;
  HANDLE section = duplicate_from(parent, parent_handle(section_value));
  if (!section) {
    CloseHandle(parent);
    return nullptr;
  }

  // From here on the parent learns of a failure from `status` and our end.
  *usage_failure = false;
  auto *block = static_cast<RequestBlock *>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0));
  if (!block) {
    release(parent, nullptr, section, nullptr, nullptr);
    return nullptr;
  }
  uint32_t status = 0;
  HANDLE request_event = nullptr, done_event = nullptr;
  if (block->format_tag != kBlockFormatTag) {
    status = ELEVATE_ERR_BLOCK_TAG;
  } else if (block->format_level > kMaxBlockFormatLevel) {
    status = ELEVATE_ERR_BLOCK_LEVEL;
  } else if (!(request_event = duplicate_from(parent, parent_handle(block->request_event))) ||
             !(done_event = duplicate_from(parent, parent_handle(block->done_event)))) {
    status = attach_error();
  }
  if (status) {
    block->status = status;
    release(parent, block, section, done_event, request_event);
    return nullptr;
  }

  std::unique_ptr<ParentAttachment> attachment(new (std::nothrow) ParentAttachment(
      section, block, mapped_size(block), request_event, done_event, parent));
  if (!attachment) {
    block->status = attach_error();
    release(parent, block, section, done_event, request_event);
    return nullptr;
  }
  // The ready signal: attached, waiting for requests.
  block->status = 0;
  if (!SetEvent(done_event)) {
    block->status = attach_error();
    return nullptr;  // the attachment releases everything as it goes
  }
  return attachment;
}

}  // namespace UTElevate
