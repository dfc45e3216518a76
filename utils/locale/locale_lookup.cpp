#include "utils/locale/locale_lookup.h"

#include "utils/ut_fatal.h"

namespace {

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool equal_ignoring_ascii_case(const char *a, const char *b) {
  for (; *a && ascii_lower(*a) == ascii_lower(*b); ++a, ++b) {
  }
  return ascii_lower(*a) == ascii_lower(*b);
}

bool is_name_separator(char c) { return c == ' ' || c == '-' || c == '_'; }

const char *skip_separators(const char *text) {
  while (is_name_separator(*text)) ++text;
  return text;
}

// Equal once separators are dropped from both and A-Z folded; other bytes
// compare as they are.
bool equal_loosely(const char *a, const char *b) {
  for (;;) {
    a = skip_separators(a);
    b = skip_separators(b);
    if (ascii_lower(*a) != ascii_lower(*b)) return false;
    if (!*a) return true;
    ++a;
    ++b;
  }
}

// Windows language identifiers that share the table row of another one.
unsigned long remap_langid(unsigned long langid) {
  switch (langid) {
    case 0x0C04:  // Chinese (Hong Kong)
    case 0x1404:  // Chinese (Macao)
      return 0x0404;
    case 0x1004:  // Chinese (Singapore)
      return 0x0804;
  }
  return langid;
}

const unsigned long kPrimaryLanguageMask = 0x3FF;

}  // namespace

const UTCharsetInfo *find_charset(const char *name, unsigned int schemes) {
  if (!name) return nullptr;
  name = skip_separators(name);
  // Comparing first letters first keeps the loose comparison off most aliases.
  char first = ascii_lower(*name);
  for (const UTCharsetInfo &charset : ut_charsets)
    for (const UTCharsetAlias *alias = charset.aliases; alias->name; ++alias)
      if ((alias->schemes & schemes) && ascii_lower(alias->name[0]) == first && equal_loosely(alias->name, name))
        return &charset;
  return nullptr;
}

const UTCharsetInfo *find_charset_by_codepage(int code_page) {
  for (const UTCharsetInfo &charset : ut_charsets)
    if (charset.code_page == code_page) return &charset;
  return nullptr;
}

const UTLanguageInfo *find_language(const char *name) {
  if (!name) return nullptr;
  for (const UTLanguageInfo &language : ut_languages)
    if (equal_ignoring_ascii_case(language.name, name) ||
        (language.alt_name && equal_ignoring_ascii_case(language.alt_name, name)) ||
        equal_ignoring_ascii_case(language.code, name))
      return &language;
  return nullptr;
}

const UTLanguageInfo *find_language_by_langid(unsigned long langid) {
  langid = remap_langid(langid);
  for (const UTLanguageInfo &language : ut_languages)
    if (language.langid == langid) return &language;
  for (const UTLanguageInfo &language : ut_languages)
    if ((language.langid & kPrimaryLanguageMask) == (langid & kPrimaryLanguageMask)) return &language;
  return nullptr;
}

const UTCollationInfo *find_collation(const char *name) {
  if (!name) return nullptr;
  for (const UTCollationInfo &collation : ut_collations)
    if (equal_ignoring_ascii_case(collation.name, name)) return &collation;
  return nullptr;
}

const UTCollationInfo *find_default_collation_for(const UTCharsetInfo *charset, const UTLanguageInfo *language) {
  if (!charset) return nullptr;
  unsigned long bit = 1ul << (language ? language_index(language) : 0);
  for (const UTCollationInfo &collation : ut_collations)
    if (collation.charset == charset && (collation.default_for & bit)) return &collation;
  return nullptr;
}

const UTCharsetTables *get_custom_tables(const UTCollationInfo *collation) {
  if (!collation->custom) {
    // The line number is part of the report that support staff know.
    ut_assert_failed("Illegal function call for non-custom collation.", "utils\\locale\\utlocale", 519);
    return nullptr;
  }
  return collation->custom_tables;
}
