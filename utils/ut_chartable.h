// The process-wide character table of the ANSI code page: case forms and the
// byte length of the character each byte starts.
#pragma once

struct UTCharInfo {
  unsigned char upper;   // 0 when the byte is no letter
  unsigned char lower;
  unsigned char length;  // 2 for a lead byte, else 1
};

// Builds the table; later calls do nothing. The readers below build it
// on first use too.
void ut_init_char_table();
const UTCharInfo &ut_char_info(unsigned char byte);
// Whether the code page has any lead byte.
bool ut_has_lead_bytes();
