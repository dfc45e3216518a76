#pragma once
// Conversions between the system's ANSI code page, UTF-16 and UTF-8 with the
// Windows conversion functions. Every failure throws std::runtime_error with a
// message that names the operation, the place, the failed step and the system
// error code; the target is left unchanged then.
#include <windows.h>
#include <oleauto.h>

#include <cstddef>
#include <string>

// The system calls the conversions go through. Tests swap in stand-ins that fail
// with a chosen error code; everything else uses the defaults.
struct CodingSystemCalls {
  int(WINAPI* multiByteToWideChar)(UINT, DWORD, LPCCH, int, LPWSTR, int);
  int(WINAPI* wideCharToMultiByte)(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL);
  void* (*allocateZeroed)(std::size_t bytes);  // released with free()
};

class WFCodingTool {
 public:
  // UTF-16 (zero-terminated) to UTF-8.
  static void UCtoOther(const wchar_t* source, std::string& target);
  // ANSI code page to a new BSTR that the caller releases with SysFreeString.
  static void OtherToUC(const std::string& source, BSTR& target);
  // ANSI code page to UTF-8, through UTF-16.
  static void TransferCoding(const std::string& source, std::string& target);

  // The calls in use; assign to it to replace them.
  static CodingSystemCalls& SystemCalls();
};
