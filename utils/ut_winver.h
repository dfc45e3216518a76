// The Windows version this process runs on, computed once from GetVersion.
#pragma once

struct UTWindowsVersion {
  int kind;     // 1 Windows 95, 2 Windows 98, 3 another 9x version, 4 NT family
  int is_nt;
  int major;
  int minor;
  int build;    // NT family only, else 0
};

// Fields derived from a GetVersion value; exposed for tests.
UTWindowsVersion ut_decode_version(unsigned long version);
const UTWindowsVersion &ut_windows_version();
int ut_is_win9x();
int ut_is_nt60();
