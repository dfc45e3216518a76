#include "utils/ut_winver.h"

#include <windows.h>

UTWindowsVersion ut_decode_version(unsigned long version) {
  UTWindowsVersion v;
  v.is_nt = (version & 0x80000000ul) == 0;
  v.major = static_cast<int>(version & 0xFF);
  v.minor = static_cast<int>((version >> 8) & 0xFF);
  v.build = v.is_nt ? static_cast<int>((version >> 16) & 0x7FFF) : 0;
  if (v.is_nt)
    v.kind = 4;
  else if (v.major == 4 && v.minor == 0)
    v.kind = 1;
  else if (v.major == 4 && v.minor == 10)
    v.kind = 2;
  else
    v.kind = 3;
  return v;
}

const UTWindowsVersion &ut_windows_version() {
  static const UTWindowsVersion version = ut_decode_version(GetVersion());
  return version;
}

int ut_is_win9x() { return !ut_windows_version().is_nt; }

int ut_is_nt60() {
  const UTWindowsVersion &v = ut_windows_version();
  return v.is_nt && v.major == 6 && v.minor == 0;
}
