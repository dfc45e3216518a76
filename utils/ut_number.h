// Number to text and text to number in any base from 2 to 36.
#pragma once
#include <cstdint>

// Write the digits into out, which must be large enough (65 bytes always are).
// Digits above 9 are lower-case letters; a base outside 2..36 writes "".
char *ut_utoa(uint32_t value, char *out, int base);
// Base 10 writes a sign and the magnitude; other bases write the bit pattern.
char *ut_itoa(int32_t value, char *out, int base);
char *ut_u64toa(uint64_t value, char *out, int base);
char *ut_i64toa(int64_t value, char *out, int base);

// Base 0 picks 16 for a "0x"/"0X" prefix, 8 for a leading "0", else 10.
// Another base outside 2..36 gives 0, *end = text and errno EINVAL (22).
// No sign, no white space. Overflow gives all ones, errno ERANGE (34), and
// *end at the digit that overflowed. end may be null.
uint32_t ut_strtou32(const char *text, char **end, int base);
uint64_t ut_strtou64(const char *text, char **end, int base);
