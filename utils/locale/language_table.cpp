// The languages the library knows, in index order: a language's index is
// its bit in the collation masks.
#include "utils/locale/locale_tables.h"

const UTLanguageInfo ut_languages[UT_LANGUAGE_COUNT] = {
    {0x0009, "us_english", "english", "en"},  // 0
    {0x000C, "french", nullptr, "fr"},  // 1
    {0x0007, "german", nullptr, "de"},  // 2
    {0x000A, "spanish", nullptr, "es"},  // 3
    {0x0011, "japanese", nullptr, "ja"},  // 4
    {0x0012, "korean", nullptr, "ko"},  // 5
    {0x0016, "portuguese", "portugue", "pt"},  // 6
    {0x0010, "italian", nullptr, "it"},  // 7
    {0x0406, "danish", nullptr, "da"},  // 8
    {0x0014, "norwegian", "norweg", "no"},  // 9
    {0x001D, "swedish", nullptr, "sv"},  // 10
    {0x000B, "finnish", nullptr, "fi"},  // 11
    {0x0404, "tchinese", "tradchin", "tw"},  // 12
    {0x0804, "chinese", "simpchin", "zh"},  // 13
    {0x0015, "polish", nullptr, "pl"},  // 14
    {0x0019, "russian", nullptr, "ru"},  // 15
    {0x0022, "ukrainian", nullptr, "uk"},  // 16
    {0x0005, "czech", nullptr, "cs"},  // 17
    {0x000E, "hungarian", nullptr, "hu"},  // 18
    {0x0008, "greek", nullptr, "el"},  // 19
    {0x000D, "hebrew", nullptr, "he"},  // 20
    {0x0001, "arabic", nullptr, "ar"},  // 21
    {0x001F, "turkish", nullptr, "tr"},  // 22
    {0x0013, "dutch", nullptr, "nl"},  // 23
    {0x0027, "lithuanian", nullptr, "lt"},  // 24
    {0x001E, "thai", nullptr, "th"},  // 25
};
