#include "operation_table.h"
#include <initializer_list>
#include "variable_handlers.h"

namespace UTElevate {
namespace {

using namespace args;
using Call = OperationCall;
constexpr uint64_t kAllOnes = ~uint64_t{0};
constexpr uint32_t kDword = sizeof(DWORD);
constexpr uint32_t kServiceStatus = sizeof(SERVICE_STATUS);
constexpr uint32_t kFileTime = sizeof(FILETIME);
constexpr uint32_t kFileStatusRecord = 64;

#ifndef _WIN64
// The areas as the 32-bit parent lays them out.
static_assert(sizeof(SERVICE_STATUS) == 28, "service status record");
static_assert(sizeof(SECURITY_ATTRIBUTES) == 12, "security attributes");
static_assert(sizeof(HKEY) == 4 && sizeof(LSA_HANDLE) == 4, "handles written into output areas");
static_assert(sizeof(LSA_UNICODE_STRING) == 8, "counted 16-bit string");
static_assert(sizeof(LSA_OBJECT_ATTRIBUTES) == 24, "object attributes");
static_assert(sizeof(SC_ACTION) == 8, "failure action");
#endif

// Forwards with `status` from the thread's last error.
constexpr Operation op(uint32_t opcode, ResultForm form, std::initializer_list<ArgRule> rules,
                       uint64_t (*run)(Call &)) {
  Operation o{opcode, form, true, 0, static_cast<uint8_t>(rules.size()), {}, run};
  uint32_t i = 0;
  for (const ArgRule &rule : rules) o.args[i++] = rule;
  return o;
}
// A file operation: -1 when refused.
constexpr Operation file_op(uint32_t opcode, ResultForm form, std::initializer_list<ArgRule> rules,
                            uint64_t (*run)(Call &)) {
  Operation o = op(opcode, form, rules, run);
  o.failure_result = kAllOnes;
  return o;
}
// An operation whose `status` stays 0.
constexpr Operation quiet(Operation o) {
  o.status_from_last_error = false;
  return o;
}
// Opcode 122: answered without looking at the arguments or calling anything.
constexpr Operation unchecked(Operation o) {
  o.arg_count = kArgsNotExamined;
  return o;
}
constexpr Operation variable(uint32_t opcode, uint64_t (*run)(Call &)) {
  Operation o = op(opcode, ResultForm::Int32, {}, run);
  o.arg_count = kVariableArgs;
  return o;
}

// The ODBC installer functions are bound on the first such request; without
// them the request is answered as unsupported.
template <class F> uint64_t odbc(Call &c, F call) {
  if (!c.impl.odbc_available()) return c.refuse(ELEVATE_ERR_UNSUPPORTED);
  return Call::bits(call());
}

const ResultForm I32 = ResultForm::Int32, H = ResultForm::Handle, I64 = ResultForm::Int64;

const Operation kOperations[] = {
    quiet(op(101, ResultForm::Nothing, {Str}, [](Call &c) { return Call::bits(c.impl.message_box(c.args.str(0))); })),
    op(102, H, {Str, Str, V}, [](Call &c) {
      return Call::bits(c.impl.open_sc_manager(c.args.str(0), c.args.str(1), c.args.u32(2)));
    }),
    op(103, H, {V, Str, V}, [](Call &c) {
      return Call::bits(c.impl.open_service(c.args.handle<SC_HANDLE>(0), c.args.str(1), c.args.u32(2)));
    }),
    op(104, I32, {V, OutSized(2), V, Out(kDword)}, [](Call &c) {
      return Call::bits(c.impl.query_service_config(c.args.handle<SC_HANDLE>(0), c.args.data<QUERY_SERVICE_CONFIGA>(1),
                                                    c.args.u32(2), c.args.data<DWORD>(3)));
    }),
    op(105, I32, {V}, [](Call &c) { return Call::bits(c.impl.close_service_handle(c.args.handle<SC_HANDLE>(0))); }),
    op(106, I32, {V, Out(kServiceStatus)}, [](Call &c) {
      return Call::bits(c.impl.query_service_status(c.args.handle<SC_HANDLE>(0), c.args.data<SERVICE_STATUS>(1)));
    }),
    op(107, I32, {V, V, OutSized(3), V, Out(kDword)}, [](Call &c) {
      return Call::bits(c.impl.query_service_config2(c.args.handle<SC_HANDLE>(0), c.args.u32(1), c.args.data<BYTE>(2),
                                                     c.args.u32(3), c.args.data<DWORD>(4)));
    }),
    variable(108, start_service_handler),
    op(109, I32, {V}, [](Call &c) { return Call::bits(c.impl.delete_service(c.args.handle<SC_HANDLE>(0))); }),
    op(110, H, {V, Str, Str, V, V, V, V, Str, Str, Out(kDword), StrList, Str, Str}, [](Call &c) {
      const RequestArgs &a = c.args;
      return Call::bits(c.impl.create_service(a.handle<SC_HANDLE>(0), a.str(1), a.str(2), a.u32(3), a.u32(4), a.u32(5),
                                              a.u32(6), a.str(7), a.str(8), a.data<DWORD>(9), a.str(10), a.str(11),
                                              a.str(12)));
    }),
    variable(111, change_service_config2_handler),
    op(112, I32, {V, V, Out(kServiceStatus)}, [](Call &c) {
      return Call::bits(c.impl.control_service(c.args.handle<SC_HANDLE>(0), c.args.u32(1), c.args.data<SERVICE_STATUS>(2)));
    }),
    op(113, I32, {V, Str, V, V, Out(sizeof(HKEY))}, [](Call &c) {
      return Call::bits(c.impl.reg_open_key_ex(c.args.handle<HKEY>(0), c.args.str(1), c.args.u32(2), c.args.u32(3),
                                               c.args.data<HKEY>(4)));
    }),
    op(114, I32, {V, Str, InOut(kDword), Out(kDword), OutSizedBy(5), InOut(kDword)}, [](Call &c) {
      const RequestArgs &a = c.args;
      return Call::bits(c.impl.reg_query_value_ex(a.handle<HKEY>(0), a.str(1), a.data<DWORD>(2), a.data<DWORD>(3),
                                                  a.data<BYTE>(4), a.data<DWORD>(5)));
    }),
    op(115, I32, {V, V, OutSized(3), V}, [](Call &c) {
      return Call::bits(c.impl.reg_enum_key(c.args.handle<HKEY>(0), c.args.u32(1), c.args.str(2), c.args.u32(3)));
    }),
    op(116, I32, {V}, [](Call &c) { return Call::bits(c.impl.reg_close_key(c.args.handle<HKEY>(0))); }),
    op(117, I32, {V, Str, V, Str, V, V, Security(), Out(sizeof(HKEY)), Out(kDword)}, [](Call &c) {
      const RequestArgs &a = c.args;
      return Call::bits(c.impl.reg_create_key_ex(a.handle<HKEY>(0), a.str(1), a.u32(2), a.str(3), a.u32(4), a.u32(5),
                                                 a.data<SECURITY_ATTRIBUTES>(6), a.data<HKEY>(7), a.data<DWORD>(8)));
    }),
    op(118, I32, {V, Str, V, V, InSized(5), V}, [](Call &c) {
      const RequestArgs &a = c.args;
      return Call::bits(c.impl.reg_set_value_ex(a.handle<HKEY>(0), a.str(1), a.u32(2), a.u32(3), a.data<BYTE>(4),
                                                a.u32(5)));
    }),
    op(119, I32, {V, Str}, [](Call &c) { return Call::bits(c.impl.reg_delete_key(c.args.handle<HKEY>(0), c.args.str(1))); }),
    op(120, I32, {V}, [](Call &c) { return Call::bits(c.impl.lsa_close(c.args.handle<LSA_HANDLE>(0))); }),
    quiet(op(121, I32, {V, Sid, OutCapacity, Out(kDword)}, enumerate_account_rights_handler)),
    unchecked(quiet(op(122, I32, {}, [](Call &) { return uint64_t{ELEVATE_ERR_UNSUPPORTED}; }))),
    op(123, I32, {In(sizeof(LSA_UNICODE_STRING)), Unread, V, Out(sizeof(LSA_HANDLE))}, [](Call &c) {
      LSA_OBJECT_ATTRIBUTES attributes{};  // the parent's copy is never used
      return Call::bits(c.impl.lsa_open_policy(c.args.data<LSA_UNICODE_STRING>(0), &attributes, c.args.u32(2),
                                               c.args.data<LSA_HANDLE>(3)));
    }),
    op(124, I32, {V, Sid, InSized(3, sizeof(LSA_UNICODE_STRING)), V}, [](Call &c) {
      return Call::bits(c.impl.lsa_add_account_rights(c.args.handle<LSA_HANDLE>(0), c.args.data(1),
                                                      c.args.data<LSA_UNICODE_STRING>(2), c.args.u32(3)));
    }),
    op(125, I32, {V, Sid, V, InSized(4, sizeof(LSA_UNICODE_STRING)), V}, [](Call &c) {
      return Call::bits(c.impl.lsa_remove_account_rights(c.args.handle<LSA_HANDLE>(0), c.args.data(1),
                                                         static_cast<BOOLEAN>(c.args.u32(2) & 0xFF),
                                                         c.args.data<LSA_UNICODE_STRING>(3), c.args.u32(4)));
    }),
    op(126, H, {Str, Str}, [](Call &c) { return Call::bits(c.impl.open_event_log(c.args.str(0), c.args.str(1))); }),
    op(127, I32, {V, Out(kDword)}, [](Call &c) {
      return Call::bits(c.impl.get_oldest_event_log_record(c.args.handle<HANDLE>(0), c.args.data<DWORD>(1)));
    }),
    op(128, I32, {V, V, V, OutSized(4), V, Out(kDword), Out(kDword)}, [](Call &c) {
      const RequestArgs &a = c.args;
      return Call::bits(c.impl.read_event_log(a.handle<HANDLE>(0), a.u32(1), a.u32(2), a.data(3), a.u32(4),
                                              a.data<DWORD>(5), a.data<DWORD>(6)));
    }),
    op(129, I32, {V}, [](Call &c) { return Call::bits(c.impl.close_event_log(c.args.handle<HANDLE>(0))); }),
    op(130, I32, {V, Str}, [](Call &c) { return Call::bits(c.impl.reg_delete_value(c.args.handle<HKEY>(0), c.args.str(1))); }),
    op(131, I32, {Str}, [](Call &c) { return Call::bits(c.impl.set_current_directory(c.args.str(0))); }),
    op(132, I32, {Str}, [](Call &c) { return Call::bits(c.impl.run_shell_command(c.args.str(0))); }),
    op(133, I32, {Out(sizeof(WORD))}, [](Call &c) {
      return odbc(c, [&] { return c.impl.sql_get_config_mode(c.args.data<WORD>(0)); });
    }),
    op(134, I32, {V}, [](Call &c) {
      return odbc(c, [&] { return c.impl.sql_set_config_mode(static_cast<WORD>(c.args.u32(0))); });
    }),
    op(135, I32, {Str, Str}, [](Call &c) {
      return odbc(c, [&] { return c.impl.sql_write_dsn_to_ini(c.args.str(0), c.args.str(1)); });
    }),
    op(136, I32, {Str, Str, Str, Str}, [](Call &c) {
      return odbc(c, [&] {
        return c.impl.sql_write_private_profile_string(c.args.str(0), c.args.str(1), c.args.str(2), c.args.str(3));
      });
    }),
    op(137, I32, {Str}, [](Call &c) { return odbc(c, [&] { return c.impl.sql_remove_dsn_from_ini(c.args.str(0)); }); }),
    op(138, I32, {V, V, V, V, Str, Str, Out(kDword), StrList, Str, Str, Str}, [](Call &c) {
      const RequestArgs &a = c.args;
      return Call::bits(c.impl.change_service_config(a.handle<SC_HANDLE>(0), a.u32(1), a.u32(2), a.u32(3), a.str(4),
                                                     a.str(5), a.data<DWORD>(6), a.str(7), a.str(8), a.str(9),
                                                     a.str(10)));
    }),
    op(139, I32,
       {V, OutSizedBy(2), InOut(kDword), In(kDword), Out(kDword), Out(kDword), Out(kDword), Out(kDword), Out(kDword),
        Out(kDword), Out(kDword), Out(kFileTime)},
       [](Call &c) {
         const RequestArgs &a = c.args;
         return Call::bits(c.impl.reg_query_info_key(a.handle<HKEY>(0), a.str(1), a.data<DWORD>(2), a.data<DWORD>(3),
                                                     a.data<DWORD>(4), a.data<DWORD>(5), a.data<DWORD>(6),
                                                     a.data<DWORD>(7), a.data<DWORD>(8), a.data<DWORD>(9),
                                                     a.data<DWORD>(10), a.data<FILETIME>(11)));
       }),
    op(140, I32, {V, V, OutSizedBy(3), InOut(kDword), In(kDword), OutSizedBy(6), InOut(kDword), Out(kFileTime)},
       [](Call &c) {
         const RequestArgs &a = c.args;
         return Call::bits(c.impl.reg_enum_key_ex(a.handle<HKEY>(0), a.u32(1), a.str(2), a.data<DWORD>(3),
                                                  a.data<DWORD>(4), a.str(5), a.data<DWORD>(6), a.data<FILETIME>(7)));
       }),
    file_op(141, I32, {Str, V, V, Out(sizeof(int))}, [](Call &c) {
      return c.with_errno(c.impl.file_open(c.args.str(0), c.args.u32(1), c.args.u32(2)), 3);
    }),
    file_op(142, I64, {V, V, V, Out(sizeof(int))}, [](Call &c) {
      return c.with_errno(c.impl.file_seek(c.args.u32(0), c.args.u64(1), c.args.u32(2)), 3);
    }),
    file_op(143, I32, {V, OutSized(2), V, Out(sizeof(int))}, [](Call &c) {
      return c.with_errno(c.impl.file_read(c.args.u32(0), c.args.data(1), c.args.u32(2)), 3);
    }),
    file_op(144, I32, {V, InSized(2), V, Out(sizeof(int))}, [](Call &c) {
      return c.with_errno(c.impl.file_write(c.args.u32(0), c.args.data(1), c.args.u32(2)), 3);
    }),
    file_op(145, I32, {V, Out(sizeof(int))}, [](Call &c) { return c.with_errno(c.impl.file_close(c.args.u32(0)), 1); }),
    file_op(146, I64, {V, Out(sizeof(int))}, [](Call &c) { return c.with_errno(c.impl.file_tell(c.args.u32(0)), 1); }),
    file_op(147, I32, {V, Out(kFileStatusRecord), Out(sizeof(int))}, [](Call &c) {
      return c.with_errno(c.impl.file_stat(c.args.u32(0), c.args.data(1)), 2);
    }),
    file_op(148, I32, {V, V, Out(sizeof(int))}, [](Call &c) {
      return c.with_errno(c.impl.file_set_size(c.args.u32(0), c.args.u64(1)), 2);
    }),
    variable(149, run_program_handler),
};

static_assert(sizeof(kOperations) / sizeof(kOperations[0]) == 49, "one entry per operation");

}  // namespace

const Operation *find_operation(uint32_t opcode) {
  if (opcode <= 100 || opcode > 149) return nullptr;
  return &kOperations[opcode - 101];
}

}  // namespace UTElevate
