#include "utils/ut_system.h"

#include <float.h>
#include <io.h>

#include <cstring>
#include <initializer_list>

namespace {

#ifdef _WIN64
// x64 has no precision or infinity control; asking for them is an error there.
const unsigned int kMask = _MCW_EM | _MCW_RC | _MCW_DN;
#else
const unsigned int kMask = _MCW_EM | _MCW_RC | _MCW_PC | _MCW_IC | _MCW_DN;
#endif

// Some DLLs change the floating-point control word when they load or unload;
// the library's callers rely on it staying as it was.
class FpuControlWordGuard {
 public:
  FpuControlWordGuard() : saved_(_controlfp(0, 0)) {}
  ~FpuControlWordGuard() { _controlfp(saved_, kMask); }
  FpuControlWordGuard(const FpuControlWordGuard &) = delete;
  FpuControlWordGuard &operator=(const FpuControlWordGuard &) = delete;

 private:
  unsigned int saved_;
};

}  // namespace

char *ut_getenv(const char *name, char *buffer, size_t size) {
  if (GetEnvironmentVariableA(name, buffer, static_cast<DWORD>(size)) != 0)
    return buffer;
  if (size != 0)
    buffer[0] = '\0';
  return nullptr;
}

int read_product_setting(const char *version, const char *value_name, char *buffer, size_t size) {
  char key_name[128] = UT_PRODUCT_KEY;
  strncat(key_name, version, sizeof key_name - strlen(key_name) - 1);

  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    HKEY key;
    if (RegOpenKeyExA(root, key_name, 0, KEY_READ, &key) != ERROR_SUCCESS)
      continue;
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(size);
    LONG rc = RegQueryValueExA(key, value_name, nullptr, &type, reinterpret_cast<BYTE *>(buffer), &bytes);
    RegCloseKey(key);
    if (rc == ERROR_SUCCESS && type == REG_SZ) {
      // A value stored without its terminator must not leave the text open.
      if (size != 0)
        buffer[bytes < size ? bytes : size - 1] = '\0';
      return 1;
    }
  }
  return 0;
}

HMODULE ut_load_module(const char *path, bool fail_critical_errors) {
  FpuControlWordGuard fpu;
  if (!fail_critical_errors)
    return LoadLibraryA(path);
  UINT earlier = SetErrorMode(SEM_FAILCRITICALERRORS);
  HMODULE module = LoadLibraryA(path);
  SetErrorMode(earlier);
  return module;
}

void ut_free_module(HMODULE module) {
  FpuControlWordGuard fpu;
  FreeLibrary(module);
}

FARPROC ut_get_proc(HMODULE module, const char *name) { return GetProcAddress(module, name); }

int ut_file_access(const char *path, int mode) { return _access(path, mode); }
