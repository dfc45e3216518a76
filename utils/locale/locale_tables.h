// The library's built-in knowledge of languages, character sets and
// collations: three read-only tables and the row types they are made of.
#pragma once
#include <windows.h>

// The naming schemes a character-set alias can belong to.
enum UTCharsetScheme {
  UT_SCHEME_STANDARD = 0,
  UT_SCHEME_STANDARD2 = 1,
  UT_SCHEME_MIME = 2,
  UT_SCHEME_ICU = 3,
  UT_SCHEME_JAVA = 4,
  UT_SCHEME_SHORT = 5,
  UT_SCHEME_COUNT = 6
};
const unsigned int UT_ALL_SCHEMES = 0xFFFFFFFFu;

struct UTLanguageInfo {
  unsigned long langid;  // primary language only, or a full identifier
  const char *name;
  const char *alt_name;  // null when the language has no second name
  const char *code;      // two letters, also used in resource module names
};

struct UTCharsetAlias {
  const char *name;      // null ends an alias list
  unsigned int schemes;  // bit n: the alias belongs to naming scheme n
};

// Five tables indexed by byte value.
struct UTCharsetTables {
  unsigned char sort_weight[256];     // case-sensitive
  unsigned char sort_weight_ci[256];  // case-insensitive
  unsigned char lower[256];
  unsigned char upper[256];
  unsigned char byte_class[256];      // see UT_BYTE_* below
};

// Byte-class bits. The low two bits count the bytes that follow a lead byte.
const unsigned char UT_BYTE_TRAIL_COUNT = 0x03;
const unsigned char UT_BYTE_ALPHA = 0x04;
const unsigned char UT_BYTE_DIGIT = 0x08;
const unsigned char UT_BYTE_SPACE = 0x10;
const unsigned char UT_BYTE_UPPER = 0x20;
const unsigned char UT_BYTE_LOWER = 0x40;

struct UTCharsetInfo {
  const UTCharsetAlias *names[UT_SCHEME_COUNT];  // into aliases, or null
  const UTCharsetAlias *aliases;
  const WCHAR *high_map;  // bytes 0x80..0xFF of a single-byte set, else null
  int code_page;          // -1 when Windows has none
  unsigned char min_bytes;
  unsigned char max_bytes;
  unsigned char id;       // cache index, 0..UT_CHARSET_ID_COUNT-1
  unsigned char replacement_length;
  unsigned char replacement[4];
  const UTCharsetTables *tables;
};

struct UTCollationInfo {
  const char *name;
  const UTCharsetInfo *charset;  // null for the ICU-driven "UCA"
  unsigned long languages;       // bit n: suitable for language index n
  unsigned long default_for;     // bit n: default of its set for language n
  char implementation;           // 'L' legacy tables, 'I' ICU
  unsigned char custom;          // 1 for a user-defined collation
  const UTCharsetTables *custom_tables;  // only for custom rows
};

const int UT_LANGUAGE_COUNT = 26;
const int UT_CHARSET_COUNT = 55;
const int UT_CHARSET_ID_COUNT = 56;  // ids run to 55, one id is unused
const int UT_COLLATION_COUNT = 67;
const unsigned char UT_CHARSET_ID_UTF8 = 54;
const unsigned char UT_CHARSET_ID_UTF16 = 55;

extern const UTLanguageInfo ut_languages[UT_LANGUAGE_COUNT];
extern const UTCharsetInfo ut_charsets[UT_CHARSET_COUNT];
extern const UTCollationInfo ut_collations[UT_COLLATION_COUNT];

// How many bytes follow the byte when it starts a character.
inline int ut_trail_count(const UTCharsetInfo *charset, unsigned char byte) {
  return charset->tables->byte_class[byte] & UT_BYTE_TRAIL_COUNT;
}

// The tables of a user-defined collation. Built-in rows have none: asking
// is an assertion failure, after which null is returned.
const UTCharsetTables *get_custom_tables(const UTCollationInfo *collation);
