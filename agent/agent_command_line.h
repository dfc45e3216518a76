// The agent's command line: the parent's process id and the parent's value of
// the section handle, nothing else.
#pragma once
#include <windows.h>
#include <cstdint>

namespace UTElevate {

struct AgentCommandLine {
  uint32_t parent_id;
  uint64_t section_value;  // only its low 32 bits name the handle
};

// Splits text (in place) and reads the two numbers. Returns false for any
// other token count or a token that is not one complete number.
bool parse_agent_command_line(char *text, AgentCommandLine *out);

}  // namespace UTElevate
