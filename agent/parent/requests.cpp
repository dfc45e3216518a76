#include <cstring>
#include "elevate_parent.h"

namespace elevate_parent {

using UTElevate::ArgDescriptor;

Arg Arg::of(uint64_t value) {
  Arg arg;
  arg.value = value;
  return arg;
}

Arg Arg::str(const char *text) {
  return text ? input(text, static_cast<uint32_t>(std::strlen(text) + 1)) : null_pointer(UTElevate::ARG_IN);
}

Arg Arg::input(const void *data, uint32_t size, uint32_t kind) {
  Arg arg;
  arg.kind = kind;
  arg.in = data;
  arg.size = size;
  arg.null = data == nullptr;
  arg.caller_address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(data));
  return arg;
}

Arg Arg::output(void *data, uint32_t size) {
  Arg arg = input(nullptr, size, UTElevate::ARG_OUT);
  arg.out = data;
  arg.null = data == nullptr;
  arg.caller_address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(data));
  return arg;
}

Arg Arg::in_out(void *data, uint32_t size) {
  Arg arg = output(data, size);
  arg.kind = UTElevate::ARG_INOUT;
  arg.in = data;
  return arg;
}

Arg Arg::null_pointer(uint32_t kind) {
  Arg arg;
  arg.kind = kind;
  arg.null = true;
  return arg;
}

Arg Arg::at(uint32_t kind, uint32_t offset, uint32_t size) {
  Arg arg;
  arg.kind = kind;
  arg.fixed_offset = offset;
  arg.size = size;
  return arg;
}

namespace {

constexpr uint64_t align8(uint64_t offset) { return (offset + 7) & ~uint64_t{7}; }

}  // namespace

bool write_request(const SharedSection &section, uint32_t opcode, const Arg *args, size_t count) {
  RequestBlock *block = section.block();
  char *base = reinterpret_cast<char *>(block);
  uint64_t next = align8(UTElevate::descriptor_offset(count));
  if (next > section.size()) return false;
  for (size_t i = 0; i < count; ++i) {
    const Arg &arg = args[i];
    if (arg.kind == UTElevate::ARG_VALUE || arg.null || arg.fixed_offset) continue;
    next = align8(next + arg.size);
    if (next > section.size()) return false;
  }

  block->opcode = opcode;
  block->arg_count = static_cast<uint32_t>(count);
  next = align8(UTElevate::descriptor_offset(count));
  for (size_t i = 0; i < count; ++i) {
    const Arg &arg = args[i];
    ArgDescriptor &d = block->args[i];
    d = ArgDescriptor{};
    d.kind = arg.kind;
    if (arg.kind == UTElevate::ARG_VALUE) {
      d.value = arg.value;
      continue;
    }
    d.area.size = arg.size;
    d.caller_address = arg.caller_address;
    if (arg.fixed_offset) {
      d.area.offset = arg.fixed_offset;
    } else if (!arg.null) {
      d.area.offset = static_cast<uint32_t>(next);
      if (arg.in)
        std::memcpy(base + next, arg.in, arg.size);
      else
        std::memset(base + next, 0, arg.size);
      next = align8(next + arg.size);
    }
  }
  return true;
}

void read_outputs(const SharedSection &section, const Arg *args, size_t count) {
  const char *base = reinterpret_cast<const char *>(section.block());
  for (size_t i = 0; i < count; ++i) {
    const ArgDescriptor &d = section.block()->args[i];
    if (args[i].out && d.area.offset) std::memcpy(args[i].out, base + d.area.offset, args[i].size);
  }
}

}  // namespace elevate_parent
