// The built-in collations in search order, each with the languages it suits
// and those for which it is its character set's default.
#include "utils/locale/locale_tables.h"

namespace {

constexpr unsigned long bit(int language) { return 1ul << language; }
constexpr unsigned long kAllLanguages = (1ul << UT_LANGUAGE_COUNT) - 1;
constexpr unsigned long kNone = 0;
// Western European languages that share the Latin-1 collations.
constexpr unsigned long kLatin1 = bit(0) | bit(1) | bit(2) | bit(3) | bit(6) | bit(7) | bit(8) | bit(9) |
                                  bit(10) | bit(11) | bit(23);

}  // namespace

const UTCollationInfo ut_collations[UT_COLLATION_COUNT] = {
    {"C", &ut_charsets[0], bit(0), bit(0), 'L', 0, nullptr},  // ANSI_X3.4-1968
    {"UCA", nullptr, kAllLanguages, kNone, 'I', 0, nullptr},
    {"1250LATIN2", &ut_charsets[44], bit(0) | bit(17) | bit(18), bit(0) | bit(17) | bit(18), 'L', 0, nullptr},  // windows-1250
    {"1250POL", &ut_charsets[44], bit(0) | bit(14), bit(14), 'L', 0, nullptr},  // windows-1250
    {"1251CYR", &ut_charsets[45], bit(0) | bit(15) | bit(16), bit(0) | bit(15) | bit(16), 'L', 0, nullptr},  // windows-1251
    {"1252DEU", &ut_charsets[46], bit(0) | bit(2), kNone, 'L', 0, nullptr},  // windows-1252
    {"1252LATIN1", &ut_charsets[46], bit(0) | bit(1) | bit(2) | bit(6) | bit(7) | bit(8) | bit(23), bit(0) | bit(1) | bit(2) | bit(6) | bit(7) | bit(8) | bit(23), 'L', 0, nullptr},  // windows-1252
    {"1252NOR", &ut_charsets[46], bit(0) | bit(9), bit(9), 'L', 0, nullptr},  // windows-1252
    {"1252SPA", &ut_charsets[46], bit(0) | bit(3), bit(3), 'L', 0, nullptr},  // windows-1252
    {"1252SWEFIN", &ut_charsets[46], bit(0) | bit(10) | bit(11), bit(10) | bit(11), 'L', 0, nullptr},  // windows-1252
    {"1253ELL", &ut_charsets[47], bit(0) | bit(19), bit(0) | bit(19), 'L', 0, nullptr},  // windows-1253
    {"1254TRK", &ut_charsets[48], bit(0) | bit(22), bit(0) | bit(22), 'L', 0, nullptr},  // windows-1254
    {"1254TRKALT", &ut_charsets[48], bit(0) | bit(22), kNone, 'L', 0, nullptr},  // windows-1254
    {"1255HEB", &ut_charsets[49], bit(0) | bit(20), bit(0) | bit(20), 'L', 0, nullptr},  // windows-1255
    {"1256ARA", &ut_charsets[50], bit(0) | bit(21), bit(0) | bit(21), 'L', 0, nullptr},  // windows-1256
    {"1257LIT", &ut_charsets[51], bit(0) | bit(24), bit(0) | bit(24), 'L', 0, nullptr},  // windows-1257
    {"437EBCDIC", &ut_charsets[3], bit(0), kNone, 'L', 0, nullptr},  // IBM437
    {"437ESP", &ut_charsets[3], bit(0) | bit(3), bit(3), 'L', 0, nullptr},  // IBM437
    {"437LATIN1", &ut_charsets[3], bit(0), bit(0), 'L', 0, nullptr},  // IBM437
    {"819DAN", &ut_charsets[1], bit(0) | bit(8), kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"819ESP", &ut_charsets[1], bit(0) | bit(3), kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"819ISL", &ut_charsets[1], bit(0), kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"819LATIN1", &ut_charsets[1], kLatin1, kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"819NOR", &ut_charsets[1], bit(0) | bit(9), kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"819SVE", &ut_charsets[1], bit(0) | bit(10), kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"850DAN", &ut_charsets[2], bit(0) | bit(8), kNone, 'L', 0, nullptr},  // IBM850
    {"850ESP", &ut_charsets[2], bit(0) | bit(3), kNone, 'L', 0, nullptr},  // IBM850
    {"850ISL", &ut_charsets[2], bit(0), kNone, 'L', 0, nullptr},  // IBM850
    {"850LATIN1", &ut_charsets[2], kLatin1, kLatin1, 'L', 0, nullptr},  // IBM850
    {"850NOR", &ut_charsets[2], bit(0) | bit(9), kNone, 'L', 0, nullptr},  // IBM850
    {"850SVE", &ut_charsets[2], bit(0) | bit(10), kNone, 'L', 0, nullptr},  // IBM850
    {"852CYR", &ut_charsets[27], bit(0) | bit(17) | bit(18), kNone, 'L', 0, nullptr},  // IBM852
    {"852LATIN2", &ut_charsets[27], bit(0) | bit(17) | bit(18), bit(0) | bit(17) | bit(18), 'L', 0, nullptr},  // IBM852
    {"852POL", &ut_charsets[27], bit(0) | bit(14), bit(14), 'L', 0, nullptr},  // IBM852
    {"855CYR", &ut_charsets[28], bit(0) | bit(15) | bit(16), bit(0) | bit(15) | bit(16), 'L', 0, nullptr},  // IBM855
    {"856HEB", &ut_charsets[29], bit(0) | bit(20), bit(0) | bit(20), 'L', 0, nullptr},  // IBM856
    {"857TRK", &ut_charsets[30], bit(0) | bit(22), bit(0) | bit(22), 'L', 0, nullptr},  // IBM857
    {"860LATIN1", &ut_charsets[31], kLatin1, kLatin1, 'L', 0, nullptr},  // IBM860
    {"861ISL", &ut_charsets[32], bit(0), bit(0), 'L', 0, nullptr},  // IBM861
    {"862HEB", &ut_charsets[33], bit(0) | bit(20), bit(0) | bit(20), 'L', 0, nullptr},  // IBM862
    {"863LATIN1", &ut_charsets[34], bit(0) | bit(1), bit(0) | bit(1), 'L', 0, nullptr},  // IBM863
    {"865NOR", &ut_charsets[36], bit(0) | bit(8) | bit(9) | bit(10) | bit(11), bit(0) | bit(8) | bit(9) | bit(10) | bit(11), 'L', 0, nullptr},  // IBM865
    {"866RUS", &ut_charsets[37], bit(0) | bit(15), bit(0) | bit(15), 'L', 0, nullptr},  // IBM866
    {"869ELL", &ut_charsets[38], bit(0) | bit(19), bit(0) | bit(19), 'L', 0, nullptr},  // IBM869
    {"874THAIBIN", &ut_charsets[23], bit(0) | bit(25), bit(0) | bit(25), 'L', 0, nullptr},  // TIS-620
    {"920TRK", &ut_charsets[16], bit(0) | bit(22), bit(0) | bit(22), 'L', 0, nullptr},  // ISO_8859-9:1989
    {"932JPN", &ut_charsets[6], bit(0) | bit(4), bit(0) | bit(4), 'L', 0, nullptr},  // Windows-31J
    {"936ZHO", &ut_charsets[41], bit(0) | bit(13), bit(0) | bit(13), 'L', 0, nullptr},  // GBK
    {"949KOR", &ut_charsets[42], bit(0) | bit(5), bit(0) | bit(5), 'L', 0, nullptr},  // IBM949
    {"950TWN", &ut_charsets[24], bit(0) | bit(12), kNone, 'L', 0, nullptr},  // Big5-HKSCS
    {"950ZHO_HK", &ut_charsets[24], bit(0) | bit(12), bit(0) | bit(12), 'L', 0, nullptr},  // Big5-HKSCS
    {"950ZHO_TW", &ut_charsets[25], bit(0) | bit(12), bit(0) | bit(12), 'L', 0, nullptr},  // Big5
    {"EUC_CHINA", &ut_charsets[9], bit(0) | bit(13), bit(0) | bit(13), 'L', 0, nullptr},  // GB2312
    {"EUC_JAPAN", &ut_charsets[8], bit(0) | bit(4), bit(0) | bit(4), 'L', 0, nullptr},  // Extended_UNIX_Code_Packed_Format_for_Japanese
    {"EUC_KOREA", &ut_charsets[26], bit(0) | bit(5), bit(0) | bit(5), 'L', 0, nullptr},  // EUC-KR
    {"EUC_TAIWAN", &ut_charsets[10], bit(0) | bit(12), kNone, 'L', 0, nullptr},  // EUC-TW
    {"ISO1LATIN1", &ut_charsets[1], kLatin1, kLatin1, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"ISO9LATIN1", &ut_charsets[17], kLatin1, kLatin1, 'L', 0, nullptr},  // ISO-8859-15
    {"ISO_1", &ut_charsets[1], kLatin1, kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"ISO_BINENG", &ut_charsets[1], kLatin1, kNone, 'L', 0, nullptr},  // ISO_8859-1:1987
    {"UTF8", &ut_charsets[53], kAllLanguages, kNone, 'L', 0, nullptr},  // UTF-8
    {"UTF8BIN", &ut_charsets[53], kAllLanguages, kAllLanguages, 'L', 0, nullptr},  // UTF-8
    {"SJIS", &ut_charsets[7], bit(0) | bit(4), kNone, 'L', 0, nullptr},  // Shift_JIS
    {"SJIS2", &ut_charsets[7], bit(0) | bit(4), bit(0) | bit(4), 'L', 0, nullptr},  // Shift_JIS
    {"WIN_LATIN1", &ut_charsets[46], bit(0) | bit(1) | bit(2) | bit(6) | bit(7) | bit(8) | bit(23), kNone, 'L', 0, nullptr},  // windows-1252
    {"WIN_LATIN5", &ut_charsets[48], bit(0) | bit(22), kNone, 'L', 0, nullptr},  // windows-1254
    {"internal", &ut_charsets[2], bit(0), kNone, 'L', 0, nullptr},  // IBM850
};
