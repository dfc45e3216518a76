// The parent's side of the request block: the section and its two events,
// starting the agent, laying out requests and reading the answers. Every
// user of the agent (the product, its tools, the tests) goes through this.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include "request_block.h"

namespace elevate_parent {

using UTElevate::RequestBlock;

constexpr size_t kDefaultSectionSize = 64 * 1024;
constexpr DWORD kDefaultTimeoutMs = 30000;

// A section holding the request block, mapped below 4 GB, with the two
// auto-reset events; the block's header is written.
class SharedSection {
 public:
  // With `inheritable`, a child process started with handle inheritance has
  // the section and the events under the same handle values.
  static std::unique_ptr<SharedSection> create(size_t size = kDefaultSectionSize, bool inheritable = false);
  ~SharedSection();
  SharedSection(const SharedSection &) = delete;
  SharedSection &operator=(const SharedSection &) = delete;

  RequestBlock *block() const { return block_; }
  size_t size() const { return size_; }
  HANDLE section() const { return section_; }
  HANDLE request_event() const { return request_event_; }
  HANDLE done_event() const { return done_event_; }

 private:
  SharedSection() = default;
  HANDLE section_ = nullptr;
  HANDLE request_event_ = nullptr;
  HANDLE done_event_ = nullptr;
  RequestBlock *block_ = nullptr;
  size_t size_ = 0;
};

enum class Outcome {
  Answered,    // the done event came
  AgentEnded,  // the agent's process ended first
  TimedOut,
  WaitFailed,
  DoesNotFit,  // the request is larger than the section; nothing was sent
};

// Waits for the done event or the agent's end; the done event wins a tie.
Outcome wait_for_done(HANDLE done_event, HANDLE agent, DWORD timeout_ms);

// The command-line tail that names a parent process and its section handle.
std::string agent_arguments(DWORD parent_id, HANDLE section);

// Starts the agent with that tail. std_error (inheritable, may be null)
// becomes its standard error. The caller closes the handles it gets.
bool launch_agent(const std::string &exe, const std::string &arguments, HANDLE std_error,
                  PROCESS_INFORMATION *started);

// One argument of a request: a value, or a data area the library lays out
// after the descriptors. `in` is copied into the area before the request,
// the area is copied back to `out` after the answer.
struct Arg {
  uint32_t kind = UTElevate::ARG_VALUE;
  uint64_t value = 0;
  const void *in = nullptr;
  void *out = nullptr;
  uint32_t size = 0;
  bool null = false;         // offset 0: a null pointer for the agent
  uint32_t fixed_offset = 0; // not 0: the descriptor names this offset as it is
  uint32_t caller_address = 0;

  static Arg of(uint64_t value);
  // Handles travel as their low 32 bits.
  static Arg handle(HANDLE handle) { return of(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle))); }
  static Arg str(const char *text);  // null text gives a null pointer
  static Arg input(const void *data, uint32_t size, uint32_t kind = UTElevate::ARG_IN);
  static Arg output(void *data, uint32_t size);
  static Arg in_out(void *data, uint32_t size);
  static Arg null_pointer(uint32_t kind);
  // A descriptor with exactly this offset and size; nothing is copied.
  static Arg at(uint32_t kind, uint32_t offset, uint32_t size = 0);
};

struct Reply {
  Outcome outcome;
  uint64_t result;
  uint32_t status;
};

// Writes opcode, descriptors and input areas. Returns false when they do not
// fit the section.
bool write_request(const SharedSection &section, uint32_t opcode, const Arg *args, size_t count);
// Copies the output areas back to the callers' buffers.
void read_outputs(const SharedSection &section, const Arg *args, size_t count);

// A started, attached agent.
class Agent {
 public:
  struct Options {
    std::string exe;
    size_t section_size = kDefaultSectionSize;
    DWORD ready_timeout_ms = kDefaultTimeoutMs;
    HANDLE std_error = nullptr;
  };
  // Null when the agent did not signal ready; *failure tells how it failed
  // and what `status` it left.
  static std::unique_ptr<Agent> start(const Options &options, Reply *failure = nullptr);
  ~Agent();
  Agent(const Agent &) = delete;
  Agent &operator=(const Agent &) = delete;

  Reply call(uint32_t opcode, std::initializer_list<Arg> args = {}, DWORD timeout_ms = kDefaultTimeoutMs);
  Reply call(uint32_t opcode, const Arg *args, size_t count, DWORD timeout_ms = kDefaultTimeoutMs);
  // Opcode 0: the agent answers and ends.
  Reply quit(DWORD timeout_ms = kDefaultTimeoutMs) { return call(UTElevate::kOpcodeQuit, {}, timeout_ms); }
  // The exit code, or STILL_ACTIVE when the agent has not ended in time.
  DWORD wait_exit(DWORD timeout_ms = kDefaultTimeoutMs) const;

  HANDLE process() const { return process_.hProcess; }
  HANDLE main_thread() const { return process_.hThread; }
  DWORD process_id() const { return process_.dwProcessId; }
  SharedSection &section() const { return *section_; }

 private:
  Agent() = default;
  std::unique_ptr<SharedSection> section_;
  PROCESS_INFORMATION process_{};
};

// The agent's executable next to the running program.
std::string agent_next_to_program();

}  // namespace elevate_parent
