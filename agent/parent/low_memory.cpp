#include "low_memory.h"
#include <cstdint>

namespace elevate_parent {
namespace {

// Tries each free region below 4 GB, at the allocation granularity, until
// `place` succeeds there. A 32-bit process has nothing else.
template <class Place> void *place_low(size_t size, Place place) {
  if constexpr (sizeof(void *) == 4) {
    return place(nullptr);
  } else {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const uint64_t granularity = system.dwAllocationGranularity;
    const uint64_t limit = uint64_t{1} << 32;
    uint64_t address = 0x10000000;  // above the program and its early heaps
    MEMORY_BASIC_INFORMATION region;
    while (address + size <= limit && VirtualQuery(reinterpret_cast<void *>(address), &region, sizeof(region))) {
      uint64_t start = (reinterpret_cast<uintptr_t>(region.BaseAddress) + granularity - 1) & ~(granularity - 1);
      uint64_t end = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
      if (region.State == MEM_FREE && start + size <= end && start + size <= limit) {
        if (void *placed = place(reinterpret_cast<void *>(start))) return placed;
      }
      address = end > address ? end : address + granularity;
    }
    return nullptr;
  }
}

}  // namespace

void *map_view_low(HANDLE section, size_t size) {
  return place_low(size, [&](void *at) { return MapViewOfFileEx(section, FILE_MAP_WRITE, 0, 0, 0, at); });
}

void *alloc_low(size_t size) {
  return place_low(size, [&](void *at) { return VirtualAlloc(at, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE); });
}

void free_low(void *memory) {
  if (memory) VirtualFree(memory, 0, MEM_RELEASE);
}

}  // namespace elevate_parent
