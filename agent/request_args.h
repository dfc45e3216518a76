// Reading a request's argument descriptors, and the one place where they are
// checked: their count, their kinds and whether every data area an operation
// will touch lies inside the agent's view of the section.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include "request_block.h"

namespace UTElevate {

// How many bytes of an argument's data area an operation reads or writes.
enum class AreaSize : uint8_t {
  None,      // nothing is dereferenced (values, ignored inputs)
  Fixed,     // `bytes`
  String,    // up to and with the terminating NUL
  StringList,  // NUL-separated strings ending with an empty one
  ValueArg,  // `bytes` times the low 32 bits of the value argument `source`
  InOutArg,  // the 32-bit count held in the area of argument `source`
  Sid,       // a security identifier, as long as its header says
  Capacity,  // the descriptor's own `size`
};

struct ArgRule {
  uint32_t kind;
  AreaSize area;
  uint8_t source;  // the argument that gives the size (ValueArg, InOutArg)
  uint32_t bytes;
};

namespace args {
constexpr ArgRule V{ARG_VALUE, AreaSize::None, 0, 0};
constexpr ArgRule Str{ARG_IN, AreaSize::String, 0, 0};
constexpr ArgRule StrList{ARG_IN, AreaSize::StringList, 0, 0};
constexpr ArgRule Sid{ARG_IN, AreaSize::Sid, 0, 0};
constexpr ArgRule Unread{ARG_IN, AreaSize::None, 0, 0};
constexpr ArgRule In(uint32_t bytes) { return {ARG_IN, AreaSize::Fixed, 0, bytes}; }
constexpr ArgRule Out(uint32_t bytes) { return {ARG_OUT, AreaSize::Fixed, 0, bytes}; }
constexpr ArgRule InOut(uint32_t bytes) { return {ARG_INOUT, AreaSize::Fixed, 0, bytes}; }
constexpr ArgRule Security() { return {ARG_SECURITY_ATTRIBUTES, AreaSize::Fixed, 0, sizeof(SECURITY_ATTRIBUTES)}; }
// An area of `count` elements, the count given by value argument `source`.
constexpr ArgRule InSized(uint8_t source, uint32_t element = 1) { return {ARG_IN, AreaSize::ValueArg, source, element}; }
constexpr ArgRule OutSized(uint8_t source) { return {ARG_OUT, AreaSize::ValueArg, source, 1}; }
// An output buffer whose size the caller passes in the 32-bit area of `source`.
constexpr ArgRule OutSizedBy(uint8_t source) { return {ARG_OUT, AreaSize::InOutArg, source, 0}; }
constexpr ArgRule OutCapacity{ARG_OUT, AreaSize::Capacity, 0, 0};
}  // namespace args

class RequestArgs {
 public:
  RequestArgs(RequestBlock *block, size_t view_size) : block_(block), view_size_(view_size) {}

  uint32_t count() const { return block_->arg_count; }
  RequestBlock *block() const { return block_; }

  // Whether descriptors 0 to count - 1 lie inside the view.
  bool descriptors_in_view(uint64_t count) const;

  // The complete check of an operation with a fixed argument list. Returns 0,
  // ELEVATE_ERR_ARG_COUNT, ELEVATE_ERR_ARG_TYPE or ERROR_NOACCESS.
  uint32_t check(const ArgRule *rules, uint32_t count) const;
  // Kinds and then areas of descriptors first .. first + count - 1, whose
  // presence the caller has established.
  uint32_t check_kinds(uint32_t first, const ArgRule *rules, uint32_t count) const;
  uint32_t check_areas(uint32_t first, const ArgRule *rules, uint32_t count) const;

  const ArgDescriptor &at(uint32_t index) const { return block_->args[index]; }
  uint32_t u32(uint32_t index) const { return static_cast<uint32_t>(at(index).value); }
  uint64_t u64(uint32_t index) const { return at(index).value; }
  // A handle travels as its low 32 bits; Windows sign-extends such values.
  template <class H> H handle(uint32_t index) const {
    return reinterpret_cast<H>(static_cast<intptr_t>(static_cast<int32_t>(u32(index))));
  }
  // The data area in the agent's view, or null for offset 0.
  template <class T = void> T *data(uint32_t index) const {
    uint32_t offset = at(index).area.offset;
    return offset ? reinterpret_cast<T *>(reinterpret_cast<char *>(block_) + offset) : nullptr;
  }
  char *str(uint32_t index) const { return data<char>(index); }

 private:
  bool area_in_view(uint32_t index, uint64_t bytes) const;
  bool area_holds(uint32_t index, const ArgRule &rule) const;
  bool terminated_in_view(uint32_t index, bool list) const;

  RequestBlock *block_;
  size_t view_size_;
};

}  // namespace UTElevate
