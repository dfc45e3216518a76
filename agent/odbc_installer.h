// The ODBC installer library, loaded on first use and kept for the rest of the
// process. The agent does not link against it, since a system may lack it.
#pragma once
#include <windows.h>

namespace UTElevate {

struct OdbcInstaller {
  HMODULE library = nullptr;
  BOOL(WINAPI *remove_dsn_from_ini)(const char *dsn) = nullptr;
  BOOL(WINAPI *write_dsn_to_ini)(const char *dsn, const char *driver) = nullptr;
  int(WINAPI *get_private_profile_string)(const char *section, const char *entry, const char *fallback,
                                          char *buffer, int size, const char *file_name) = nullptr;
  BOOL(WINAPI *write_private_profile_string)(const char *section, const char *entry, const char *string,
                                             const char *file_name) = nullptr;
  BOOL(WINAPI *set_config_mode)(WORD mode) = nullptr;
  BOOL(WINAPI *get_config_mode)(WORD *mode) = nullptr;

  bool available() const { return library && get_config_mode; }
};

const OdbcInstaller &odbc_installer();

// Loads "odbccp32.dll" and binds its six functions; all or nothing.
// Returns whether they are there.
bool bind_odbc_installer();

}  // namespace UTElevate
