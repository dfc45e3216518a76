// elevate-cli: starts the agent, sends it one operation and prints the answer.
//   elevate-cli [--agent PATH] COMMAND ARGS...
#include <cstdio>
#include <cstring>
#include "commands.h"

namespace {

struct Command {
  const char *name;
  const char *usage;
  int (*run)(elevate_parent::Agent &, const Words &);
};

const Command kCommands[] = {
    {"reg-query", "reg-query KEY [VALUE]        e.g. reg-query HKCU\\Environment TEMP", reg_query},
    {"reg-set", "reg-set KEY VALUE sz|dword DATA", reg_set},
    {"run", "run PROGRAM [ARGS...]        starts it and waits, prints its exit code", run_program},
    {"shell", "shell COMMAND               runs it through the command interpreter", shell},
    {"ping", "ping [COUNT]                 round trips that call nothing", ping},
};

int usage() {
  std::fprintf(stderr, "usage: elevate-cli [--agent PATH] COMMAND ARGS...\ncommands:\n");
  for (const Command &command : kCommands) std::fprintf(stderr, "  %s\n", command.usage);
  return 64;
}

}  // namespace

int main(int argc, char **argv) {
  int next = 1;
  elevate_parent::Agent::Options options{elevate_parent::agent_next_to_program()};
  if (next + 1 < argc && std::strcmp(argv[next], "--agent") == 0) {
    options.exe = argv[next + 1];
    next += 2;
  }
  if (next >= argc) return usage();
  for (const Command &command : kCommands) {
    if (std::strcmp(argv[next], command.name) != 0) continue;
    elevate_parent::Reply failure;
    auto agent = elevate_parent::Agent::start(options, &failure);
    if (!agent) {
      std::fprintf(stderr, "elevate-cli: %s did not start (status 0x%08X)\n", options.exe.c_str(),
                   static_cast<unsigned>(failure.status));
      return 3;
    }
    return command.run(*agent, Words(argv + next + 1, argv + argc));
  }
  return usage();
}
