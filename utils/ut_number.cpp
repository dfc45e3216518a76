#include "utils/ut_number.h"

#include <cerrno>

namespace {

const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";

bool base_ok(int base) { return base >= 2 && base <= 36; }

// Digits of value, most significant first, into out.
char *write_unsigned(uint64_t value, char *out, int base, bool negative) {
  if (!base_ok(base)) {
    out[0] = '\0';
    return out;
  }
  char reversed[64];
  int n = 0;
  do {
    reversed[n++] = kDigits[value % static_cast<unsigned>(base)];
    value /= static_cast<unsigned>(base);
  } while (value != 0);
  char *p = out;
  if (negative)
    *p++ = '-';
  while (n > 0)
    *p++ = reversed[--n];
  *p = '\0';
  return out;
}

int digit_value(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'z')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z')
    return c - 'A' + 10;
  return 99;
}

uint64_t read_unsigned(const char *text, char **end, int base, uint64_t max) {
  const char *p = text;
  if (base == 0) {
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
      base = 16;
      p += 2;
    } else if (p[0] == '0') {
      base = 8;
      p += 1;
    } else {
      base = 10;
    }
  } else if (!base_ok(base)) {
    if (end)
      *end = const_cast<char *>(text);
    errno = EINVAL;
    return 0;
  }

  uint64_t value = 0;
  for (int d; (d = digit_value(*p)) < base; ++p) {
    uint64_t b = static_cast<uint64_t>(base);
    if (value > (max - static_cast<uint64_t>(d)) / b) {
      errno = ERANGE;
      value = max;
      break;
    }
    value = value * b + static_cast<uint64_t>(d);
  }
  if (end)
    *end = const_cast<char *>(p);
  return value;
}

}  // namespace

char *ut_utoa(uint32_t value, char *out, int base) { return write_unsigned(value, out, base, false); }

char *ut_u64toa(uint64_t value, char *out, int base) { return write_unsigned(value, out, base, false); }

char *ut_itoa(int32_t value, char *out, int base) {
  if (base == 10 && value < 0)
    return write_unsigned(0u - static_cast<uint32_t>(value), out, base, true);
  return write_unsigned(static_cast<uint32_t>(value), out, base, false);
}

char *ut_i64toa(int64_t value, char *out, int base) {
  if (base == 10 && value < 0)
    return write_unsigned(0u - static_cast<uint64_t>(value), out, base, true);
  return write_unsigned(static_cast<uint64_t>(value), out, base, false);
}

uint32_t ut_strtou32(const char *text, char **end, int base) {
  return static_cast<uint32_t>(read_unsigned(text, end, base, UINT32_MAX));
}

uint64_t ut_strtou64(const char *text, char **end, int base) { return read_unsigned(text, end, base, UINT64_MAX); }
