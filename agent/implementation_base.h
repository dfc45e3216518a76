// The 49 privileged operations. The position of an operation in this interface
// is its place in the request protocol: the N-th operation has opcode 100 + N.
#pragma once
#include <windows.h>
#include <ntsecapi.h>
#include <cstdint>

namespace UTElevate {

class ImplementationBase {
 public:
  virtual ~ImplementationBase() = default;

  virtual int message_box(const char *text) = 0;                                         // 101
  virtual SC_HANDLE open_sc_manager(const char *machine, const char *database, DWORD access) = 0;
  virtual SC_HANDLE open_service(SC_HANDLE manager, const char *name, DWORD access) = 0;
  virtual BOOL query_service_config(SC_HANDLE service, QUERY_SERVICE_CONFIGA *config, DWORD size,
                                    DWORD *needed) = 0;
  virtual BOOL close_service_handle(SC_HANDLE handle) = 0;                                 // 105
  virtual BOOL query_service_status(SC_HANDLE service, SERVICE_STATUS *status) = 0;
  virtual BOOL query_service_config2(SC_HANDLE service, DWORD level, BYTE *buffer, DWORD size,
                                     DWORD *needed) = 0;
  virtual BOOL start_service(SC_HANDLE service, DWORD count, const char **args) = 0;
  virtual BOOL delete_service(SC_HANDLE service) = 0;
  virtual SC_HANDLE create_service(SC_HANDLE manager, const char *name, const char *display_name,  // 110
                                   DWORD access, DWORD service_type, DWORD start_type,
                                   DWORD error_control, const char *path, const char *load_order_group,
                                   DWORD *tag_id, const char *dependencies, const char *account,
                                   const char *password) = 0;
  virtual BOOL change_service_config2(SC_HANDLE service, DWORD level, void *info) = 0;
  virtual BOOL control_service(SC_HANDLE service, DWORD control, SERVICE_STATUS *status) = 0;
  virtual LONG reg_open_key_ex(HKEY key, const char *sub_key, DWORD options, REGSAM access,
                               HKEY *opened) = 0;
  virtual LONG reg_query_value_ex(HKEY key, const char *name, DWORD *reserved, DWORD *type, BYTE *data,
                                  DWORD *data_size) = 0;
  virtual LONG reg_enum_key(HKEY key, DWORD index, char *name, DWORD size) = 0;           // 115
  virtual LONG reg_close_key(HKEY key) = 0;
  virtual LONG reg_create_key_ex(HKEY key, const char *sub_key, DWORD reserved, char *class_name,
                                 DWORD options, REGSAM access, SECURITY_ATTRIBUTES *security,
                                 HKEY *created, DWORD *disposition) = 0;
  virtual LONG reg_set_value_ex(HKEY key, const char *name, DWORD reserved, DWORD type, const BYTE *data,
                                DWORD size) = 0;
  virtual LONG reg_delete_key(HKEY key, const char *sub_key) = 0;
  virtual NTSTATUS lsa_close(LSA_HANDLE policy) = 0;                                       // 120
  virtual NTSTATUS lsa_enumerate_account_rights(LSA_HANDLE policy, PSID account, LSA_UNICODE_STRING **rights,
                                                ULONG *count) = 0;
  virtual NTSTATUS lsa_free_memory(void *memory) = 0;
  virtual NTSTATUS lsa_open_policy(LSA_UNICODE_STRING *system_name, LSA_OBJECT_ATTRIBUTES *attributes,
                                   ACCESS_MASK access, LSA_HANDLE *policy) = 0;
  virtual NTSTATUS lsa_add_account_rights(LSA_HANDLE policy, PSID account, LSA_UNICODE_STRING *rights,
                                          ULONG count) = 0;
  virtual NTSTATUS lsa_remove_account_rights(LSA_HANDLE policy, PSID account, BOOLEAN remove_all,  // 125
                                             LSA_UNICODE_STRING *rights, ULONG count) = 0;
  virtual HANDLE open_event_log(const char *server, const char *source) = 0;
  virtual BOOL get_oldest_event_log_record(HANDLE log, DWORD *record) = 0;
  virtual BOOL read_event_log(HANDLE log, DWORD flags, DWORD record_offset, void *buffer, DWORD to_read,
                              DWORD *read, DWORD *needed) = 0;
  virtual BOOL close_event_log(HANDLE log) = 0;
  virtual LONG reg_delete_value(HKEY key, const char *name) = 0;                           // 130
  virtual BOOL set_current_directory(const char *path) = 0;
  virtual int run_shell_command(const char *command) = 0;
  virtual BOOL sql_get_config_mode(WORD *mode) = 0;
  virtual BOOL sql_set_config_mode(WORD mode) = 0;
  virtual BOOL sql_write_dsn_to_ini(const char *dsn, const char *driver) = 0;              // 135
  virtual BOOL sql_write_private_profile_string(const char *section, const char *entry, const char *string,
                                                const char *file_name) = 0;
  virtual BOOL sql_remove_dsn_from_ini(const char *dsn) = 0;
  virtual BOOL change_service_config(SC_HANDLE service, DWORD service_type, DWORD start_type,
                                     DWORD error_control, const char *path, const char *load_order_group,
                                     DWORD *tag_id, const char *dependencies, const char *account,
                                     const char *password, const char *display_name) = 0;
  virtual LONG reg_query_info_key(HKEY key, char *class_name, DWORD *class_size, DWORD *reserved,
                                  DWORD *sub_keys, DWORD *max_sub_key, DWORD *max_class, DWORD *values,
                                  DWORD *max_value_name, DWORD *max_value_data, DWORD *security_size,
                                  FILETIME *last_write) = 0;
  virtual LONG reg_enum_key_ex(HKEY key, DWORD index, char *name, DWORD *name_size, DWORD *reserved,  // 140
                               char *class_name, DWORD *class_size, FILETIME *last_write) = 0;
  virtual int file_open(const char *path, int flags, int mode) = 0;
  virtual int64_t file_seek(int fd, int64_t offset, int origin) = 0;
  virtual int file_read(int fd, void *buffer, unsigned count) = 0;
  virtual int file_write(int fd, const void *data, unsigned count) = 0;
  virtual int file_close(int fd) = 0;                                                      // 145
  virtual int64_t file_tell(int fd) = 0;
  virtual int file_stat(int fd, void *record) = 0;  // the 64-byte file status record
  virtual int file_set_size(int fd, int64_t size) = 0;
  virtual int run_program(const char *program, const char *const *args, int wait) = 0;     // 149

  // Not an operation: whether the ODBC installer functions behind operations
  // 133 to 137 are there. The first question binds them.
  virtual bool odbc_available() = 0;
};

}  // namespace UTElevate
