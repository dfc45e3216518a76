#include "request_args.h"
#include <cstring>

namespace UTElevate {

bool RequestArgs::descriptors_in_view(uint64_t count) const {
  return descriptor_offset(count) <= view_size_;
}

uint32_t RequestArgs::check(const ArgRule *rules, uint32_t count) const {
  if (block_->arg_count != count) return ELEVATE_ERR_ARG_COUNT;
  if (!descriptors_in_view(count)) return ERROR_NOACCESS;
  uint32_t status = check_kinds(0, rules, count);
  return status ? status : check_areas(0, rules, count);
}

uint32_t RequestArgs::check_kinds(uint32_t first, const ArgRule *rules, uint32_t count) const {
  for (uint32_t i = 0; i < count; ++i)
    if (at(first + i).kind != rules[i].kind) return ELEVATE_ERR_ARG_TYPE;
  return 0;
}

// Sizes that depend on another area are checked after that area, so every
// area is read only once it is known to lie inside the view.
uint32_t RequestArgs::check_areas(uint32_t first, const ArgRule *rules, uint32_t count) const {
  for (int pass = 0; pass < 2; ++pass) {
    for (uint32_t i = 0; i < count; ++i) {
      bool dependent = rules[i].area == AreaSize::InOutArg;
      if (dependent == (pass == 1) && !area_holds(first + i, rules[i])) return ERROR_NOACCESS;
    }
  }
  return 0;
}

bool RequestArgs::area_in_view(uint32_t index, uint64_t bytes) const {
  uint64_t offset = at(index).area.offset;
  return offset == 0 || offset + bytes <= view_size_;
}

// A string ends at its first NUL; a list of strings ends at an empty string.
bool RequestArgs::terminated_in_view(uint32_t index, bool list) const {
  uint32_t offset = at(index).area.offset;
  if (offset >= view_size_) return false;
  const char *text = data<char>(index);
  size_t room = view_size_ - offset;
  for (size_t i = 0; i < room; ++i) {
    if (text[i] != '\0') continue;
    if (!list || i == 0 || text[i - 1] == '\0') return true;
  }
  return false;
}

bool RequestArgs::area_holds(uint32_t index, const ArgRule &rule) const {
  if (at(index).area.offset == 0) return true;  // a null pointer
  switch (rule.area) {
    case AreaSize::None:
      return true;
    case AreaSize::Fixed:
      return area_in_view(index, rule.bytes);
    case AreaSize::String:
      return terminated_in_view(index, false);
    case AreaSize::StringList:
      return terminated_in_view(index, true);
    case AreaSize::ValueArg:
      return area_in_view(index, uint64_t{rule.bytes} * u32(rule.source));
    case AreaSize::InOutArg: {
      const DWORD *size = data<DWORD>(rule.source);
      return area_in_view(index, size ? *size : 0);
    }
    case AreaSize::Sid: {
      // Revision, sub-authority count and a 6-byte authority, then the sub-authorities.
      if (!area_in_view(index, 8)) return false;
      uint8_t sub_authorities = data<uint8_t>(index)[1];
      return area_in_view(index, 8 + 4 * uint64_t{sub_authorities});
    }
    case AreaSize::Capacity:
      return area_in_view(index, at(index).area.size);
  }
  return false;
}

}  // namespace UTElevate
