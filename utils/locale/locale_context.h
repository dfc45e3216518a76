// The process-wide locale context: the machine's character sets and language,
// detected once when the context is built, and the conversion caches.
#pragma once
#include <windows.h>

#include "utils/locale/locale_tables.h"

// One conversion map between two single-byte sets, a link of a circular list.
struct UTBytemapEntry {
  const UTCharsetInfo *source;
  const UTCharsetInfo *target;
  unsigned char *map;  // 256 bytes, or null when no map could be built
  UTBytemapEntry *next;
};

// Marks a set whose UTF-16 map could not be built; it holds no memory.
extern WCHAR ut_utf16_map_failed[1];

class UTICUBinding;

class UTLocaleContext {
 public:
  static const int kBytemapBuckets = 32;

  // Detects the character sets and the language (see locale_detect.h).
  UTLocaleContext();
  ~UTLocaleContext();
  UTLocaleContext(const UTLocaleContext &) = delete;
  UTLocaleContext &operator=(const UTLocaleContext &) = delete;

  // Guards the caches and the context's construction and destruction.
  CRITICAL_SECTION lock;
  const UTCharsetInfo *os_charset;    // with the KPCHARSET override
  const UTCharsetInfo *ansi_charset;  // the ANSI code page's set
  const UTCharsetInfo *ascii_charset;
  const UTCharsetInfo *utf16_charset;
  const UTCharsetInfo *utf8_charset;
  const UTLanguageInfo *language;     // with the KPLANG override
  const UTLanguageInfo *english;
  // Bucket = source set id modulo kBytemapBuckets; each a circular list.
  UTBytemapEntry *bytemap_cache[kBytemapBuckets];
  // UT_CHARSET_ID_COUNT tables of 256 code units, allocated on first use;
  // an entry is null, a table, or ut_utf16_map_failed.
  WCHAR **utf16_map_cache;
  UTICUBinding *icu;  // owned; null while no ICU library is bound

 private:
  void free_caches();
};
