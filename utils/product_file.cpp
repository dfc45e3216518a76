#include "utils/product_file.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "utils/locale/locale_detect.h"
#include "utils/path_scanner.h"
#include "utils/ut_string.h"
#include "utils/ut_system.h"

namespace {

const size_t kPathSize = MAX_PATH + 1;        // a path of 260 characters and its terminator
const size_t kEnvironmentValueSize = 150;
const int kReadable = 4;                      // access mode of _access
const char kDefaultSubdirectory[] = "win32\\";
// As a part of a candidate: a backslash unless the path already ends with one.
const char kEnsureBackslash[] = "\\";

// The installation's sub-directory for a file, by the name's extension
// (compared exactly: ".SQL" is no script).
const char *subdirectory_for(const PathScanner &scanner, const char *name) {
  static const struct {
    const char *extension;
    const char *subdirectory;
  } kSubdirectories[] = {
      {".sql", "scripts\\"}, {".zip", "java\\"}, {".jar", "java\\"},
      {".uct", "charsets\\unicode\\"}, {".chm", "docs\\"},
  };
  if (const char *extension = scanner.extension(name))
    for (const auto &entry : kSubdirectories)
      if (std::strcmp(extension, entry.extension) == 0) return entry.subdirectory;
  return kDefaultSubdirectory;
}

// The directory part of the path of a module ("" when it has none).
void module_directory(const PathScanner &scanner, HMODULE module, char (&dir)[kPathSize]) {
  dir[0] = '\0';
  DWORD length = GetModuleFileNameA(module, dir, kPathSize);
  dir[length < kPathSize ? length : kPathSize - 1] = '\0';
  dir[scanner.directory_length(dir)] = '\0';
}

// A non-empty environment value. A value too long for the buffer leaves it
// empty and so counts as unset.
bool environment_value(const char *name, char (&buffer)[kPathSize]) {
  buffer[0] = '\0';
  ut_getenv(name, buffer, kEnvironmentValueSize);
  return buffer[0] != '\0';
}

// The module whose image holds this library's code.
HMODULE library_module() {
  MEMORY_BASIC_INFORMATION info;
  if (!VirtualQuery(reinterpret_cast<const void *>(&library_module), &info, sizeof info)) return nullptr;
  return static_cast<HMODULE>(info.AllocationBase);
}

// Tries the candidates in order; the first path that can be read stays in
// path.
class CandidateSearch {
 public:
  explicit CandidateSearch(const PathScanner &scanner) : scanner_(scanner) {}

  const char *found() const { return path_; }

  // Appends the parts in turn (see kEnsureBackslash) and tests the result.
  bool try_path(std::initializer_list<const char *> parts) {
    path_[0] = '\0';
    for (const char *part : parts) {
      if (part == kEnsureBackslash)
        scanner_.ensure_trailing_backslash(path_, sizeof path_);
      else
        ut_append_str(path_, sizeof path_, part);
    }
    return ut_file_access(path_, kReadable) == 0;
  }

  // A path that is already known to exist.
  bool take(const char *path) {
    ut_copy_str(path_, sizeof path_, path);
    return true;
  }

 private:
  const PathScanner &scanner_;
  char path_[kPathSize] = "";
};

bool search(const PathScanner &scanner, const char *name, int use_vendor_dir, CandidateSearch &c) {
  const char *const slash = kEnsureBackslash;
  const char *sub = subdirectory_for(scanner, name);
  char library_dir[kPathSize], exe_dir[kPathSize], value[kPathSize];
  // A null module would name the executable instead of the library's module.
  HMODULE library = library_module();
  library_dir[0] = '\0';
  if (library) module_directory(scanner, library, library_dir);
  module_directory(scanner, nullptr, exe_dir);

  if (library_dir[0] && c.try_path({library_dir, name})) return true;
  if (exe_dir[0] && c.try_path({exe_dir, name})) return true;
  if (c.try_path({name})) return true;
  if (use_vendor_dir && environment_value("MORVANE", value) &&
      c.try_path({value, slash, "dll", slash, name}))
    return true;
  // For "win32\" these would repeat the first two candidates.
  if (_stricmp(sub, kDefaultSubdirectory) != 0) {
    if (library_dir[0] && c.try_path({library_dir, "..\\", sub, name})) return true;
    if (exe_dir[0] && c.try_path({exe_dir, "..\\", sub, name})) return true;
  }
  if (read_product_setting(UT_PRODUCT_VERSION, "Location", value, sizeof value) && value[0] &&
      c.try_path({value, slash, sub, name}))
    return true;
  UINT length = GetWindowsDirectoryA(value, kPathSize);
  if (length && length < kPathSize && c.try_path({value, slash, name})) return true;
  length = GetSystemDirectoryA(value, kPathSize);
  if (length && length < kPathSize && c.try_path({value, slash, name})) return true;
  value[0] = '\0';
  _searchenv(name, "PATH", value);
  if (value[0]) return c.take(value);
  return (environment_value("KPDIR", value) || environment_value("SQLPEL10", value)) &&
         c.try_path({value, slash, sub, name});
}

}  // namespace

size_t find_product_file(const char *name, char *out, size_t out_size, int use_vendor_dir) {
  PathScanner scanner(detect_default_collation()->charset);
  CandidateSearch candidates(scanner);
  size_t length = 0;
  if (name && search(scanner, name, use_vendor_dir, candidates)) length = std::strlen(candidates.found());
  if (length == 0) {
    if (out_size) out[0] = '\0';
  } else if (out_size >= length + 1) {
    std::memcpy(out, candidates.found(), length + 1);
  }
  return length;
}
