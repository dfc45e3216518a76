#include "xp_implementation.h"
#include <io.h>
#include <cstdlib>
#include "file_operations.h"
#include "odbc_installer.h"
#include "program_start.h"

namespace UTElevate {

XPImplementation::XPImplementation() {
  // Older systems lack the second-generation service configuration calls.
  if (HMODULE advapi = GetModuleHandleA("ADVAPI32")) {
    query_service_config2_fn =
        reinterpret_cast<QueryServiceConfig2Fn>(reinterpret_cast<void *>(GetProcAddress(advapi, "QueryServiceConfig2A")));
    change_service_config2_fn =
        reinterpret_cast<ChangeServiceConfig2Fn>(reinterpret_cast<void *>(GetProcAddress(advapi, "ChangeServiceConfig2A")));
  }
}

int XPImplementation::message_box(const char *text) { return MessageBoxA(nullptr, text, "VornElevate", 0); }

SC_HANDLE XPImplementation::open_sc_manager(const char *machine, const char *database, DWORD access) {
  return OpenSCManagerA(machine, database, access);
}

SC_HANDLE XPImplementation::open_service(SC_HANDLE manager, const char *name, DWORD access) {
  return OpenServiceA(manager, name, access);
}

BOOL XPImplementation::query_service_config(SC_HANDLE service, QUERY_SERVICE_CONFIGA *config, DWORD size,
                                            DWORD *needed) {
  return QueryServiceConfigA(service, config, size, needed);
}

BOOL XPImplementation::close_service_handle(SC_HANDLE handle) { return CloseServiceHandle(handle); }

BOOL XPImplementation::query_service_status(SC_HANDLE service, SERVICE_STATUS *status) {
  return QueryServiceStatus(service, status);
}

BOOL XPImplementation::query_service_config2(SC_HANDLE service, DWORD level, BYTE *buffer, DWORD size,
                                             DWORD *needed) {
  if (!query_service_config2_fn) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
  }
  return query_service_config2_fn(service, level, buffer, size, needed);
}

BOOL XPImplementation::start_service(SC_HANDLE service, DWORD count, const char **args) {
  return StartServiceA(service, count, args);
}

BOOL XPImplementation::delete_service(SC_HANDLE service) { return DeleteService(service); }

SC_HANDLE XPImplementation::create_service(SC_HANDLE manager, const char *name, const char *display_name,
                                           DWORD access, DWORD service_type, DWORD start_type, DWORD error_control,
                                           const char *path, const char *load_order_group, DWORD *tag_id,
                                           const char *dependencies, const char *account, const char *password) {
  return CreateServiceA(manager, name, display_name, access, service_type, start_type, error_control, path,
                        load_order_group, tag_id, dependencies, account, password);
}

BOOL XPImplementation::change_service_config2(SC_HANDLE service, DWORD level, void *info) {
  if (!change_service_config2_fn) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
  }
  return change_service_config2_fn(service, level, info);
}

BOOL XPImplementation::control_service(SC_HANDLE service, DWORD control, SERVICE_STATUS *status) {
  return ControlService(service, control, status);
}

LONG XPImplementation::reg_open_key_ex(HKEY key, const char *sub_key, DWORD options, REGSAM access, HKEY *opened) {
  return RegOpenKeyExA(key, sub_key, options, access, opened);
}

LONG XPImplementation::reg_query_value_ex(HKEY key, const char *name, DWORD *reserved, DWORD *type, BYTE *data,
                                          DWORD *data_size) {
  return RegQueryValueExA(key, name, reserved, type, data, data_size);
}

LONG XPImplementation::reg_enum_key(HKEY key, DWORD index, char *name, DWORD size) {
  return RegEnumKeyA(key, index, name, size);
}

LONG XPImplementation::reg_close_key(HKEY key) { return RegCloseKey(key); }

LONG XPImplementation::reg_create_key_ex(HKEY key, const char *sub_key, DWORD reserved, char *class_name,
                                         DWORD options, REGSAM access, SECURITY_ATTRIBUTES *security, HKEY *created,
                                         DWORD *disposition) {
  return RegCreateKeyExA(key, sub_key, reserved, class_name, options, access, security, created, disposition);
}

LONG XPImplementation::reg_set_value_ex(HKEY key, const char *name, DWORD reserved, DWORD type, const BYTE *data,
                                        DWORD size) {
  return RegSetValueExA(key, name, reserved, type, data, size);
}

LONG XPImplementation::reg_delete_key(HKEY key, const char *sub_key) { return RegDeleteKeyA(key, sub_key); }

NTSTATUS XPImplementation::lsa_close(LSA_HANDLE policy) { return LsaClose(policy); }

NTSTATUS XPImplementation::lsa_enumerate_account_rights(LSA_HANDLE policy, PSID account, LSA_UNICODE_STRING **rights,
                                                        ULONG *count) {
  return LsaEnumerateAccountRights(policy, account, rights, count);
}

NTSTATUS XPImplementation::lsa_free_memory(void *memory) { return LsaFreeMemory(memory); }

NTSTATUS XPImplementation::lsa_open_policy(LSA_UNICODE_STRING *system_name, LSA_OBJECT_ATTRIBUTES *attributes,
                                           ACCESS_MASK access, LSA_HANDLE *policy) {
  return LsaOpenPolicy(system_name, attributes, access, policy);
}

NTSTATUS XPImplementation::lsa_add_account_rights(LSA_HANDLE policy, PSID account, LSA_UNICODE_STRING *rights,
                                                  ULONG count) {
  return LsaAddAccountRights(policy, account, rights, count);
}

NTSTATUS XPImplementation::lsa_remove_account_rights(LSA_HANDLE policy, PSID account, BOOLEAN remove_all,
                                                     LSA_UNICODE_STRING *rights, ULONG count) {
  return LsaRemoveAccountRights(policy, account, remove_all, rights, count);
}

HANDLE XPImplementation::open_event_log(const char *server, const char *source) {
  return OpenEventLogA(server, source);
}

BOOL XPImplementation::get_oldest_event_log_record(HANDLE log, DWORD *record) {
  return GetOldestEventLogRecord(log, record);
}

BOOL XPImplementation::read_event_log(HANDLE log, DWORD flags, DWORD record_offset, void *buffer, DWORD to_read,
                                      DWORD *read, DWORD *needed) {
  return ReadEventLogA(log, flags, record_offset, buffer, to_read, read, needed);
}

BOOL XPImplementation::close_event_log(HANDLE log) { return CloseEventLog(log); }

LONG XPImplementation::reg_delete_value(HKEY key, const char *name) { return RegDeleteValueA(key, name); }

BOOL XPImplementation::set_current_directory(const char *path) { return SetCurrentDirectoryA(path); }

int XPImplementation::run_shell_command(const char *command) { return system(command); }

BOOL XPImplementation::sql_get_config_mode(WORD *mode) { return odbc_installer().get_config_mode(mode); }

BOOL XPImplementation::sql_set_config_mode(WORD mode) { return odbc_installer().set_config_mode(mode); }

BOOL XPImplementation::sql_write_dsn_to_ini(const char *dsn, const char *driver) {
  return odbc_installer().write_dsn_to_ini(dsn, driver);
}

BOOL XPImplementation::sql_write_private_profile_string(const char *section, const char *entry, const char *string,
                                                        const char *file_name) {
  return odbc_installer().write_private_profile_string(section, entry, string, file_name);
}

BOOL XPImplementation::sql_remove_dsn_from_ini(const char *dsn) { return odbc_installer().remove_dsn_from_ini(dsn); }

BOOL XPImplementation::change_service_config(SC_HANDLE service, DWORD service_type, DWORD start_type,
                                             DWORD error_control, const char *path, const char *load_order_group,
                                             DWORD *tag_id, const char *dependencies, const char *account,
                                             const char *password, const char *display_name) {
  return ChangeServiceConfigA(service, service_type, start_type, error_control, path, load_order_group, tag_id,
                              dependencies, account, password, display_name);
}

LONG XPImplementation::reg_query_info_key(HKEY key, char *class_name, DWORD *class_size, DWORD *reserved,
                                          DWORD *sub_keys, DWORD *max_sub_key, DWORD *max_class, DWORD *values,
                                          DWORD *max_value_name, DWORD *max_value_data, DWORD *security_size,
                                          FILETIME *last_write) {
  return RegQueryInfoKeyA(key, class_name, class_size, reserved, sub_keys, max_sub_key, max_class, values,
                          max_value_name, max_value_data, security_size, last_write);
}

LONG XPImplementation::reg_enum_key_ex(HKEY key, DWORD index, char *name, DWORD *name_size, DWORD *reserved,
                                       char *class_name, DWORD *class_size, FILETIME *last_write) {
  return RegEnumKeyExA(key, index, name, name_size, reserved, class_name, class_size, last_write);
}

int XPImplementation::file_open(const char *path, int flags, int mode) { return open_shared(path, flags, mode); }

int64_t XPImplementation::file_seek(int fd, int64_t offset, int origin) { return _lseeki64(fd, offset, origin); }

int XPImplementation::file_read(int fd, void *buffer, unsigned count) { return _read(fd, buffer, count); }

int XPImplementation::file_write(int fd, const void *data, unsigned count) { return _write(fd, data, count); }

int XPImplementation::file_close(int fd) { return _close(fd); }

int64_t XPImplementation::file_tell(int fd) { return _telli64(fd); }

int XPImplementation::file_stat(int fd, void *record) { return stat_to_record(fd, record); }

int XPImplementation::file_set_size(int fd, int64_t size) { return set_file_size(fd, size); }

int XPImplementation::run_program(const char *program, const char *const *args, int wait) {
  return start_program(program, args, wait);
}

bool XPImplementation::odbc_available() {
  if (!odbc_bound) {
    bind_odbc_installer();  // once per agent, whatever it finds
    odbc_bound = 1;
  }
  return odbc_installer().available();
}

}  // namespace UTElevate
