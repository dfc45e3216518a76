// Scoped changes to the process environment and the product's registry key,
// undone when the test ends.
#pragma once
#include <windows.h>

#include <string>

// Sets (or, with a null value, removes) an environment variable for both the
// Windows environment and the C runtime's copy that _searchenv reads.
class ScopedEnv {
 public:
  ScopedEnv(const char *name, const char *value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv &) = delete;
  ScopedEnv &operator=(const ScopedEnv &) = delete;

 private:
  static void put(const std::string &name, const char *value);
  std::string name_;
  bool had_value_;
  std::string old_value_;
};

// A value under the product key of one root, deleted again at the end.
class ScopedProductSetting {
 public:
  ScopedProductSetting(HKEY root, const char *name, const std::string &value, DWORD type = REG_SZ);
  ~ScopedProductSetting();
  ScopedProductSetting(const ScopedProductSetting &) = delete;
  ScopedProductSetting &operator=(const ScopedProductSetting &) = delete;

 private:
  HKEY root_;
  std::string name_;
};

// A fresh directory under the Wine prefix's temporary folder, removed with
// everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
  const std::string &path() const { return path_; }  // ends with "\"

 private:
  std::string path_;
};

// Creates a file (and the directories above it); removes it on request.
void create_file(const std::string &path);
void remove_file(const std::string &path);
// The directory part of the executable's path, ending with "\".
std::string executable_directory();
