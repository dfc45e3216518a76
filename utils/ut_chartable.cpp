#include "utils/ut_chartable.h"

#include <windows.h>

namespace {

UTCharInfo g_table[256];
bool g_built = false;
bool g_has_lead_bytes = false;

// CharUpperA and CharLowerA convert a single character passed in the low
// word of the pointer argument.
unsigned char convert_char(LPSTR (WINAPI *convert)(LPSTR), unsigned char byte) {
  ULONG_PTR packed = byte;
  return static_cast<unsigned char>(reinterpret_cast<ULONG_PTR>(convert(reinterpret_cast<LPSTR>(packed))) & 0xFF);
}

}  // namespace

void ut_init_char_table() {
  if (g_built)
    return;
  for (int i = 0; i < 256; ++i) {
    unsigned char byte = static_cast<unsigned char>(i);
    UTCharInfo &info = g_table[i];
    bool letter = i != 0 && IsCharAlphaA(static_cast<CHAR>(byte));
    info.upper = letter ? convert_char(CharUpperA, byte) : 0;
    info.lower = letter ? convert_char(CharLowerA, byte) : 0;
    info.length = IsDBCSLeadByte(byte) ? 2 : 1;
    if (info.length == 2)
      g_has_lead_bytes = true;
  }
  g_built = true;
}

const UTCharInfo &ut_char_info(unsigned char byte) {
  ut_init_char_table();
  return g_table[byte];
}

bool ut_has_lead_bytes() {
  ut_init_char_table();
  return g_has_lead_bytes;
}
