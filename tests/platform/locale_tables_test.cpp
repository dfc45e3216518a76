#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "utils/locale/locale_lookup.h"
#include "utils/ut_fatal.h"

namespace {

int position(const UTCharsetInfo *charset) { return charset ? int(charset - ut_charsets) : -1; }
const char *standard_name(const UTCharsetInfo *charset) {
  return charset ? charset->names[UT_SCHEME_STANDARD]->name : "(none)";
}
bool has_alias(const UTCharsetInfo &charset, const char *name) {
  for (const UTCharsetAlias *a = charset.aliases; a->name; ++a)
    if (_stricmp(a->name, name) == 0) return true;
  return false;
}

TEST(LocaleTables, LanguagesSitAtTheirIndexes) {
  EXPECT_STREQ("us_english", ut_languages[0].name);
  EXPECT_STREQ("english", ut_languages[0].alt_name);
  EXPECT_EQ(0x0406ul, ut_languages[8].langid);
  EXPECT_STREQ("tchinese", ut_languages[12].name);
  EXPECT_STREQ("tw", ut_languages[12].code);
  EXPECT_EQ(0x0804ul, ut_languages[13].langid);
  EXPECT_STREQ("thai", ut_languages[UT_LANGUAGE_COUNT - 1].name);
  for (int i = 0; i < UT_LANGUAGE_COUNT; ++i) {
    EXPECT_EQ(&ut_languages[i], find_language(ut_languages[i].name)) << i;
    EXPECT_EQ(&ut_languages[i], find_language(ut_languages[i].code)) << i;
    EXPECT_EQ(i, language_index(&ut_languages[i]));
  }
}

TEST(LocaleTables, CharsetIdsRunInTableOrderWithOneGap) {
  EXPECT_EQ(0, ut_charsets[0].id);
  EXPECT_EQ(25, ut_charsets[25].id);
  EXPECT_EQ(27, ut_charsets[26].id);  // no set has id 26
  EXPECT_EQ(UT_CHARSET_ID_UTF8, ut_charsets[UT_CHARSET_COUNT - 2].id);
  EXPECT_EQ(UT_CHARSET_ID_UTF16, ut_charsets[UT_CHARSET_COUNT - 1].id);
  for (int i = 1; i < UT_CHARSET_COUNT; ++i) EXPECT_LT(ut_charsets[i - 1].id, ut_charsets[i].id);
}

TEST(LocaleTables, NamesPointIntoTheirOwnAliasLists) {
  for (const UTCharsetInfo &charset : ut_charsets) {
    int aliases = 0;
    while (charset.aliases[aliases].name) ++aliases;
    for (const UTCharsetAlias *name : charset.names)
      if (name) {
        EXPECT_GE(name, charset.aliases) << standard_name(&charset);
        EXPECT_LT(name, charset.aliases + aliases) << standard_name(&charset);
      }
    EXPECT_NE(nullptr, charset.names[UT_SCHEME_STANDARD]);
    EXPECT_EQ(charset.max_bytes == 1, charset.high_map != nullptr) << standard_name(&charset);
    EXPECT_GE(charset.replacement_length, 1);
  }
  EXPECT_EQ(nullptr, find_charset("GB18030", UT_ALL_SCHEMES)->names[UT_SCHEME_SHORT]);
  EXPECT_EQ(nullptr, find_charset("GB18030", UT_ALL_SCHEMES)->names[UT_SCHEME_MIME]);
  EXPECT_STREQ("cp932", find_charset("Windows-31J", UT_ALL_SCHEMES)->names[UT_SCHEME_SHORT]->name);
  EXPECT_EQ(3, ut_charsets[UT_CHARSET_COUNT - 2].replacement_length);
}

// Every alias finds its own row, or an earlier row that lists it too.
TEST(LocaleTables, EveryAliasIsFoundOnTheFirstRowThatHasIt) {
  for (int row = 0; row < UT_CHARSET_COUNT; ++row)
    for (const UTCharsetAlias *a = ut_charsets[row].aliases; a->name; ++a) {
      const UTCharsetInfo *found = find_charset(a->name, UT_ALL_SCHEMES);
      ASSERT_NE(nullptr, found) << a->name;
      EXPECT_LE(position(found), row) << a->name;
      EXPECT_TRUE(has_alias(*found, a->name)) << a->name << " found " << standard_name(found);
      for (int earlier = 0; earlier < position(found); ++earlier)
        EXPECT_FALSE(has_alias(ut_charsets[earlier], a->name)) << a->name;
    }
}

TEST(LocaleTables, CharsetNamesCompareLoosely) {
  const struct {
    const char *name;
    const char *standard;  // null: nothing found
  } cases[] = {
      {"utf8", "UTF-8"}, {"UTF_8", "UTF-8"}, {" _utf-8", "UTF-8"}, {"utf-8", "UTF-8"}, {"U T F 8", "UTF-8"},
      {"latin1", "ISO_8859-1:1987"}, {"LATIN-1", "ISO_8859-1:1987"}, {"sjis", "Windows-31J"},
      {"Shift_JIS", "Shift_JIS"}, {"ibm-943_P15A-2003", "Windows-31J"}, {"TIS-620", "TIS-620"},
      {"cp874", "TIS-620"}, {"gbk", "GBK"}, {"big5", "Big5"}, {"windows-1252", "windows-1252"},
      {"-", nullptr}, {"", nullptr}, {"utf-9", nullptr}, {"xutf8", nullptr}, {"utf8x", nullptr},
  };
  for (const auto &c : cases) {
    const UTCharsetInfo *found = find_charset(c.name, UT_ALL_SCHEMES);
    if (c.standard)
      EXPECT_STREQ(c.standard, standard_name(found)) << c.name;
    else
      EXPECT_EQ(nullptr, found) << c.name;
  }
  EXPECT_EQ(nullptr, find_charset(nullptr, UT_ALL_SCHEMES));
  // The scheme masks take part: "ASCII" is only the Java name of its row.
  EXPECT_EQ(&ut_charsets[0], find_charset("ASCII", 1u << UT_SCHEME_JAVA));
  EXPECT_EQ(nullptr, find_charset("ASCII", 1u << UT_SCHEME_MIME));
  EXPECT_EQ(nullptr, find_charset("latin1", 0));
}

TEST(LocaleTables, CodePagesFindTheFirstRow) {
  EXPECT_STREQ("Windows-31J", standard_name(find_charset_by_codepage(932)));
  EXPECT_STREQ("Big5-HKSCS", standard_name(find_charset_by_codepage(950)));
  EXPECT_STREQ("GBK", standard_name(find_charset_by_codepage(936)));
  EXPECT_STREQ("TIS-620", standard_name(find_charset_by_codepage(874)));
  EXPECT_STREQ("UTF-8", standard_name(find_charset_by_codepage(65001)));
  EXPECT_EQ(nullptr, find_charset_by_codepage(12345));
}

TEST(LocaleTables, LanguagesByName) {
  for (const char *name : {"EN", "english", "US_English", "us_english"}) EXPECT_EQ(&ut_languages[0], find_language(name)) << name;
  EXPECT_EQ(&ut_languages[6], find_language("PORTUGUE"));
  EXPECT_EQ(&ut_languages[13], find_language("simpchin"));
  EXPECT_EQ(nullptr, find_language("xx"));
  EXPECT_EQ(nullptr, find_language("us-english"));
  EXPECT_EQ(nullptr, find_language(nullptr));
}

TEST(LocaleTables, LanguagesByLangid) {
  const struct {
    unsigned long langid;
    const char *name;  // null: no row
  } cases[] = {
      {0x0C0C, "french"},   {0x0C04, "tchinese"}, {0x1404, "tchinese"}, {0x1004, "chinese"},
      {0x0404, "tchinese"}, {0x0804, "chinese"},  {0x0007, "german"},   {0x0407, "german"},
      {0x0406, "danish"},   {0x0006, "danish"},   {0x0409, "us_english"}, {0x0004, "tchinese"},
      {0x041E, "thai"},     {0x0000, nullptr},    {0x0400, nullptr},    {0x0029, nullptr},
  };
  for (const auto &c : cases) {
    const UTLanguageInfo *found = find_language_by_langid(c.langid);
    if (c.name)
      EXPECT_STREQ(c.name, found ? found->name : "(none)") << std::hex << c.langid;
    else
      EXPECT_EQ(nullptr, found) << std::hex << c.langid;
  }
}

TEST(LocaleTables, Collations) {
  for (int i = 0; i < UT_COLLATION_COUNT; ++i) {
    EXPECT_EQ(&ut_collations[i], find_collation(ut_collations[i].name)) << i;
    EXPECT_EQ(0, ut_collations[i].custom);
    EXPECT_EQ(ut_collations[i].charset ? 'L' : 'I', ut_collations[i].implementation) << i;
    EXPECT_EQ(ut_collations[i].default_for, ut_collations[i].default_for & ut_collations[i].languages) << i;
  }
  EXPECT_STREQ("C", ut_collations[0].name);
  EXPECT_STREQ("internal", ut_collations[UT_COLLATION_COUNT - 1].name);
  EXPECT_STREQ("IBM850", standard_name(ut_collations[UT_COLLATION_COUNT - 1].charset));
  EXPECT_EQ(&ut_collations[6], find_collation("1252latin1"));
  EXPECT_EQ(nullptr, find_collation("1252-LATIN1"));
  EXPECT_EQ(nullptr, find_collation(nullptr));
  EXPECT_EQ(0x3FFFFFFul, find_collation("UTF8BIN")->default_for);
}

TEST(LocaleTables, DefaultCollationForASetAndLanguage) {
  const UTCharsetInfo *cp1252 = find_charset("windows-1252", UT_ALL_SCHEMES);
  const struct {
    const UTCharsetInfo *charset;
    const char *language;  // null: English by default
    const char *collation; // null: none
  } cases[] = {
      {cp1252, "norwegian", "1252NOR"}, {cp1252, "german", "1252LATIN1"}, {cp1252, "japanese", nullptr},
      {cp1252, nullptr, "1252LATIN1"},  {cp1252, "finnish", "1252SWEFIN"},
      {find_charset("cp932", UT_ALL_SCHEMES), "japanese", "932JPN"},
      {find_charset("Big5-HKSCS", UT_ALL_SCHEMES), "tchinese", "950ZHO_HK"},
      {find_charset("Big5-HKSCS", UT_ALL_SCHEMES), "english", "950ZHO_HK"},
      {find_charset("EUC-TW", UT_ALL_SCHEMES), "tchinese", nullptr},
      {find_charset("us-ascii", UT_ALL_SCHEMES), "english", "C"},
      {nullptr, "english", nullptr},
  };
  for (const auto &c : cases) {
    const UTCollationInfo *found = find_default_collation_for(c.charset, c.language ? find_language(c.language) : nullptr);
    if (c.collation)
      EXPECT_STREQ(c.collation, found ? found->name : "(none)") << standard_name(c.charset) << "/" << c.language;
    else
      EXPECT_EQ(nullptr, found) << standard_name(c.charset) << "/" << c.language;
  }
}

TEST(LocaleTables, ByteClassesCountTrailBytes) {
  const struct {
    const char *charset;
    unsigned char byte;
    int trail;
  } cases[] = {
      {"Windows-31J", 0x81, 1}, {"Windows-31J", 0x9F, 1}, {"Windows-31J", 0xA1, 0}, {"Windows-31J", 0xDF, 0},
      {"Windows-31J", 0xE0, 1}, {"Windows-31J", 0xFC, 1}, {"Windows-31J", 0x80, 0}, {"Windows-31J", 0x5C, 0},
      {"GBK", 0x80, 0},         {"GBK", 0x81, 1},         {"GBK", 0xFE, 1},         {"GBK", 0xFF, 0},
      {"EUC-JP", 0x8E, 1},      {"EUC-JP", 0x8F, 2},      {"EUC-JP", 0xA1, 1},      {"UTF-8", 0x7F, 0},
      {"UTF-8", 0x80, 0},       {"UTF-8", 0xC1, 0},       {"UTF-8", 0xC2, 1},       {"UTF-8", 0xDF, 1},
      {"UTF-8", 0xE0, 2},       {"UTF-8", 0xEF, 2},       {"UTF-8", 0xF0, 3},       {"UTF-8", 0xF4, 3},
      {"UTF-8", 0xF5, 0},       {"windows-1252", 0x81, 0}, {"Big5", 0xA4, 1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.trail, ut_trail_count(find_charset(c.charset, UT_ALL_SCHEMES), c.byte))
        << c.charset << " " << std::hex << int(c.byte);
}

// Windows itself says which bytes of a code page are lead bytes.
TEST(LocaleTables, LeadBytesAgreeWithWindows) {
  for (const UTCharsetInfo &charset : ut_charsets) {
    if (charset.max_bytes != 2 || !IsValidCodePage(charset.code_page)) continue;
    for (int b = 0x80; b < 0x100; ++b)
      EXPECT_EQ(IsDBCSLeadByteEx(charset.code_page, BYTE(b)) ? 1 : 0, ut_trail_count(&charset, BYTE(b)))
          << standard_name(&charset) << " " << std::hex << b;
  }
}

TEST(LocaleTables, CaseMapsFollowEachSet) {
  const struct {
    const char *charset;
    unsigned char byte, lower, upper;
  } cases[] = {
      {"windows-1252", 'a', 'a', 'A'},   {"windows-1252", 'Z', 'z', 'Z'},   {"windows-1252", 0xC0, 0xE0, 0xC0},
      {"windows-1252", 0xFF, 0xFF, 0x9F}, {"windows-1252", 0x8A, 0x9A, 0x8A}, {"ISO-8859-1", 0xFF, 0xFF, 0xFF},
      {"KOI8-R", 0xE1, 0xC1, 0xE1},      {"windows-1251", 0xC0, 0xE0, 0xC0}, {"IBM437", 0x80, 0x87, 0x80},
      {"Windows-31J", 'A', 'a', 'A'},    {"Windows-31J", 0x81, 0x81, 0x81}, {"UTF-8", 0xC3, 0xC3, 0xC3},
      {"UTF-8", 'q', 'q', 'Q'},          {"windows-1252", '1', '1', '1'},
  };
  for (const auto &c : cases) {
    const UTCharsetTables *t = find_charset(c.charset, UT_ALL_SCHEMES)->tables;
    EXPECT_EQ(c.lower, t->lower[c.byte]) << c.charset << " " << std::hex << int(c.byte);
    EXPECT_EQ(c.upper, t->upper[c.byte]) << c.charset << " " << std::hex << int(c.byte);
  }
}

// Where the table knows a character, Windows maps the byte to the same one.
// IBM's and Apple's variants of a few sets differ from Microsoft's in some
// positions; Microsoft's own sets must agree everywhere.
TEST(LocaleTables, HighMapsAgreeWithWindows) {
  int compared = 0;
  for (const UTCharsetInfo &charset : ut_charsets) {
    if (!charset.high_map || !IsValidCodePage(charset.code_page)) continue;
    bool microsoft = strncmp(standard_name(&charset), "windows-", 8) == 0;
    int differences = 0;
    for (int b = 0x80; b < 0x100; ++b) {
      char byte = char(b);
      WCHAR wide = 0;
      if (charset.high_map[b - 0x80] == 0xFFFD ||
          MultiByteToWideChar(charset.code_page, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1)
        continue;
      ++compared;
      if (wide == charset.high_map[b - 0x80]) continue;
      ++differences;
      EXPECT_FALSE(microsoft) << standard_name(&charset) << " " << std::hex << b;
    }
    EXPECT_LE(differences, 4) << standard_name(&charset);
  }
  EXPECT_GT(compared, 2000);
  EXPECT_EQ(0x20AC, find_charset("cp1252", UT_ALL_SCHEMES)->high_map[0]);
  EXPECT_EQ(0x00C7, find_charset("cp437", UT_ALL_SCHEMES)->high_map[0]);
}

TEST(LocaleTables, SortWeightsOrderLettersAndFoldCase) {
  const UTCharsetTables *t = find_charset("windows-1252", UT_ALL_SCHEMES)->tables;
  std::set<int> distinct(t->sort_weight, t->sort_weight + 256);
  EXPECT_EQ(256u, distinct.size());
  EXPECT_LT(t->sort_weight['a'], t->sort_weight['b']);
  EXPECT_LT(t->sort_weight['A'], t->sort_weight['b']);
  EXPECT_NE(t->sort_weight['a'], t->sort_weight['A']);
  EXPECT_LT(t->sort_weight['9'], t->sort_weight['a']);
  EXPECT_EQ(t->sort_weight_ci['a'], t->sort_weight_ci['A']);
  EXPECT_EQ(t->sort_weight_ci[0xE0], t->sort_weight_ci[0xC0]);
  EXPECT_LT(t->sort_weight_ci[0xE0], t->sort_weight_ci['b']);  // à sorts with a
}

std::string reported;

void throwing_report(const char *text, const char *, int, int *) {
  reported = text;
  throw std::string("reported");
}

TEST(LocaleTables, CustomTablesOfABuiltInCollationAreAnAssertion) {
  ut_report_hook saved = ut_report;
  ut_report = throwing_report;
  EXPECT_THROW(get_custom_tables(find_collation("936ZHO")), std::string);
  ut_report = saved;
  EXPECT_EQ(
      "Illegal function call for non-custom collation.\r\nFile 'utils\\locale\\utlocale' at line #519\r\n"
      "Aborting execution...",
      reported);

  UTCollationInfo custom = ut_collations[6];
  custom.custom = 1;
  custom.custom_tables = ut_charsets[0].tables;
  EXPECT_EQ(ut_charsets[0].tables, get_custom_tables(&custom));
}

}  // namespace
