#include "test_environment.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdlib>
#include <vector>

#include "utils/ut_system.h"

namespace {
const char kProductKey[] = UT_PRODUCT_KEY UT_PRODUCT_VERSION;
}

ScopedEnv::ScopedEnv(const char *name, const char *value) : name_(name) {
  DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  had_value_ = size != 0;
  if (had_value_) {
    std::vector<char> old(size);
    GetEnvironmentVariableA(name, old.data(), size);
    old_value_ = old.data();
  }
  put(name_, value);
}

ScopedEnv::~ScopedEnv() { put(name_, had_value_ ? old_value_.c_str() : nullptr); }

void ScopedEnv::put(const std::string &name, const char *value) {
  // "NAME=" removes the variable from both environments.
  std::string setting = name + "=" + (value ? value : "");
  _putenv(setting.c_str());
  SetEnvironmentVariableA(name.c_str(), value);
}

ScopedProductSetting::ScopedProductSetting(HKEY root, const char *name, const std::string &value, DWORD type)
    : root_(root), name_(name) {
  HKEY key;
  EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, kProductKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(value.c_str()),
                                          DWORD(value.size() + 1)));
  RegCloseKey(key);
}

ScopedProductSetting::~ScopedProductSetting() {
  HKEY key;
  if (RegOpenKeyExA(root_, kProductKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, name_.c_str());
    RegCloseKey(key);
  }
}

TempDir::TempDir() {
  char base[MAX_PATH], name[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  GetTempFileNameA(base, "plt", 0, name);
  DeleteFileA(name);
  CreateDirectoryA(name, nullptr);
  path_ = std::string(name) + "\\";
}

TempDir::~TempDir() {
  // SHFileOperation wants a list ended by two terminators.
  std::string from = path_.substr(0, path_.size() - 1) + '\0';
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

void create_file(const std::string &path) {
  // Character-wise, so that a trail byte 0x5C is not taken for a separator.
  for (const char *p = path.c_str() + 3; *p; p = CharNextA(p))
    if (*p == '\\') CreateDirectoryA(path.substr(0, p - path.c_str()).c_str(), nullptr);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
  CloseHandle(file);
}

void remove_file(const std::string &path) { EXPECT_TRUE(DeleteFileA(path.c_str())) << path; }

std::string executable_directory() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\') + 1);
}
