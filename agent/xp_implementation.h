// The Windows implementation of the operations: each one calls the system or
// runtime function of the same name with the same arguments and returns its
// result unchanged, leaving the thread's last error as the callee left it.
#pragma once
#include "implementation_base.h"

namespace UTElevate {

class XPImplementation : public ImplementationBase {
 public:
  // Binds the optional service configuration functions of ADVAPI32.
  XPImplementation();

  int message_box(const char *text) override;
  SC_HANDLE open_sc_manager(const char *machine, const char *database, DWORD access) override;
  SC_HANDLE open_service(SC_HANDLE manager, const char *name, DWORD access) override;
  BOOL query_service_config(SC_HANDLE service, QUERY_SERVICE_CONFIGA *config, DWORD size, DWORD *needed) override;
  BOOL close_service_handle(SC_HANDLE handle) override;
  BOOL query_service_status(SC_HANDLE service, SERVICE_STATUS *status) override;
  BOOL query_service_config2(SC_HANDLE service, DWORD level, BYTE *buffer, DWORD size, DWORD *needed) override;
  BOOL start_service(SC_HANDLE service, DWORD count, const char **args) override;
  BOOL delete_service(SC_HANDLE service) override;
  SC_HANDLE create_service(SC_HANDLE manager, const char *name, const char *display_name, DWORD access, DWORD service_type, DWORD start_type, DWORD error_control, const char *path, const char *load_order_group, DWORD *tag_id, const char *dependencies, const char *account, const char *password) override;
  BOOL change_service_config2(SC_HANDLE service, DWORD level, void *info) override;
  BOOL control_service(SC_HANDLE service, DWORD control, SERVICE_STATUS *status) override;
  LONG reg_open_key_ex(HKEY key, const char *sub_key, DWORD options, REGSAM access, HKEY *opened) override;
  LONG reg_query_value_ex(HKEY key, const char *name, DWORD *reserved, DWORD *type, BYTE *data, DWORD *data_size) override;
  LONG reg_enum_key(HKEY key, DWORD index, char *name, DWORD size) override;
  LONG reg_close_key(HKEY key) override;
  LONG reg_create_key_ex(HKEY key, const char *sub_key, DWORD reserved, char *class_name, DWORD options, REGSAM access, SECURITY_ATTRIBUTES *security, HKEY *created, DWORD *disposition) override;
  LONG reg_set_value_ex(HKEY key, const char *name, DWORD reserved, DWORD type, const BYTE *data, DWORD size) override;
  LONG reg_delete_key(HKEY key, const char *sub_key) override;
  NTSTATUS lsa_close(LSA_HANDLE policy) override;
  NTSTATUS lsa_enumerate_account_rights(LSA_HANDLE policy, PSID account, LSA_UNICODE_STRING **rights, ULONG *count) override;
  NTSTATUS lsa_free_memory(void *memory) override;
  NTSTATUS lsa_open_policy(LSA_UNICODE_STRING *system_name, LSA_OBJECT_ATTRIBUTES *attributes, ACCESS_MASK access, LSA_HANDLE *policy) override;
  NTSTATUS lsa_add_account_rights(LSA_HANDLE policy, PSID account, LSA_UNICODE_STRING *rights, ULONG count) override;
  NTSTATUS lsa_remove_account_rights(LSA_HANDLE policy, PSID account, BOOLEAN remove_all, LSA_UNICODE_STRING *rights, ULONG count) override;
  HANDLE open_event_log(const char *server, const char *source) override;
  BOOL get_oldest_event_log_record(HANDLE log, DWORD *record) override;
  BOOL read_event_log(HANDLE log, DWORD flags, DWORD record_offset, void *buffer, DWORD to_read, DWORD *read, DWORD *needed) override;
  BOOL close_event_log(HANDLE log) override;
  LONG reg_delete_value(HKEY key, const char *name) override;
  BOOL set_current_directory(const char *path) override;
  int run_shell_command(const char *command) override;
  BOOL sql_get_config_mode(WORD *mode) override;
  BOOL sql_set_config_mode(WORD mode) override;
  BOOL sql_write_dsn_to_ini(const char *dsn, const char *driver) override;
  BOOL sql_write_private_profile_string(const char *section, const char *entry, const char *string, const char *file_name) override;
  BOOL sql_remove_dsn_from_ini(const char *dsn) override;
  BOOL change_service_config(SC_HANDLE service, DWORD service_type, DWORD start_type, DWORD error_control, const char *path, const char *load_order_group, DWORD *tag_id, const char *dependencies, const char *account, const char *password, const char *display_name) override;
  LONG reg_query_info_key(HKEY key, char *class_name, DWORD *class_size, DWORD *reserved, DWORD *sub_keys, DWORD *max_sub_key, DWORD *max_class, DWORD *values, DWORD *max_value_name, DWORD *max_value_data, DWORD *security_size, FILETIME *last_write) override;
  LONG reg_enum_key_ex(HKEY key, DWORD index, char *name, DWORD *name_size, DWORD *reserved, char *class_name, DWORD *class_size, FILETIME *last_write) override;
  int file_open(const char *path, int flags, int mode) override;
  int64_t file_seek(int fd, int64_t offset, int origin) override;
  int file_read(int fd, void *buffer, unsigned count) override;
  int file_write(int fd, const void *data, unsigned count) override;
  int file_close(int fd) override;
  int64_t file_tell(int fd) override;
  int file_stat(int fd, void *record) override;
  int file_set_size(int fd, int64_t size) override;
  int run_program(const char *program, const char *const *args, int wait) override;
  bool odbc_available() override;

 private:
  using QueryServiceConfig2Fn = BOOL(WINAPI *)(SC_HANDLE, DWORD, BYTE *, DWORD, DWORD *);
  using ChangeServiceConfig2Fn = BOOL(WINAPI *)(SC_HANDLE, DWORD, void *);

  QueryServiceConfig2Fn query_service_config2_fn = nullptr;  // null on systems without it
  ChangeServiceConfig2Fn change_service_config2_fn = nullptr;
  int odbc_bound = 0;  // 1 once the ODBC installer library was looked for
};

}  // namespace UTElevate
