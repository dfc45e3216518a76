// The block at the start of the section the parent shares with the agent: its
// header, the argument descriptors and the agent's own status codes. The layout
// is the 32-bit one on every target, so all fields have fixed widths.
#pragma once
#include <cstddef>
#include <cstdint>

namespace UTElevate {

enum ArgKind : uint32_t {
  ARG_VALUE = 0,                // an integer or handle in `value`
  ARG_IN = 1,                   // input data: a string or a structure
  ARG_OUT = 2,                  // an output buffer
  ARG_INOUT = 3,                // read and written (sizes in and out)
  ARG_SECURITY_ATTRIBUTES = 4,  // the security attributes of key creation
};

// Codes of the agent's own, in the range Windows leaves to applications.
enum ElevateStatus : uint32_t {
  ELEVATE_ERR_UNSUPPORTED = 0x20000000,
  ELEVATE_ERR_ARG_COUNT = 0x20000001,
  ELEVATE_ERR_ARG_TYPE = 0x20000002,
  ELEVATE_ERR_ATTACH = 0x20000003,
  ELEVATE_ERR_INFO_LEVEL = 0x20000005,
  ELEVATE_ERR_BUFFER_TOO_SMALL = 0x20000007,
  ELEVATE_ERR_BLOCK_TAG = 0x20000009,
  ELEVATE_ERR_BLOCK_LEVEL = 0x2000000A,
};

constexpr uint32_t kBlockFormatTag = 4;
constexpr uint32_t kMaxBlockFormatLevel = 1;
constexpr uint32_t kOpcodeQuit = 0;
constexpr uint32_t kOpcodeLsaFreeMemory = 122;  // answered without a call

struct ArgDescriptor {
  uint32_t kind;
  uint32_t unused_4;
  union {
    uint64_t value;  // ARG_VALUE
    struct {
      uint32_t size;            // bytes of the data area, where an operation reads it
      uint32_t offset;          // from the start of the block; 0 is a null pointer
    } area;
  };
  uint32_t caller_address;  // the parent caller's pointer; 0 for a null pointer
  uint32_t unused_20;
};

struct RequestBlock {
  uint32_t format_level;
  uint32_t format_tag;
  uint8_t unused_08[12];
  uint32_t status;
  uint8_t unused_18[8];
  uint64_t request_event;  // the parent's handle values; the low 4 bytes count
  uint64_t done_event;
  uint8_t unused_30[128];
  uint32_t parent_base;    // where the parent mapped the block
  uint32_t opcode;
  uint32_t arg_count;
  uint32_t unused_bc;
  uint64_t result;
  ArgDescriptor args[1];   // arg_count descriptors; the argument data follows them
};

constexpr size_t kFirstDescriptorOffset = 0xC8;

// Offset of descriptor `index` from the start of the block.
constexpr uint64_t descriptor_offset(uint64_t index) {
  return kFirstDescriptorOffset + index * sizeof(ArgDescriptor);
}

static_assert(sizeof(ArgDescriptor) == 24, "descriptor size");
static_assert(offsetof(ArgDescriptor, kind) == 0, "kind");
static_assert(offsetof(ArgDescriptor, value) == 8, "value");
static_assert(offsetof(ArgDescriptor, area) + offsetof(decltype(ArgDescriptor::area), size) == 8, "size");
static_assert(offsetof(ArgDescriptor, area) + offsetof(decltype(ArgDescriptor::area), offset) == 12, "offset");
static_assert(offsetof(ArgDescriptor, caller_address) == 16, "caller_address");

static_assert(offsetof(RequestBlock, format_level) == 0x00, "format_level");
static_assert(offsetof(RequestBlock, format_tag) == 0x04, "format_tag");
static_assert(offsetof(RequestBlock, status) == 0x14, "status");
static_assert(offsetof(RequestBlock, request_event) == 0x20, "request_event");
static_assert(offsetof(RequestBlock, done_event) == 0x28, "done_event");
static_assert(offsetof(RequestBlock, parent_base) == 0xB0, "parent_base");
static_assert(offsetof(RequestBlock, opcode) == 0xB4, "opcode");
static_assert(offsetof(RequestBlock, arg_count) == 0xB8, "arg_count");
static_assert(offsetof(RequestBlock, result) == 0xC0, "result");
static_assert(offsetof(RequestBlock, args) == kFirstDescriptorOffset, "args");
static_assert(sizeof(RequestBlock) == 0xE0, "fixed part with one descriptor");
static_assert(descriptor_offset(13) == 0x200, "the longest request ends at 0x200");

}  // namespace UTElevate
