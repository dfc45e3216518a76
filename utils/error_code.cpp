#include "utils/error_code.h"

#include <cstdint>

// Other modules of the product rely on this layout: the type, then the code.
static_assert(sizeof(UTErrorType) == 4, "the error type is a 32-bit enumeration");
static_assert(sizeof(a_db_init_error) == 4, "initialisation errors are 32-bit");
static_assert(sizeof(UTErrorCode) == 8, "type and code, 32 bits each");

namespace {

// POSIX numbers as the Windows C runtime numbers them; other systems use
// other numbers for some of these names, so they are spelled out here.
enum : unsigned long {
  kEPERM = 1, kENOENT = 2, kEIO = 5, kE2BIG = 7, kENOEXEC = 8, kEBADF = 9,
  kECHILD = 10, kEAGAIN = 11, kENOMEM = 12, kEACCES = 13, kEEXIST = 17,
  kEXDEV = 18, kEINVAL = 22, kEMFILE = 24, kENOSPC = 28, kEPIPE = 32,
  kENOTEMPTY = 41,
};

struct ErrorRange {
  unsigned long first, last;  // inclusive
  unsigned long posix;
};

// Windows system errors that have a closer POSIX meaning than EINVAL.
const ErrorRange kOsErrors[] = {
    {0, 0, 0},
    {2, 3, kENOENT},       // ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND
    {4, 4, kEMFILE},       // ERROR_TOO_MANY_OPEN_FILES
    {5, 5, kEACCES},       // ERROR_ACCESS_DENIED
    {6, 6, kEBADF},        // ERROR_INVALID_HANDLE
    {7, 9, kENOMEM},       // ERROR_ARENA_TRASHED .. ERROR_INVALID_BLOCK
    {10, 10, kE2BIG},      // ERROR_BAD_ENVIRONMENT
    {11, 11, kENOEXEC},    // ERROR_BAD_FORMAT
    {15, 15, kENOENT},     // ERROR_INVALID_DRIVE
    {16, 16, kEACCES},     // ERROR_CURRENT_DIRECTORY
    {17, 17, kEXDEV},      // ERROR_NOT_SAME_DEVICE
    {18, 18, kENOENT},     // ERROR_NO_MORE_FILES
    {19, 36, kEACCES},     // ERROR_WRITE_PROTECT .. ERROR_SHARING_BUFFER_EXCEEDED
    {53, 53, kENOENT},     // ERROR_BAD_NETPATH
    {65, 65, kEACCES},     // ERROR_NETWORK_ACCESS_DENIED
    {67, 67, kENOENT},     // ERROR_BAD_NET_NAME
    {80, 80, kEEXIST},     // ERROR_FILE_EXISTS
    {82, 83, kEACCES},     // ERROR_CANNOT_MAKE, ERROR_FAIL_I24
    {89, 89, kEAGAIN},     // ERROR_NO_PROC_SLOTS
    {108, 108, kEACCES},   // ERROR_DRIVE_LOCKED
    {109, 109, kEPIPE},    // ERROR_BROKEN_PIPE
    {112, 112, kENOSPC},   // ERROR_DISK_FULL
    {114, 114, kEBADF},    // ERROR_INVALID_TARGET_HANDLE
    {128, 129, kECHILD},   // ERROR_WAIT_NO_CHILDREN, ERROR_CHILD_NOT_COMPLETE
    {130, 130, kEBADF},    // ERROR_DIRECT_ACCESS_HANDLE
    {132, 132, kEACCES},   // ERROR_SEEK_ON_DEVICE
    {145, 145, kENOTEMPTY},  // ERROR_DIR_NOT_EMPTY
    {158, 158, kEACCES},   // ERROR_NOT_LOCKED
    {161, 161, kENOENT},   // ERROR_BAD_PATHNAME
    {164, 164, kEAGAIN},   // ERROR_MAX_THRDS_REACHED
    {167, 167, kEACCES},   // ERROR_LOCK_FAILED
    {183, 183, kEEXIST},   // ERROR_ALREADY_EXISTS
    {188, 202, kENOEXEC},  // ERROR_INVALID_STARTING_CODESEG .. ERROR_INFLOOP_IN_RELOC_CHAIN
    {206, 206, kENOENT},   // ERROR_FILENAME_EXCED_RANGE
    {215, 215, kEAGAIN},   // ERROR_NESTING_NOT_ALLOWED
    {1816, 1816, kENOMEM},  // ERROR_NOT_ENOUGH_QUOTA
};

unsigned long posix_from_os(unsigned long code) {
  for (const ErrorRange &r : kOsErrors)
    if (code >= r.first && code <= r.last) return r.posix;
  return kEINVAL;
}

// The initialisation errors of the server's own range that have a closer
// POSIX meaning than EINVAL.
const struct {
  int32_t code;
  unsigned long posix;
} kInitErrors[] = {
    {-29999, kEACCES}, {-29985, kENOENT}, {-29984, kENOENT}, {-29983, kEPERM}, {-29976, kEACCES},
    {-29962, kEIO},    {-29961, kEMFILE}, {-29960, kEACCES}, {-29958, kENOSPC},
};
const int32_t kInitRangeFirst = -30000;
const int32_t kInitRangeLast = -29949;

unsigned long posix_from_db_init(unsigned long code) {
  int32_t value = static_cast<int32_t>(code);
  // Outside the server's range the number passes through as it is.
  if (value < kInitRangeFirst || value > kInitRangeLast) return code;
  for (const auto &e : kInitErrors)
    if (e.code == value) return e.posix;
  return kEINVAL;
}

}  // namespace

UTErrorCode::UTErrorCode() : type_(UT_ERROR_POSIX), code_(0) {}
UTErrorCode::UTErrorCode(UTErrorType type, unsigned long code) : type_(type), code_(code) {}
UTErrorCode::UTErrorCode(a_db_init_error err)
    : type_(UT_ERROR_DB_INIT), code_(static_cast<uint32_t>(static_cast<int32_t>(err))) {}

UTErrorType UTErrorCode::get_type() const { return type_; }
unsigned long UTErrorCode::get_code() const { return code_; }

void UTErrorCode::set(UTErrorType type, unsigned long code) {
  type_ = type;
  code_ = code;
}

void UTErrorCode::set(a_db_init_error err) { *this = UTErrorCode(err); }

unsigned int UTErrorCode::equal(UTErrorType type, unsigned long code) const {
  return type_ == type && code_ == code;
}

unsigned int UTErrorCode::equal(const UTErrorCode &other) const { return equal(other.type_, other.code_); }

unsigned int UTErrorCode::operator==(const UTErrorCode &other) const {
  return (code_ == 0 && other.code_ == 0) || equal(other);
}

unsigned int UTErrorCode::operator!=(const UTErrorCode &other) const { return !(*this == other); }

void UTErrorCode::clear() { set(UT_ERROR_POSIX, 0); }
unsigned int UTErrorCode::is_error() const { return code_ != 0; }
unsigned int UTErrorCode::is_okay() const { return code_ == 0; }
unsigned int UTErrorCode::is_disk_full() { return get_posix_equivalent() == kENOSPC; }
unsigned int UTErrorCode::is_file_not_found() { return get_posix_equivalent() == kENOENT; }

UTErrorCode &UTErrorCode::operator=(const UTErrorCode &other) {
  type_ = other.type_;
  code_ = other.code_;
  return *this;
}

unsigned long UTErrorCode::get_posix_equivalent() const {
  switch (type_) {
    case UT_ERROR_POSIX:
      return code_;
    case UT_ERROR_OS:
      return posix_from_os(code_);
    case UT_ERROR_DB_INIT:
      return posix_from_db_init(code_);
  }
  return 0;
}
