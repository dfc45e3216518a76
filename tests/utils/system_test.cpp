#include <gtest/gtest.h>
#include <windows.h>

#include <float.h>

#include <cstring>
#include <string>

#include "utils/ut_chartable.h"
#include "utils/ut_system.h"

namespace {

TEST(Environment, SetUnsetAndTooLong) {
  char buffer[16] = "old";
  SetEnvironmentVariableA("UT_TEST_VAR", "value");
  EXPECT_EQ(buffer, ut_getenv("UT_TEST_VAR", buffer, sizeof buffer));
  EXPECT_STREQ("value", buffer);

  SetEnvironmentVariableA("UT_TEST_VAR", nullptr);
  EXPECT_EQ(nullptr, ut_getenv("UT_TEST_VAR", buffer, sizeof buffer));
  EXPECT_STREQ("", buffer);

  // Too long for the buffer: the call reports a value but fills nothing.
  SetEnvironmentVariableA("UT_TEST_VAR", std::string(40, 'x').c_str());
  buffer[0] = '\0';
  EXPECT_EQ(buffer, ut_getenv("UT_TEST_VAR", buffer, sizeof buffer));
  EXPECT_STREQ("", buffer);
  SetEnvironmentVariableA("UT_TEST_VAR", nullptr);
}

// Writes and removes values of the product key in Wine's real registry.
class ProductSetting : public testing::Test {
 protected:
  static constexpr const char *kKey = UT_PRODUCT_KEY "ut-test";

  void TearDown() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
  }

  static void set(HKEY root, DWORD type, const void *data, DWORD bytes) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Location", 0, type, static_cast<const BYTE *>(data), bytes));
    RegCloseKey(key);
  }
  static void set_text(HKEY root, const char *text) {
    set(root, REG_SZ, text, static_cast<DWORD>(strlen(text) + 1));
  }
  static std::string read(size_t size = 64) {
    std::string buffer(size, 'x');
    if (!read_product_setting("ut-test", "Location", &buffer[0], size))
      return "<none>";
    return buffer.c_str();
  }
};

TEST_F(ProductSetting, AbsentEverywhere) { EXPECT_EQ("<none>", read()); }

TEST_F(ProductSetting, CurrentUserWinsOverLocalMachine) {
  set_text(HKEY_LOCAL_MACHINE, "C:\\Machine");
  EXPECT_EQ("C:\\Machine", read());
  set_text(HKEY_CURRENT_USER, "C:\\User");
  EXPECT_EQ("C:\\User", read());
}

TEST_F(ProductSetting, WrongTypeIsSkipped) {
  DWORD number = 7;
  set(HKEY_CURRENT_USER, REG_DWORD, &number, sizeof number);
  EXPECT_EQ("<none>", read());
  set_text(HKEY_LOCAL_MACHINE, "C:\\Machine");
  EXPECT_EQ("C:\\Machine", read());
  set(HKEY_CURRENT_USER, REG_EXPAND_SZ, "%WINDIR%", 9);
  EXPECT_EQ("C:\\Machine", read());
}

TEST_F(ProductSetting, TooLongForBufferIsAbsent) {
  set_text(HKEY_CURRENT_USER, "C:\\A\\rather\\long\\path");
  EXPECT_EQ("<none>", read(8));
}

TEST_F(ProductSetting, UnterminatedValueIsTerminated) {
  set(HKEY_CURRENT_USER, REG_SZ, "abcd", 4);
  EXPECT_EQ("abcd", read(8));
}

unsigned int rounding() { return _controlfp(0, 0) & _MCW_RC; }

// The test DLL changes the rounding mode when it loads and when it unloads.
TEST(Modules, LoadAndFreeKeepTheFloatingPointControlWord) {
  _controlfp(_RC_NEAR, _MCW_RC);
  HMODULE module = ut_load_module(FPU_CHANGER_DLL);
  ASSERT_NE(nullptr, module);
  EXPECT_EQ(static_cast<unsigned>(_RC_NEAR), rounding());
  ut_free_module(module);
  EXPECT_EQ(static_cast<unsigned>(_RC_NEAR), rounding());

  module = ut_load_module(FPU_CHANGER_DLL, false);
  ASSERT_NE(nullptr, module);
  EXPECT_EQ(static_cast<unsigned>(_RC_NEAR), rounding());
  ut_free_module(module);

  // Without the guard the DLL really does change it.
  module = LoadLibraryA(FPU_CHANGER_DLL);
  EXPECT_EQ(static_cast<unsigned>(_RC_CHOP), rounding());
  FreeLibrary(module);
  _controlfp(_RC_NEAR, _MCW_RC);
}

TEST(Modules, ErrorModeIsRestored) {
  UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  EXPECT_EQ(nullptr, ut_load_module("no-such-module-ut.dll"));
  EXPECT_EQ(static_cast<UINT>(SEM_NOGPFAULTERRORBOX), GetErrorMode());
  SetErrorMode(before);
}

TEST(Modules, ProcLookup) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  EXPECT_EQ(reinterpret_cast<FARPROC>(GetProcAddress(kernel, "GetACP")), ut_get_proc(kernel, "GetACP"));
  EXPECT_EQ(nullptr, ut_get_proc(kernel, "NoSuchFunctionUt"));
}

TEST(Files, Access) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_EQ(0, ut_file_access(self, 4));
  EXPECT_EQ(-1, ut_file_access("C:\\no\\such\\file.ut", 4));
}

TEST(CharTable, CodePage936) {
  ASSERT_EQ(936u, GetACP());
  EXPECT_TRUE(ut_has_lead_bytes());
  EXPECT_EQ(2, ut_char_info(0x81).length);
  EXPECT_EQ(2, ut_char_info(0xFE).length);
  EXPECT_EQ(1, ut_char_info(0x80).length);
  EXPECT_EQ(1, ut_char_info('\\').length);
  EXPECT_EQ('A', ut_char_info('a').upper);
  EXPECT_EQ('a', ut_char_info('A').lower);
  EXPECT_EQ('Z', ut_char_info('Z').upper);
  EXPECT_EQ(0, ut_char_info('1').upper);
  EXPECT_EQ(0, ut_char_info(' ').lower);
}

}  // namespace
