#include "utils/locale/locale_context.h"

#include "utils/locale/locale_detect.h"
#include "utils/locale/locale_lookup.h"
#include "utils/ut_memory.h"

WCHAR ut_utf16_map_failed[1];

namespace {

// Holds a critical section for the lifetime of a scope.
class ScopedLock {
 public:
  explicit ScopedLock(CRITICAL_SECTION &lock) : lock_(lock) { EnterCriticalSection(&lock_); }
  ~ScopedLock() { LeaveCriticalSection(&lock_); }
  ScopedLock(const ScopedLock &) = delete;
  ScopedLock &operator=(const ScopedLock &) = delete;

 private:
  CRITICAL_SECTION &lock_;
};

}  // namespace

UTLocaleContext::UTLocaleContext() {
  InitializeCriticalSection(&lock);
  ScopedLock hold(lock);
  for (UTBytemapEntry *&bucket : bytemap_cache) bucket = nullptr;
  utf16_map_cache = nullptr;
  icu = nullptr;
  os_charset = detect_os_charset(1);
  ansi_charset = detect_os_charset(0);
  ascii_charset = find_charset("US-ASCII", UT_ALL_SCHEMES);
  utf16_charset = find_charset("UTF-16", UT_ALL_SCHEMES);
  utf8_charset = find_charset("UTF-8", UT_ALL_SCHEMES);
  language = detect_language(1);
  english = find_language("en");
}

UTLocaleContext::~UTLocaleContext() {
  {
    ScopedLock hold(lock);
    free_caches();
  }
  DeleteCriticalSection(&lock);
}

void UTLocaleContext::free_caches() {
  if (utf16_map_cache) {
    for (int id = 0; id < UT_CHARSET_ID_COUNT; ++id)
      if (utf16_map_cache[id] != ut_utf16_map_failed) ut_free(utf16_map_cache[id]);
    ut_free(utf16_map_cache);
    utf16_map_cache = nullptr;
  }
  for (UTBytemapEntry *&bucket : bytemap_cache) {
    if (!bucket) continue;
    UTBytemapEntry *entry = bucket->next;
    bucket->next = nullptr;  // open the ring so the walk ends
    while (entry) {
      UTBytemapEntry *next = entry->next;
      ut_free(entry->map);
      ut_free(entry);
      entry = next;
    }
    bucket = nullptr;
  }
}
