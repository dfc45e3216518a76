// Memory whose addresses fit the 32-bit fields of the request block. On a
// 64-bit parent the view and any buffer whose address the agent may hand
// back (caller_address) must lie below 4 GB.
#pragma once
#include <windows.h>
#include <cstddef>

namespace elevate_parent {

// MapViewOfFile of the whole section, below 4 GB.
void *map_view_low(HANDLE section, size_t size);
// Zeroed read-write memory below 4 GB; release with free_low.
void *alloc_low(size_t size);
void free_low(void *memory);

}  // namespace elevate_parent
