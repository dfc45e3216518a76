#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "test_environment.h"
#include "utils/locale/locale_context.h"
#include "utils/locale/locale_detect.h"
#include "utils/locale/locale_lookup.h"
#include "utils/ut_memory.h"

namespace {

const char *standard_name(const UTCharsetInfo *charset) { return charset->names[UT_SCHEME_STANDARD]->name; }

// The tests run with the Chinese system locale: code page 936, language 0x0804.
TEST(DetectCharset, FollowsTheAnsiCodePage) {
  ASSERT_EQ(936u, GetACP());
  ScopedEnv unset("KPCHARSET", nullptr);
  EXPECT_STREQ("GBK", standard_name(detect_os_charset(1)));
  EXPECT_STREQ("GBK", standard_name(detect_os_charset(0)));
}

TEST(DetectCharset, KpcharsetOverridesOnlyWithTheEnvironment) {
  const struct {
    std::string value;
    const char *standard;
  } cases[] = {
      {" _utf-8", "UTF-8"},   {"utf8", "UTF-8"},         {"latin1", "ISO_8859-1:1987"},
      {"sjis", "Windows-31J"}, {"no-such-set", "windows-1252"},
      // Too long for the 150-byte buffer: as unknown as a wrong name.
      {"utf8" + std::string(200, ' '), "windows-1252"},
  };
  for (const auto &c : cases) {
    ScopedEnv set("KPCHARSET", c.value.c_str());
    EXPECT_STREQ(c.standard, standard_name(detect_os_charset(1))) << "'" << c.value << "'";
    EXPECT_STREQ("GBK", standard_name(detect_os_charset(0))) << "'" << c.value << "'";
  }
}

class DetectLanguage : public testing::Test {
 protected:
  ScopedEnv no_kplang_{"KPLANG", nullptr};
};

TEST_F(DetectLanguage, FollowsTheSystemLanguage) {
  EXPECT_STREQ("chinese", detect_language(1)->name);
}

TEST_F(DetectLanguage, KplangOverridesWithoutConsultingTheRegistry) {
  ScopedProductSetting setting(HKEY_CURRENT_USER, "Language", "german");
  const struct {
    std::string value;
    const char *language;
  } cases[] = {
      {"EN", "us_english"}, {"english", "us_english"}, {"US_English", "us_english"},
      {"xx", "us_english"}, {"norweg", "norwegian"},   {std::string(160, 'x'), "us_english"},
  };
  for (const auto &c : cases) {
    ScopedEnv set("KPLANG", c.value.c_str());
    EXPECT_STREQ(c.language, detect_language(1)->name) << c.value;
    EXPECT_STREQ("german", detect_language(0)->name) << c.value;
  }
}

TEST_F(DetectLanguage, RegistrySettingCurrentUserBeforeLocalMachine) {
  {
    ScopedProductSetting machine(HKEY_LOCAL_MACHINE, "Language", "french");
    EXPECT_STREQ("french", detect_language(1)->name);
    ScopedProductSetting user(HKEY_CURRENT_USER, "Language", "ja");
    EXPECT_STREQ("japanese", detect_language(1)->name);
  }
  {
    // A value of another type is skipped; an unknown name falls back to English.
    ScopedProductSetting user(HKEY_CURRENT_USER, "Language", "french", REG_EXPAND_SZ);
    EXPECT_STREQ("chinese", detect_language(1)->name);
    ScopedProductSetting machine(HKEY_LOCAL_MACHINE, "Language", "klingon");
    EXPECT_STREQ("us_english", detect_language(1)->name);
  }
}

TEST(DetectDefaultCollation, ExamplesOfSetAndLanguage) {
  const struct {
    const char *kpcharset, *kplang, *collation;
  } cases[] = {
      {nullptr, nullptr, "936ZHO"},          {nullptr, "english", "936ZHO"},
      {"cp1252", "norwegian", "1252NOR"},    {"cp1252", "german", "1252LATIN1"},
      {"cp1252", "japanese", "1252LATIN1"},  {"cp932", "english", "932JPN"},
      {"cp932", "german", "932JPN"},         {"US-ASCII", "english", "C"},
      {"US-ASCII", "german", "C"},           {"utf8", "english", "UTF8BIN"},
      {"utf8", "thai", "UTF8BIN"},           {"IBM437", "spanish", "437ESP"},
      // No collation of its own: the windows-1252 default for English.
      {"UTF-16", "french", "1252LATIN1"},    {"hp-roman8", "english", "1252LATIN1"},
  };
  for (const auto &c : cases) {
    ScopedEnv charset("KPCHARSET", c.kpcharset), language("KPLANG", c.kplang);
    EXPECT_STREQ(c.collation, detect_default_collation()->name)
        << (c.kpcharset ? c.kpcharset : "-") << "/" << (c.kplang ? c.kplang : "-");
  }
}

TEST(LocaleContext, HoldsTheDetectedRows) {
  ScopedEnv charset("KPCHARSET", "latin1"), language("KPLANG", "fr");
  UTLocaleContext context;
  EXPECT_STREQ("ISO_8859-1:1987", standard_name(context.os_charset));
  EXPECT_STREQ("GBK", standard_name(context.ansi_charset));
  EXPECT_STREQ("ANSI_X3.4-1968", standard_name(context.ascii_charset));
  EXPECT_STREQ("UTF-16", standard_name(context.utf16_charset));
  EXPECT_STREQ("UTF-8", standard_name(context.utf8_charset));
  EXPECT_STREQ("french", context.language->name);
  EXPECT_EQ(&ut_languages[0], context.english);
  EXPECT_EQ(nullptr, context.utf16_map_cache);
  for (UTBytemapEntry *bucket : context.bytemap_cache) EXPECT_EQ(nullptr, bucket);
  EXPECT_EQ(nullptr, context.icu);
}

// The destructor frees what the conversion code stored in the caches.
TEST(LocaleContext, FreesFilledCaches) {
  auto *context = new UTLocaleContext;
  EnterCriticalSection(&context->lock);
  context->utf16_map_cache = static_cast<WCHAR **>(ut_alloc_zeroed(UT_CHARSET_ID_COUNT * sizeof(WCHAR *)));
  context->utf16_map_cache[47] = static_cast<WCHAR *>(ut_alloc(256 * sizeof(WCHAR)));
  context->utf16_map_cache[1] = ut_utf16_map_failed;
  auto *first = static_cast<UTBytemapEntry *>(ut_alloc(sizeof(UTBytemapEntry)));
  auto *second = static_cast<UTBytemapEntry *>(ut_alloc(sizeof(UTBytemapEntry)));
  *first = {&ut_charsets[1], &ut_charsets[2], static_cast<unsigned char *>(ut_alloc(256)), second};
  *second = {&ut_charsets[1], &ut_charsets[3], nullptr, first};
  context->bytemap_cache[1] = first;
  LeaveCriticalSection(&context->lock);
  delete context;  // a double free or a walk round the ring would not come back
  SUCCEED();
}

// Runs this program again under another Unix locale and returns what it
// detects. Wine fixes a process's system locale from the Unix environment it
// starts in, so the child is started through env(1), a Unix program that
// Wine runs directly, without a process to wait for or pipes to inherit:
// the child leaves its report in a file.
std::string detect_in_child(const char *lang, const char *kpcharset) {
  char self[MAX_PATH], wine[MAX_PATH] = "/usr/lib/wine/wine64";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  GetEnvironmentVariableA("WINE", wine, MAX_PATH);
  TempDir dir;
  const std::string report = dir.path() + "detected.txt";
  std::string command = std::string("Z:\\usr\\bin\\env -u KPLANG -u KPCHARSET LANG=") + lang + " LC_ALL=" + lang +
                        (kpcharset ? std::string(" KPCHARSET=") + kpcharset : "") + " " + wine + " " + self +
                        " --detect=" + report;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return "";
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  for (int tries = 0; tries < 300 && GetFileAttributesA(report.c_str()) == INVALID_FILE_ATTRIBUTES; ++tries)
    Sleep(100);
  std::string output;
  if (FILE *in = fopen(report.c_str(), "r")) {
    char line[256] = "";
    fgets(line, sizeof line, in);
    fclose(in);
    output = line;
  }
  return output;
}

TEST(DetectInChild, FollowsTheSystemLocale) {
  const struct {
    const char *lang, *kpcharset, *expected;
  } cases[] = {
      {"zh_CN.UTF-8", nullptr, "936 GBK GBK chinese 936ZHO"},
      {"en_US.UTF-8", nullptr, "1252 windows-1252 windows-1252 us_english 1252LATIN1"},
      {"ja_JP.UTF-8", nullptr, "932 Windows-31J Windows-31J japanese 932JPN"},
      // Wine's code page 950 lacks the Hong Kong extension.
      {"zh_TW.UTF-8", nullptr, "950 Big5 Big5 tchinese 950ZHO_TW"},
      {"de_DE.UTF-8", nullptr, "1252 windows-1252 windows-1252 german 1252LATIN1"},
      {"nb_NO.UTF-8", nullptr, "1252 windows-1252 windows-1252 norwegian 1252NOR"},
      {"en_US.UTF-8", "utf8", "1252 UTF-8 windows-1252 us_english UTF8BIN"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(c.expected, detect_in_child(c.lang, c.kpcharset)) << c.lang;
  }
}

}  // namespace
