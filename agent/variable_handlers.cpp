#include "variable_handlers.h"
#include <algorithm>
#include <cstring>
#include <vector>

namespace UTElevate {
namespace {

using namespace args;

// Kinds of descriptors first .. first + count - 1 must all be ARG_IN strings.
uint32_t check_string_kinds(const RequestArgs &a, uint32_t first, uint32_t count) {
  if (!a.descriptors_in_view(uint64_t{first} + count)) return ERROR_NOACCESS;
  std::vector<ArgRule> strings(count, Str);
  return a.check_kinds(first, strings.data(), count);
}

uint32_t check_string_areas(const RequestArgs &a, uint32_t first, uint32_t count) {
  std::vector<ArgRule> strings(count, Str);
  return a.check_areas(first, strings.data(), count);
}

// The fixed head of a variable list: at least `count` descriptors of these kinds.
uint32_t check_head(const RequestArgs &a, const ArgRule *head, uint32_t count) {
  if (a.count() < count) return ELEVATE_ERR_ARG_COUNT;
  if (!a.descriptors_in_view(count)) return ERROR_NOACCESS;
  return a.check_kinds(0, head, count);
}

// An account right as the parent reads it: the 32-bit counted string record.
struct PackedRight {
  uint16_t length;
  uint16_t maximum_length;
  uint32_t text;  // the caller's address of the text
};
static_assert(sizeof(PackedRight) == 8, "the 32-bit LSA_UNICODE_STRING");

}  // namespace

uint64_t start_service_handler(OperationCall &c) {
  const RequestArgs &a = c.args;
  static const ArgRule head[] = {V, V};
  if (uint32_t status = check_head(a, head, 2)) return c.refuse(status);
  uint32_t n = a.u32(1);
  if (a.count() != uint64_t{n} + 2) return c.refuse(ELEVATE_ERR_ARG_COUNT);
  uint32_t status = check_string_kinds(a, 2, n);
  if (!status) status = check_string_areas(a, 2, n);
  if (status) return c.refuse(status);
  // Never a null array, even without arguments.
  std::vector<const char *> strings(n + 1);
  for (uint32_t i = 0; i < n; ++i) strings[i] = a.str(2 + i);
  return OperationCall::bits(c.impl.start_service(a.handle<SC_HANDLE>(0), n, strings.data()));
}

uint64_t change_service_config2_handler(OperationCall &c) {
  const RequestArgs &a = c.args;
  static const ArgRule head[] = {V, V};
  if (uint32_t status = check_head(a, head, 2)) return c.refuse(status);
  SC_HANDLE service = a.handle<SC_HANDLE>(0);
  switch (a.u32(1)) {
    case SERVICE_CONFIG_DESCRIPTION: {
      static const ArgRule rules[] = {V, V, Str};
      if (uint32_t status = a.check(rules, 3)) return c.refuse(status);
      SERVICE_DESCRIPTIONA description{a.str(2)};
      return OperationCall::bits(c.impl.change_service_config2(service, SERVICE_CONFIG_DESCRIPTION, &description));
    }
    case SERVICE_CONFIG_FAILURE_ACTIONS: {
      static const ArgRule rules[] = {V, V, V, Str, Str, V, InSized(5, sizeof(SC_ACTION))};
      if (uint32_t status = a.check(rules, 7)) return c.refuse(status);
      SERVICE_FAILURE_ACTIONSA actions{a.u32(2), a.str(3), a.str(4), a.u32(5), nullptr};
      if (a.at(6).caller_address != 0) {
        // An empty array the caller passed deletes the failure actions; the
        // system needs a non-null pointer for that and never reads it.
        actions.lpsaActions = actions.cActions ? a.data<SC_ACTION>(6) : reinterpret_cast<SC_ACTION *>(1);
      }
      return OperationCall::bits(c.impl.change_service_config2(service, SERVICE_CONFIG_FAILURE_ACTIONS, &actions));
    }
    default:
      return c.refuse(ELEVATE_ERR_INFO_LEVEL);
  }
}

uint64_t enumerate_account_rights_handler(OperationCall &c) {
  const RequestArgs &a = c.args;
  char *buffer = a.str(2);
  uint32_t capacity = buffer ? a.at(2).area.size : 0;
  ULONG *count = a.data<ULONG>(3);
  LSA_UNICODE_STRING *rights = nullptr;
  NTSTATUS status = c.impl.lsa_enumerate_account_rights(a.handle<LSA_HANDLE>(0), a.data(1), &rights, count);
  uint64_t result = OperationCall::bits(status);
  if (status == 0 && rights && count) {
    // The records first, then the texts in record order, without terminators.
    uint64_t packed = uint64_t{sizeof(PackedRight)} * *count;
    for (ULONG i = 0; i < *count; ++i) packed += rights[i].Length;
    if (packed > capacity) {
      result = ELEVATE_ERR_BUFFER_TOO_SMALL;
    } else {
      auto *records = reinterpret_cast<PackedRight *>(buffer);
      uint32_t text_offset = sizeof(PackedRight) * *count;
      for (ULONG i = 0; i < *count; ++i) {
        const LSA_UNICODE_STRING &right = rights[i];
        if (right.Buffer) std::memcpy(buffer + text_offset, right.Buffer, right.Length);
        records[i] = {right.Length, right.Length, right.Buffer ? a.at(2).caller_address + text_offset : 0};
        text_offset += right.Length;
      }
    }
  }
  if (rights) c.impl.lsa_free_memory(rights);
  return result;
}

uint64_t run_program_handler(OperationCall &c) {
  const RequestArgs &a = c.args;
  static const ArgRule head[] = {Str, V, V};
  if (uint32_t status = check_head(a, head, 3)) return c.refuse(status);
  uint32_t n = a.u32(2);
  // Descriptors after the n program arguments are ignored.
  uint32_t present = static_cast<uint32_t>(std::min<uint64_t>(n, a.count() - 3));
  uint32_t status = check_string_kinds(a, 3, present);
  if (!status && present < n) status = ELEVATE_ERR_ARG_COUNT;
  if (!status) status = a.check_areas(0, head, 1);
  if (!status) status = check_string_areas(a, 3, n);
  if (status) return c.refuse(status);
  std::vector<const char *> strings(n ? n + 1 : 0);  // null-terminated; no array without arguments
  for (uint32_t i = 0; i < n; ++i) strings[i] = a.str(3 + i);
  return OperationCall::bits(c.impl.run_program(a.str(0), n ? strings.data() : nullptr, a.u32(1)));
}

}  // namespace UTElevate
