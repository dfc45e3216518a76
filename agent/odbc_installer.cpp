#include "odbc_installer.h"
#include "utils/ut_system.h"

namespace UTElevate {
namespace {

OdbcInstaller installer;

template <class F> bool bind(HMODULE library, const char *name, F &function) {
  function = reinterpret_cast<F>(reinterpret_cast<void *>(ut_get_proc(library, name)));
  return function != nullptr;
}

}  // namespace

const OdbcInstaller &odbc_installer() { return installer; }

bool bind_odbc_installer() {
  // The system's error mode stays as it is: a missing library is an answer.
  HMODULE library = ut_load_module("odbccp32.dll", false);
  if (!library) return false;
  OdbcInstaller bound;
  bound.library = library;
  // The profile reader is required although no operation calls it.
  if (bind(library, "SQLRemoveDSNFromIni", bound.remove_dsn_from_ini) &&
      bind(library, "SQLWriteDSNToIni", bound.write_dsn_to_ini) &&
      bind(library, "SQLGetPrivateProfileString", bound.get_private_profile_string) &&
      bind(library, "SQLWritePrivateProfileString", bound.write_private_profile_string) &&
      bind(library, "SQLSetConfigMode", bound.set_config_mode) &&
      bind(library, "SQLGetConfigMode", bound.get_config_mode)) {
    installer = bound;
    return true;
  }
  ut_free_module(library);
  installer = OdbcInstaller{};
  return false;
}

}  // namespace UTElevate
