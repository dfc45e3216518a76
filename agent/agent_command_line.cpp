#include "agent_command_line.h"
#include "utils/ut_args.h"
#include "utils/ut_chartable.h"
#include "utils/ut_memory.h"
#include "utils/ut_number.h"

namespace UTElevate {
namespace {

// Token 0 is the program's own path; a correct command line adds two.
constexpr int kExpectedTokens = 3;

template <class T> bool whole_number(const char *token, T (*parse)(const char *, char **, int), T *value) {
  char *end = nullptr;
  *value = parse(token, &end, 0);
  return *end == '\0';
}

}  // namespace

bool parse_agent_command_line(char *text, AgentCommandLine *out) {
  char program[MAX_PATH + 1] = "";
  GetModuleFileNameA(nullptr, program, sizeof(program));
  ut_init_char_table();  // the splitter copies double-byte characters whole

  char **tokens = nullptr;
  int count = ut_split_args(text, program, &tokens);
  bool ok = count == kExpectedTokens && whole_number(tokens[1], ut_strtou32, &out->parent_id) &&
            whole_number(tokens[2], ut_strtou64, &out->section_value);
  ut_free(tokens);
  return ok;
}

}  // namespace UTElevate
