// Finding rows of the language, character-set and collation tables.
// Every lookup takes zero-terminated text; a null name finds nothing.
#pragma once
#include "utils/locale/locale_tables.h"

// The first set with an alias in one of the schemes that matches name
// loosely: spaces, hyphens and underscores do not count, nor does ASCII case.
const UTCharsetInfo *find_charset(const char *name, unsigned int schemes);
const UTCharsetInfo *find_charset_by_codepage(int code_page);

// By name, second name or two-letter code, ignoring ASCII case.
const UTLanguageInfo *find_language(const char *name);
// By Windows language identifier, falling back to the primary language.
const UTLanguageInfo *find_language_by_langid(unsigned long langid);
inline int language_index(const UTLanguageInfo *language) { return int(language - ut_languages); }

// By name, ignoring ASCII case only.
const UTCollationInfo *find_collation(const char *name);
// The first collation of charset that is the default for language
// (null language: English).
const UTCollationInfo *find_default_collation_for(const UTCharsetInfo *charset, const UTLanguageInfo *language);
