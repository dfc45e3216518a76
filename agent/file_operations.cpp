#include "file_operations.h"
#include <windows.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

namespace UTElevate {
namespace {

// The record as the parent reads it, the same on every target.
struct FileStatusRecord {
  uint64_t device;
  uint64_t inode;
  uint32_t mode;
  int32_t uid;
  int32_t gid;
  uint32_t not_written;
  int64_t size;
  int64_t access_time;
  int64_t modify_time;
  int64_t change_time;
};
static_assert(sizeof(FileStatusRecord) == 64, "file status record");
static_assert(offsetof(FileStatusRecord, mode) == 0x10, "mode");
static_assert(offsetof(FileStatusRecord, size) == 0x20, "size");
static_assert(offsetof(FileStatusRecord, change_time) == 0x38, "change time");

}  // namespace

int open_shared(const char *path, int flags, int mode) {
  return _sopen(path, flags, _SH_DENYNO, mode & (_S_IREAD | _S_IWRITE));
}

int stat_to_record(int fd, void *record) {
  struct _stat64 status;
  if (_fstat64(fd, &status) != 0) return -1;
  auto *out = static_cast<FileStatusRecord *>(record);
  out->device = static_cast<uint32_t>(status.st_dev);
  out->inode = static_cast<uint16_t>(status.st_ino);
  out->mode = static_cast<uint16_t>(status.st_mode);
  out->uid = static_cast<int16_t>(status.st_uid);
  out->gid = static_cast<int16_t>(status.st_gid);
  out->size = status.st_size;
  out->access_time = status.st_atime;
  out->modify_time = status.st_mtime;
  out->change_time = status.st_ctime;
  return 0;
}

int set_file_size(int fd, int64_t size) {
  HANDLE file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  LONG high = static_cast<LONG>(size >> 32);
  if (SetFilePointer(file, static_cast<LONG>(size), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
      GetLastError() != 0) {
    errno = ENOSPC;
    return -1;
  }
  if (!SetEndOfFile(file)) {
    errno = ENOSPC;
    return -1;
  }
  return 0;
}

}  // namespace UTElevate
