// Writes the character-set table of the locale library as C++ source.
//
// Input: charsets.tsv (one row per character set, in search order).
// The byte classes, case maps and high maps come from the ICU converter that
// each row names in its ICU scheme, so they follow the set's published
// mapping; the sort weights rank the set's single-byte characters with the
// ICU root collator.
//
// Usage: gen_charset_table charsets.tsv > charset_table.cpp
#include <unicode/ucnv.h>
#include <unicode/ucol.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int kSchemeCount = 6;
const unsigned kAllSchemes = (1u << kSchemeCount) - 1;

struct Row {
  std::string id, code_page, replacement;
  int min_bytes = 0, max_bytes = 0;
  std::string names[kSchemeCount];  // "-" for none
  std::vector<std::string> aliases;
};

using Table = std::array<unsigned char, 256>;

struct Tables {
  Table sort_weight, sort_weight_ci, lower, upper, byte_class;
};

[[noreturn]] void fail(const std::string &what) {
  std::fprintf(stderr, "gen_charset_table: %s\n", what.c_str());
  std::exit(1);
}

std::vector<std::string> split(const std::string &text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);)
    if (!part.empty()) parts.push_back(part);
  return parts;
}

std::vector<Row> read_rows(const char *path) {
  std::ifstream in(path);
  if (!in) fail(std::string("cannot read ") + path);
  std::vector<Row> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f = split(line, '\t');
    if (f.size() != 6) fail("bad row: " + line);
    Row r;
    r.id = f[0];
    r.code_page = f[1];
    if (std::sscanf(f[2].c_str(), "%d-%d", &r.min_bytes, &r.max_bytes) != 2) fail("bad bytes: " + line);
    r.replacement = f[3];
    std::vector<std::string> names = split(f[4], '|');
    if (names.size() != kSchemeCount) fail("bad names: " + line);
    for (int i = 0; i < kSchemeCount; ++i) r.names[i] = names[i];
    r.aliases = split(f[5], ' ');
    rows.push_back(r);
  }
  return rows;
}

// One ICU converter that reports every unmapped or illegal sequence.
class Converter {
 public:
  explicit Converter(const char *name) {
    UErrorCode status = U_ZERO_ERROR;
    cnv_ = ucnv_open(name, &status);
    ucnv_setToUCallBack(cnv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(cnv_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  }
  ~Converter() { ucnv_close(cnv_); }
  bool ok() const { return cnv_ != nullptr; }

  // The one character the bytes decode to, or -1. truncated is set when
  // the bytes are the incomplete start of a longer character.
  UChar32 decode(const std::vector<unsigned char> &bytes, bool *truncated = nullptr) {
    UChar out[4];
    UChar *target = out;
    const char *source = reinterpret_cast<const char *>(bytes.data());
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(cnv_);
    ucnv_toUnicode(cnv_, &target, out + 4, &source, source + bytes.size(), nullptr, true, &status);
    if (truncated) *truncated = status == U_TRUNCATED_CHAR_FOUND;
    if (U_FAILURE(status)) return -1;
    int units = int(target - out);
    UChar32 c;
    int i = 0;
    U16_NEXT(out, i, units, c);
    return i == units ? c : -1;
  }

  // The single byte that encodes c and decodes back to it, or -1.
  int encode_single(UChar32 c) {
    UChar in[2];
    int length = 0;
    U16_APPEND_UNSAFE(in, length, c);
    char out[8];
    char *target = out;
    const UChar *source = in;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(cnv_);
    ucnv_fromUnicode(cnv_, &target, out + 8, &source, in + length, nullptr, true, &status);
    if (U_FAILURE(status) || target - out != 1) return -1;
    unsigned char byte = static_cast<unsigned char>(out[0]);
    return decode({byte}) == c ? byte : -1;
  }

 private:
  UConverter *cnv_ = nullptr;
};

// How many bytes follow the lead byte in the set's longest character form
// that exists for it; 1 when no sequence of up to four bytes is mapped.
int trail_count(Converter &cnv, unsigned char lead) {
  for (int t = 0x21; t <= 0xFE; ++t)
    if (cnv.decode({lead, static_cast<unsigned char>(t)}) >= 0) return 1;
  for (int t1 = 0xA1; t1 <= 0xFE; ++t1)
    for (int t2 = 0xA1; t2 <= 0xFE; ++t2)
      if (cnv.decode({lead, static_cast<unsigned char>(t1), static_cast<unsigned char>(t2)}) >= 0) return 2;
  for (int t1 = 0xA1; t1 <= 0xB0; ++t1)
    for (int t2 = 0xA1; t2 <= 0xFE; ++t2)
      for (int t3 = 0xA1; t3 <= 0xFE; ++t3)
        if (cnv.decode({lead, static_cast<unsigned char>(t1), static_cast<unsigned char>(t2),
                        static_cast<unsigned char>(t3)}) >= 0)
          return 3;
  return 1;
}

unsigned char classify(UChar32 c) {
  unsigned char bits = 0;
  if (u_isalpha(c)) bits |= 0x04;
  if (u_isdigit(c)) bits |= 0x08;
  if (u_isUWhiteSpace(c)) bits |= 0x10;
  if (u_isupper(c)) bits |= 0x20;
  if (u_islower(c)) bits |= 0x40;
  return bits;
}

// Ranks the bytes: single-byte characters in root collation order, then
// every other byte in byte order; ties keep byte order.
Table rank(const std::array<UChar32, 256> &chars, UCollator *collator) {
  std::vector<int> order(256);
  for (int i = 0; i < 256; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if ((chars[a] < 0) != (chars[b] < 0)) return chars[a] >= 0;
    if (chars[a] < 0) return false;
    UChar sa[2], sb[2];
    int la = 0, lb = 0;
    U16_APPEND_UNSAFE(sa, la, chars[a]);
    U16_APPEND_UNSAFE(sb, lb, chars[b]);
    return ucol_strcoll(collator, sa, la, sb, lb) == UCOL_LESS;
  });
  Table weights;
  for (int i = 0; i < 256; ++i) weights[order[i]] = static_cast<unsigned char>(i);
  return weights;
}

Tables identity_tables(int trail) {
  Tables t;
  for (int b = 0; b < 256; ++b) {
    t.sort_weight[b] = t.sort_weight_ci[b] = t.lower[b] = t.upper[b] = static_cast<unsigned char>(b);
    t.byte_class[b] = static_cast<unsigned char>(trail);
  }
  return t;
}

// The row's ICU converter; when this ICU build lacks that exact table
// version, the first alias it knows (a later version of the same table).
std::string converter_name(const Row &r) {
  if (Converter(r.names[3].c_str()).ok()) return r.names[3];
  for (const std::string &alias : r.aliases)
    if (Converter(alias.c_str()).ok()) return alias;
  fail("ICU has no converter for row " + r.id);
}

bool is_utf8(const Row &r) { return r.names[3] == "UTF-8"; }
bool is_utf16(const Row &r) { return r.names[3] == "UTF-16"; }

// UTF-8's lead bytes follow its definition, not the decoder's leniency.
int utf8_trail_count(int b) {
  if (b >= 0xC2 && b <= 0xDF) return 1;
  if (b >= 0xE0 && b <= 0xEF) return 2;
  if (b >= 0xF0 && b <= 0xF4) return 3;
  return 0;
}

Tables build_tables(const Row &r, UCollator *collator, std::array<UChar32, 256> &chars) {
  chars.fill(-1);
  // Every UTF-16 character is a pair of bytes; byte-wise case maps would
  // tear code units apart, so they stay identity.
  if (is_utf16(r)) return identity_tables(1);

  std::string name = converter_name(r);
  if (name != r.names[3]) std::printf("\n// %s: bytes from ICU's \"%s\"", r.names[3].c_str(), name.c_str());
  Converter cnv(name.c_str());
  Tables t = identity_tables(0);
  for (int b = 0; b < 256; ++b) {
    unsigned char byte = static_cast<unsigned char>(b);
    bool truncated = false;
    UChar32 c = cnv.decode({byte}, &truncated);
    if (is_utf8(r)) {
      t.byte_class[b] = static_cast<unsigned char>(utf8_trail_count(b));
      if (b >= 0x80) continue;
    } else if (truncated && r.max_bytes > 1) {
      t.byte_class[b] = static_cast<unsigned char>(trail_count(cnv, byte));
      continue;
    }
    if (c < 0) continue;
    chars[b] = c;
    t.byte_class[b] |= classify(c);
    int lower = cnv.encode_single(u_tolower(c));
    int upper = cnv.encode_single(u_toupper(c));
    if (lower >= 0) t.lower[b] = static_cast<unsigned char>(lower);
    if (upper >= 0) t.upper[b] = static_cast<unsigned char>(upper);
  }
  t.sort_weight = rank(chars, collator);
  for (int b = 0; b < 256; ++b) t.sort_weight_ci[b] = t.sort_weight[t.lower[b]];
  return t;
}

void print_bytes(const char *field, const Table &table) {
  std::printf("    /* %s */ {", field);
  for (int b = 0; b < 256; ++b) std::printf("%s%s%u", b ? "," : "", b % 16 ? "" : "\n      ", table[b]);
  std::printf("},\n");
}

void print_row_data(const Row &r, UCollator *collator) {
  std::array<UChar32, 256> chars;
  Tables t = build_tables(r, collator, chars);
  const std::string &id = r.id;

  std::printf("\n// %s\nconst UTCharsetAlias aliases_%s[] = {\n", r.names[0].c_str(), id.c_str());
  for (const std::string &alias : r.aliases) {
    unsigned mask = 0;
    for (int s = 0; s < kSchemeCount; ++s)
      if (r.names[s] == alias) mask |= 1u << s;
    // A name of no scheme is accepted under every scheme.
    std::printf("    {\"%s\", 0x%02X},\n", alias.c_str(), mask ? mask : kAllSchemes);
  }
  std::printf("    {nullptr, 0}};\n");

  if (r.max_bytes == 1) {
    std::printf("const WCHAR high_map_%s[128] = {", id.c_str());
    for (int b = 0x80; b < 0x100; ++b) {
      UChar32 c = chars[b];
      if (c < 0 || c > 0xFFFF) c = 0xFFFD;  // no character: the replacement character
      std::printf("%s0x%04X", (b - 0x80) % 8 ? ", " : (b == 0x80 ? "\n    " : ",\n    "), unsigned(c));
    }
    std::printf("};\n");
  }

  std::printf("const UTCharsetTables tables_%s = {\n", id.c_str());
  print_bytes("sort_weight", t.sort_weight);
  print_bytes("sort_weight_ci", t.sort_weight_ci);
  print_bytes("lower", t.lower);
  print_bytes("upper", t.upper);
  print_bytes("byte_class", t.byte_class);
  std::printf("};\n");
}

int alias_index(const Row &r, const std::string &name) {
  for (size_t i = 0; i < r.aliases.size(); ++i)
    if (r.aliases[i] == name) return int(i);
  fail("row " + r.id + ": name " + name + " is none of its aliases");
}

void print_row(const Row &r) {
  std::printf("    {{");
  for (int s = 0; s < kSchemeCount; ++s) {
    if (s) std::printf(", ");
    if (r.names[s] == "-")
      std::printf("nullptr");
    else
      std::printf("&aliases_%s[%d]", r.id.c_str(), alias_index(r, r.names[s]));
  }
  std::printf("},\n     aliases_%s, %s, %s, %d, %d, %s, ", r.id.c_str(),
              r.max_bytes == 1 ? ("high_map_" + r.id).c_str() : "nullptr", r.code_page.c_str(), r.min_bytes,
              r.max_bytes, r.id.c_str());
  size_t length = r.replacement.size() / 2;
  std::printf("%zu, {", length);
  for (size_t i = 0; i < length; ++i) std::printf("%s0x%s", i ? ", " : "", r.replacement.substr(2 * i, 2).c_str());
  std::printf("}, &tables_%s},\n", r.id.c_str());
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) fail("usage: gen_charset_table charsets.tsv");
  std::vector<Row> rows = read_rows(argv[1]);
  UErrorCode status = U_ZERO_ERROR;
  UCollator *collator = ucol_open("", &status);
  if (U_FAILURE(status)) fail("no root collator");

  std::printf("// Generated by tools/gen-locale-tables from charsets.tsv with ICU %s. Do not edit.\n", U_ICU_VERSION);
  std::printf("#include \"utils/locale/locale_tables.h\"\n\nnamespace {\n");
  for (const Row &r : rows) print_row_data(r, collator);
  std::printf("\n}  // namespace\n\nconst UTCharsetInfo ut_charsets[UT_CHARSET_COUNT] = {\n");
  for (const Row &r : rows) print_row(r);
  std::printf("};\n");
  ucol_close(collator);
  return 0;
}
