// The file operations that do more than call one runtime function.
#pragma once
#include <cstdint>

namespace UTElevate {

// Opens with read and write permission bits only, sharing with everybody.
int open_shared(const char *path, int flags, int mode);
// Fills the 64-byte file status record; on failure (-1) leaves it untouched.
int stat_to_record(int fd, void *record);
// Sets the size and leaves the position there; every failure is ENOSPC.
int set_file_size(int fd, int64_t size);

}  // namespace UTElevate
