#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "test_environment.h"
#include "utils/locale/locale_lookup.h"
#include "utils/path_scanner.h"
#include "utils/product_file.h"

namespace {

std::string windows_directory() {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\";
}

std::string system_directory() {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\";
}

std::string found_path(const char *name, int use_vendor_dir = 0) {
  char out[MAX_PATH + 1] = "unchanged";
  size_t length = find_product_file(name, out, sizeof out, use_vendor_dir);
  EXPECT_EQ(strlen(out), length) << name;
  return out;
}

// Places where no candidate lies, so that only the test's own files count.
class ProductFile : public testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryA(MAX_PATH, saved_cwd_);
    SetCurrentDirectoryA(cwd_.path().c_str());
  }
  void TearDown() override { SetCurrentDirectoryA(saved_cwd_); }

  TempDir cwd_, elsewhere_;
  ScopedEnv kpdir_{"KPDIR", nullptr}, sqlpel10_{"SQLPEL10", nullptr}, morvane_{"MORVANE", nullptr};
  ScopedEnv path_{"PATH", nullptr};
  ScopedEnv kpcharset_{"KPCHARSET", nullptr}, kplang_{"KPLANG", nullptr};
  char saved_cwd_[MAX_PATH];
};

// Files at every candidate; removing the winner each time hands the search
// to the next candidate in order.
TEST_F(ProductFile, CandidatesAreTriedInOrder) {
  const char name[] = "pf_order_probe.sql";
  TempDir location, path_dir, kpdir, sqlpel10;
  ScopedProductSetting setting(HKEY_CURRENT_USER, "Location", location.path());
  ScopedEnv path("PATH", path_dir.path().c_str());
  ScopedEnv kpdir_value("KPDIR", kpdir.path().c_str()), sqlpel10_value("SQLPEL10", sqlpel10.path().c_str());
  const std::string exe_dir = executable_directory();
  const std::vector<std::pair<std::string, std::string>> candidates = {
      // what the search returns, and the file behind it
      {exe_dir + name, exe_dir + name},
      {name, cwd_.path() + name},
      {exe_dir + "..\\scripts\\" + name, exe_dir + "..\\scripts\\" + name},
      {location.path() + "scripts\\" + name, location.path() + "scripts\\" + name},
      {windows_directory() + name, windows_directory() + name},
      {system_directory() + name, system_directory() + name},
      {path_dir.path() + name, path_dir.path() + name},
      {kpdir.path() + "scripts\\" + name, kpdir.path() + "scripts\\" + name},
  };
  for (const auto &c : candidates) create_file(c.second);
  for (const auto &c : candidates) {
    EXPECT_STREQ(c.first.c_str(), found_path(name).c_str());
    remove_file(c.second);
  }
  RemoveDirectoryA((exe_dir + "..\\scripts").c_str());

  // SQLPEL10 only counts while KPDIR is unset.
  create_file(sqlpel10.path() + "scripts\\" + name);
  EXPECT_STREQ("", found_path(name).c_str());
  ScopedEnv no_kpdir("KPDIR", nullptr);
  EXPECT_STREQ((sqlpel10.path() + "scripts\\" + name).c_str(), found_path(name).c_str());
}

TEST_F(ProductFile, SubdirectoryFollowsTheExactExtension) {
  const struct {
    const char *name, *subdirectory;
  } cases[] = {
      {"pf_setup.sql", "scripts\\"}, {"pf_Setup.SQL", "win32\\"},    {"pf_tables.old\\data", "win32\\"},
      {"pf_a.zip", "java\\"},        {"pf_a.jar", "java\\"},         {"pf_a.uct", "charsets\\unicode\\"},
      {"pf_a.chm", "docs\\"},        {"pf_vornicu10.dll", "win32\\"}, {"pf_noext", "win32\\"},
  };
  TempDir kpdir;
  ScopedEnv kpdir_value("KPDIR", kpdir.path().substr(0, kpdir.path().size() - 1).c_str());
  for (const auto &c : cases) {
    std::string expected = kpdir.path() + c.subdirectory + c.name;
    create_file(expected);
    EXPECT_STREQ(expected.c_str(), found_path(c.name).c_str()) << c.name;
  }
}

TEST_F(ProductFile, ScriptsAboveTheExecutableButNotForOtherFiles) {
  const std::string above = executable_directory() + "..\\win32\\pf_above.dll";
  create_file(above);
  EXPECT_STREQ("", found_path("pf_above.dll").c_str());
  remove_file(above);
  RemoveDirectoryA((executable_directory() + "..\\win32").c_str());
}

TEST_F(ProductFile, LocationWithOrWithoutBackslash) {
  TempDir install;
  create_file(install.path() + "win32\\pf_loc.dll");
  const std::string expected = install.path() + "win32\\pf_loc.dll";
  for (std::string value : {install.path(), install.path().substr(0, install.path().size() - 1)}) {
    ScopedProductSetting setting(HKEY_LOCAL_MACHINE, "Location", value);
    EXPECT_STREQ(expected.c_str(), found_path("pf_loc.dll").c_str()) << value;
  }
  // The current user's setting comes first.
  TempDir other;
  create_file(other.path() + "win32\\pf_loc.dll");
  ScopedProductSetting machine(HKEY_LOCAL_MACHINE, "Location", install.path());
  ScopedProductSetting user(HKEY_CURRENT_USER, "Location", other.path());
  EXPECT_STREQ((other.path() + "win32\\pf_loc.dll").c_str(), found_path("pf_loc.dll").c_str());
}

TEST_F(ProductFile, VendorDirectoryOnlyWhenAskedFor) {
  TempDir vendor;
  create_file(vendor.path() + "dll\\pf_vendor.dll");
  ScopedEnv morvane("MORVANE", vendor.path().substr(0, vendor.path().size() - 1).c_str());
  EXPECT_STREQ("", found_path("pf_vendor.dll", 0).c_str());
  EXPECT_STREQ((vendor.path() + "dll\\pf_vendor.dll").c_str(), found_path("pf_vendor.dll", 1).c_str());
}

TEST_F(ProductFile, OutputTooSmallIsLeftAsItWas) {
  TempDir kpdir;
  ScopedEnv kpdir_value("KPDIR", kpdir.path().c_str());
  const std::string expected = kpdir.path() + "win32\\pf_small.dll";
  create_file(expected);
  char out[16] = "unchanged";
  EXPECT_EQ(expected.size(), find_product_file("pf_small.dll", out, sizeof out, 0));
  EXPECT_STREQ("unchanged", out);
  std::vector<char> exact(expected.size() + 1, 'x');
  EXPECT_EQ(expected.size(), find_product_file("pf_small.dll", exact.data(), exact.size(), 0));
  EXPECT_STREQ(expected.c_str(), exact.data());
  std::vector<char> short_by_one(expected.size(), 'x');
  EXPECT_EQ(expected.size(), find_product_file("pf_small.dll", short_by_one.data(), short_by_one.size(), 0));
  EXPECT_EQ('x', short_by_one[0]);
}

TEST_F(ProductFile, NothingFoundEmptiesTheOutput) {
  EXPECT_STREQ("", found_path("pf_nowhere.dll").c_str());
  char out[8] = "abc";
  EXPECT_EQ(0u, find_product_file("pf_nowhere.dll", out, sizeof out, 0));
  EXPECT_STREQ("", out);
}

// "\x95\x5C" is one character of code page 936 whose trail byte is "\".
const char kDoubleByteName[] = "pf_\x95\x5C";

// The directory comes from the registry: Wine's GetEnvironmentVariableA
// drops the trail byte of such a value.
TEST_F(ProductFile, TrailByteBackslashIsNoSeparator) {
  TempDir install;
  const std::string dir = install.path() + kDoubleByteName;  // no backslash of its own at the end
  ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
  create_file(dir + "\\win32\\pf_dbcs.dll");
  ScopedProductSetting setting(HKEY_CURRENT_USER, "Location", dir);
  EXPECT_STREQ((dir + "\\win32\\pf_dbcs.dll").c_str(), found_path("pf_dbcs.dll").c_str());
}

TEST(PathScanner, ScansCharactersOfTheSet) {
  PathScanner gbk(find_charset("GBK", UT_ALL_SCHEMES));
  PathScanner latin1(find_charset("windows-1252", UT_ALL_SCHEMES));
  const std::string dbcs_dir = std::string("a\\") + kDoubleByteName;
  EXPECT_EQ(2u, gbk.directory_length(dbcs_dir.c_str()));
  EXPECT_EQ(dbcs_dir.size(), latin1.directory_length(dbcs_dir.c_str()));
  EXPECT_EQ(0u, gbk.directory_length("name.dll"));
  EXPECT_EQ(4u, gbk.directory_length("a/b\\"));
  EXPECT_EQ(2u, gbk.directory_length("a/b"));
  EXPECT_EQ(2u, gbk.directory_length("D:x"));

  const struct {
    const char *text, *expected;
  } backslash_cases[] = {
      {"C:\\Inst", "C:\\Inst\\"}, {"C:\\Inst\\", "C:\\Inst\\"}, {"C:\\Inst/", "C:\\Inst/\\"},
      {"D:", "D:\\"},             {"pf_\x95\x5C", "pf_\x95\x5C\\"},
  };
  for (const auto &c : backslash_cases) {
    char buffer[32];
    strcpy(buffer, c.text);
    gbk.ensure_trailing_backslash(buffer, sizeof buffer);
    EXPECT_STREQ(c.expected, buffer) << c.text;
  }

  EXPECT_STREQ(".sql", gbk.extension("a.b\\setup.sql"));
  EXPECT_EQ(nullptr, gbk.extension("tables.old\\data"));
  EXPECT_EQ(nullptr, gbk.extension("x.y:z"));
}

}  // namespace
