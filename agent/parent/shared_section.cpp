#include "elevate_parent.h"
#include "low_memory.h"

namespace elevate_parent {

std::unique_ptr<SharedSection> SharedSection::create(size_t size, bool inheritable) {
  SECURITY_ATTRIBUTES security{sizeof(security), nullptr, inheritable};
  std::unique_ptr<SharedSection> shared(new SharedSection);
  shared->section_ = CreateFileMappingA(INVALID_HANDLE_VALUE, &security, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(size), nullptr);
  // The agent never resets either event: both must reset themselves.
  shared->request_event_ = CreateEventA(&security, FALSE, FALSE, nullptr);
  shared->done_event_ = CreateEventA(&security, FALSE, FALSE, nullptr);
  if (!shared->section_ || !shared->request_event_ || !shared->done_event_) return nullptr;
  shared->block_ = static_cast<RequestBlock *>(map_view_low(shared->section_, size));
  if (!shared->block_) return nullptr;
  shared->size_ = size;

  RequestBlock *block = shared->block_;
  block->format_level = 0;
  block->format_tag = UTElevate::kBlockFormatTag;
  block->request_event = reinterpret_cast<uintptr_t>(shared->request_event_);
  block->done_event = reinterpret_cast<uintptr_t>(shared->done_event_);
  block->parent_base = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block));
  return shared;
}

SharedSection::~SharedSection() {
  if (block_) UnmapViewOfFile(block_);
  for (HANDLE handle : {section_, request_event_, done_event_})
    if (handle) CloseHandle(handle);
}

}  // namespace elevate_parent
