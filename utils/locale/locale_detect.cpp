#include "utils/locale/locale_detect.h"

#include "utils/locale/locale_lookup.h"
#include "utils/ut_system.h"

namespace {

// Environment values are read into buffers of this size; a longer value
// leaves the buffer empty and so names nothing.
const size_t kEnvironmentValueSize = 150;
const size_t kLanguageSettingSize = 50;

// The value of an environment variable, or null when it is not set.
const char *environment_value(const char *name, char (&buffer)[kEnvironmentValueSize]) {
  buffer[0] = '\0';
  return ut_getenv(name, buffer, sizeof buffer);
}

// Code page 950 with the Hong Kong extension maps FE FE to U+79D4; the
// plain Big5 code page has no character there.
const UTCharsetInfo *big5_variant() {
  const char bytes[] = {'\xFE', '\xFE'};
  WCHAR wide[2] = {};
  int count = MultiByteToWideChar(950, 0, bytes, 2, wide, 2);
  bool hkscs = count == 1 && wide[0] == 0x79D4;
  return find_charset(hkscs ? "Big5-HKSCS" : "Big5", UT_ALL_SCHEMES);
}

}  // namespace

const UTCharsetInfo *detect_os_charset(int use_environment) {
  const UTCharsetInfo *charset = nullptr;
  char value[kEnvironmentValueSize];
  if (use_environment && environment_value("KPCHARSET", value)) {
    charset = find_charset(value, UT_ALL_SCHEMES);
  } else {
    UINT code_page = GetACP();
    // Both Big5 rows carry code page 950, so the table cannot tell them apart.
    charset = code_page == 950 ? big5_variant() : find_charset_by_codepage(int(code_page));
  }
  return charset ? charset : find_charset("windows-1252", UT_ALL_SCHEMES);
}

const UTLanguageInfo *detect_language(int use_environment) {
  const UTLanguageInfo *language = nullptr;
  char value[kEnvironmentValueSize];
  char setting[kLanguageSettingSize];
  if (use_environment && environment_value("KPLANG", value))
    language = find_language(value);
  else if (read_product_setting(UT_PRODUCT_VERSION, "Language", setting, sizeof setting))
    language = find_language(setting);
  else
    language = find_language_by_langid(GetSystemDefaultLangID());
  return language ? language : find_language("english");
}

const UTCollationInfo *detect_default_collation() {
  const UTCharsetInfo *charset = detect_os_charset(1);
  const UTLanguageInfo *language = detect_language(1);
  const UTLanguageInfo *english = &ut_languages[0];
  if (const UTCollationInfo *c = find_default_collation_for(charset, language)) return c;
  if (const UTCollationInfo *c = find_default_collation_for(charset, english)) return c;
  if (const UTCollationInfo *c = find_default_collation_for(find_charset("windows-1252", UT_ALL_SCHEMES), english))
    return c;
  return find_collation("1252LATIN1");
}
