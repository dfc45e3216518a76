// Registry commands: open the key through the agent, work on it, close it.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "commands.h"

using namespace elevate_parent;

namespace {

struct Root {
  const char *short_name;
  const char *long_name;
  HKEY key;
};
const Root kRoots[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {"HKU", "HKEY_USERS", HKEY_USERS},
};

// "HKLM\Software\X" into the root key and "Software\X".
bool split_key(const std::string &path, HKEY *root, std::string *sub_key) {
  std::string head = path.substr(0, path.find('\\'));
  *sub_key = head.size() < path.size() ? path.substr(head.size() + 1) : "";
  for (const Root &r : kRoots) {
    if (_stricmp(head.c_str(), r.short_name) == 0 || _stricmp(head.c_str(), r.long_name) == 0) {
      *root = r.key;
      return true;
    }
  }
  std::fprintf(stderr, "elevate-cli: unknown root key %s\n", head.c_str());
  return false;
}

// The key as the agent's handle, opened (or created) with `access`.
bool open_key(Agent &agent, const std::string &path, REGSAM access, bool create, HKEY *key) {
  HKEY root;
  std::string sub_key;
  if (!split_key(path, &root, &sub_key)) return false;
  HKEY opened = nullptr;
  Reply reply;
  if (create) {
    DWORD disposition = 0;
    reply = agent.call(117, {Arg::handle(root), Arg::str(sub_key.c_str()), Arg::of(0), Arg::str(nullptr), Arg::of(0),
                             Arg::of(access), Arg::null_pointer(UTElevate::ARG_SECURITY_ATTRIBUTES),
                             Arg::output(&opened, sizeof(opened)), Arg::output(&disposition, sizeof(disposition))});
  } else {
    reply = agent.call(113, {Arg::handle(root), Arg::str(sub_key.c_str()), Arg::of(0), Arg::of(access),
                             Arg::output(&opened, sizeof(opened))});
  }
  if (reply.outcome != Outcome::Answered || reply.result != 0) return report_failure("open key", reply), false;
  *key = opened;
  return true;
}

void close_key(Agent &agent, HKEY key) { agent.call(116, {Arg::handle(key)}); }

void print_value(DWORD type, const BYTE *data, DWORD size) {
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      std::printf("%.*s\n", static_cast<int>(size), reinterpret_cast<const char *>(data));
      break;
    case REG_MULTI_SZ:
      for (const char *s = reinterpret_cast<const char *>(data); *s; s += std::strlen(s) + 1) std::printf("%s\n", s);
      break;
    case REG_DWORD:
      std::printf("0x%08lx (%lu)\n", *reinterpret_cast<const DWORD *>(data), *reinterpret_cast<const DWORD *>(data));
      break;
    default:
      for (DWORD i = 0; i < size; ++i) std::printf("%02x%s", data[i], i + 1 < size ? " " : "\n");
  }
}

}  // namespace

int reg_query(Agent &agent, const Words &words) {
  if (words.empty() || words.size() > 2) return 64;
  HKEY key;
  if (!open_key(agent, words[0], KEY_READ, false, &key)) return 2;
  const char *name = words.size() == 2 ? words[1].c_str() : "";
  BYTE data[16384] = {};
  DWORD type = 0, size = sizeof(data) - 2;  // room for the terminators a string may lack
  Reply reply = agent.call(114, {Arg::handle(key), Arg::str(name), Arg::null_pointer(UTElevate::ARG_INOUT),
                                 Arg::output(&type, sizeof(type)), Arg::output(data, sizeof(data)),
                                 Arg::in_out(&size, sizeof(size))});
  close_key(agent, key);
  if (reply.outcome != Outcome::Answered || reply.result != 0) return report_failure("query value", reply);
  print_value(type, data, size);
  return 0;
}

int reg_set(Agent &agent, const Words &words) {
  if (words.size() != 4) return 64;
  std::vector<BYTE> data;
  DWORD type;
  if (words[2] == "sz") {
    type = REG_SZ;
    data.assign(words[3].begin(), words[3].end());
    data.push_back(0);
  } else if (words[2] == "dword") {
    type = REG_DWORD;
    DWORD value = std::strtoul(words[3].c_str(), nullptr, 0);
    data.assign(reinterpret_cast<BYTE *>(&value), reinterpret_cast<BYTE *>(&value) + sizeof(value));
  } else {
    return 64;
  }
  HKEY key;
  if (!open_key(agent, words[0], KEY_WRITE, true, &key)) return 2;
  Reply reply = agent.call(118, {Arg::handle(key), Arg::str(words[1].c_str()), Arg::of(0), Arg::of(type),
                                 Arg::input(data.data(), static_cast<uint32_t>(data.size())), Arg::of(data.size())});
  close_key(agent, key);
  if (reply.outcome != Outcome::Answered || reply.result != 0) return report_failure("set value", reply);
  return 0;
}
