// vornelevate10: the elevated agent a non-elevated parent starts with its own
// process id and its section handle value, and then drives through the block.
#include <windows.h>
#include <cstring>
#include <vector>
#include "agent_command_line.h"
#include "parent_attachment.h"
#include "request_loop.h"

namespace {

// Ends a start-up whose command line, parent or section handle was unusable.
// Written to the handle itself: a GUI program's C streams may be unconnected.
void report_usage_failure() {
  // The usage message (catalogue number 17420, with the program name) is shown
  // here once the process-wide message catalogue registers a message module;
  // until then it yields no text and no box is shown.
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), "done\n", 5, &written, nullptr);
}

}  // namespace

// The process-wide locale context and message catalogue are static objects of
// the platform library: built before this function runs, destroyed after it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  std::vector<char> text(command_line, command_line + std::strlen(command_line) + 1);
  UTElevate::AgentCommandLine args{};
  if (!UTElevate::parse_agent_command_line(text.data(), &args)) {
    report_usage_failure();
    return 1;
  }
  bool usage_failure = false;
  auto attachment =
      UTElevate::attach_to_parent(args.parent_id, static_cast<uint32_t>(args.section_value), &usage_failure);
  if (!attachment) {
    if (usage_failure) report_usage_failure();
    return 1;
  }
  UTElevate::run_request_loop(*attachment);
  return 0;
}
