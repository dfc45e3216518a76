// A test double of the operation interface that records every call, for
// checking exactly what the request handlers pass and how they store results.
#pragma once
#include <gmock/gmock.h>
#include "implementation_base.h"

class RecordingImplementation : public UTElevate::ImplementationBase {
 public:
  MOCK_METHOD(int, message_box, (const char *), (override));
  MOCK_METHOD(SC_HANDLE, open_sc_manager, (const char *, const char *, DWORD), (override));
  MOCK_METHOD(SC_HANDLE, open_service, (SC_HANDLE, const char *, DWORD), (override));
  MOCK_METHOD(BOOL, query_service_config, (SC_HANDLE, QUERY_SERVICE_CONFIGA *, DWORD, DWORD *), (override));
  MOCK_METHOD(BOOL, close_service_handle, (SC_HANDLE), (override));
  MOCK_METHOD(BOOL, query_service_status, (SC_HANDLE, SERVICE_STATUS *), (override));
  MOCK_METHOD(BOOL, query_service_config2, (SC_HANDLE, DWORD, BYTE *, DWORD, DWORD *), (override));
  MOCK_METHOD(BOOL, start_service, (SC_HANDLE, DWORD, const char **), (override));
  MOCK_METHOD(BOOL, delete_service, (SC_HANDLE), (override));
  MOCK_METHOD(SC_HANDLE, create_service, (SC_HANDLE, const char *, const char *, DWORD, DWORD, DWORD, DWORD, const char *, const char *, DWORD *, const char *, const char *, const char *), (override));
  MOCK_METHOD(BOOL, change_service_config2, (SC_HANDLE, DWORD, void *), (override));
  MOCK_METHOD(BOOL, control_service, (SC_HANDLE, DWORD, SERVICE_STATUS *), (override));
  MOCK_METHOD(LONG, reg_open_key_ex, (HKEY, const char *, DWORD, REGSAM, HKEY *), (override));
  MOCK_METHOD(LONG, reg_query_value_ex, (HKEY, const char *, DWORD *, DWORD *, BYTE *, DWORD *), (override));
  MOCK_METHOD(LONG, reg_enum_key, (HKEY, DWORD, char *, DWORD), (override));
  MOCK_METHOD(LONG, reg_close_key, (HKEY), (override));
  MOCK_METHOD(LONG, reg_create_key_ex, (HKEY, const char *, DWORD, char *, DWORD, REGSAM, SECURITY_ATTRIBUTES *, HKEY *, DWORD *), (override));
  MOCK_METHOD(LONG, reg_set_value_ex, (HKEY, const char *, DWORD, DWORD, const BYTE *, DWORD), (override));
  MOCK_METHOD(LONG, reg_delete_key, (HKEY, const char *), (override));
  MOCK_METHOD(NTSTATUS, lsa_close, (LSA_HANDLE), (override));
  MOCK_METHOD(NTSTATUS, lsa_enumerate_account_rights, (LSA_HANDLE, PSID, LSA_UNICODE_STRING **, ULONG *), (override));
  MOCK_METHOD(NTSTATUS, lsa_free_memory, (void *), (override));
  MOCK_METHOD(NTSTATUS, lsa_open_policy, (LSA_UNICODE_STRING *, LSA_OBJECT_ATTRIBUTES *, ACCESS_MASK, LSA_HANDLE *), (override));
  MOCK_METHOD(NTSTATUS, lsa_add_account_rights, (LSA_HANDLE, PSID, LSA_UNICODE_STRING *, ULONG), (override));
  MOCK_METHOD(NTSTATUS, lsa_remove_account_rights, (LSA_HANDLE, PSID, BOOLEAN, LSA_UNICODE_STRING *, ULONG), (override));
  MOCK_METHOD(HANDLE, open_event_log, (const char *, const char *), (override));
  MOCK_METHOD(BOOL, get_oldest_event_log_record, (HANDLE, DWORD *), (override));
  MOCK_METHOD(BOOL, read_event_log, (HANDLE, DWORD, DWORD, void *, DWORD, DWORD *, DWORD *), (override));
  MOCK_METHOD(BOOL, close_event_log, (HANDLE), (override));
  MOCK_METHOD(LONG, reg_delete_value, (HKEY, const char *), (override));
  MOCK_METHOD(BOOL, set_current_directory, (const char *), (override));
  MOCK_METHOD(int, run_shell_command, (const char *), (override));
  MOCK_METHOD(BOOL, sql_get_config_mode, (WORD *), (override));
  MOCK_METHOD(BOOL, sql_set_config_mode, (WORD), (override));
  MOCK_METHOD(BOOL, sql_write_dsn_to_ini, (const char *, const char *), (override));
  MOCK_METHOD(BOOL, sql_write_private_profile_string, (const char *, const char *, const char *, const char *), (override));
  MOCK_METHOD(BOOL, sql_remove_dsn_from_ini, (const char *), (override));
  MOCK_METHOD(BOOL, change_service_config, (SC_HANDLE, DWORD, DWORD, DWORD, const char *, const char *, DWORD *, const char *, const char *, const char *, const char *), (override));
  MOCK_METHOD(LONG, reg_query_info_key, (HKEY, char *, DWORD *, DWORD *, DWORD *, DWORD *, DWORD *, DWORD *, DWORD *, DWORD *, DWORD *, FILETIME *), (override));
  MOCK_METHOD(LONG, reg_enum_key_ex, (HKEY, DWORD, char *, DWORD *, DWORD *, char *, DWORD *, FILETIME *), (override));
  MOCK_METHOD(int, file_open, (const char *, int, int), (override));
  MOCK_METHOD(int64_t, file_seek, (int, int64_t, int), (override));
  MOCK_METHOD(int, file_read, (int, void *, unsigned), (override));
  MOCK_METHOD(int, file_write, (int, const void *, unsigned), (override));
  MOCK_METHOD(int, file_close, (int), (override));
  MOCK_METHOD(int64_t, file_tell, (int), (override));
  MOCK_METHOD(int, file_stat, (int, void *), (override));
  MOCK_METHOD(int, file_set_size, (int, int64_t), (override));
  MOCK_METHOD(int, run_program, (const char *, const char *const *, int), (override));
  MOCK_METHOD(bool, odbc_available, (), (override));
};
