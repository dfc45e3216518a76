#include <string>
#include <vector>
#include "elevate_parent.h"

namespace elevate_parent {

Outcome wait_for_done(HANDLE done_event, HANDLE agent, DWORD timeout_ms) {
  HANDLE waits[2] = {done_event, agent};
  switch (WaitForMultipleObjects(2, waits, FALSE, timeout_ms)) {
    case WAIT_OBJECT_0:
      return Outcome::Answered;
    case WAIT_OBJECT_0 + 1:
      return Outcome::AgentEnded;
    case WAIT_TIMEOUT:
      return Outcome::TimedOut;
    default:
      return Outcome::WaitFailed;
  }
}

std::string agent_arguments(DWORD parent_id, HANDLE section) {
  return std::to_string(parent_id) + " " + std::to_string(reinterpret_cast<uintptr_t>(section));
}

bool launch_agent(const std::string &exe, const std::string &arguments, HANDLE std_error,
                  PROCESS_INFORMATION *started) {
  std::string command = "\"" + exe + "\" " + arguments;
  std::vector<char> text(command.begin(), command.end());
  text.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (std_error) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = std_error;
  }
  // Only the standard error handle needs inheriting: the agent duplicates
  // the section and the events itself.
  return CreateProcessA(exe.c_str(), text.data(), nullptr, nullptr, std_error != nullptr, 0, nullptr, nullptr,
                        &startup, started) != FALSE;
}

std::unique_ptr<Agent> Agent::start(const Options &options, Reply *failure) {
  Reply ignored;
  Reply &why = failure ? *failure : ignored;
  why = Reply{Outcome::WaitFailed, 0, 0};
  std::unique_ptr<Agent> agent(new Agent);
  agent->section_ = SharedSection::create(options.section_size);
  if (!agent->section_) return nullptr;
  std::string arguments = agent_arguments(GetCurrentProcessId(), agent->section_->section());
  if (!launch_agent(options.exe, arguments, options.std_error, &agent->process_)) return nullptr;
  why.outcome = wait_for_done(agent->section_->done_event(), agent->process(), options.ready_timeout_ms);
  why.status = agent->section_->block()->status;
  if (why.outcome != Outcome::Answered) return nullptr;
  return agent;
}

Agent::~Agent() {
  if (!process_.hProcess) return;
  if (wait_exit(0) == STILL_ACTIVE && quit(5000).outcome != Outcome::AgentEnded && wait_exit(5000) == STILL_ACTIVE)
    TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

Reply Agent::call(uint32_t opcode, std::initializer_list<Arg> args, DWORD timeout_ms) {
  return call(opcode, args.begin(), args.size(), timeout_ms);
}

Reply Agent::call(uint32_t opcode, const Arg *args, size_t count, DWORD timeout_ms) {
  if (!write_request(*section_, opcode, args, count)) return {Outcome::DoesNotFit, 0, 0};
  SetEvent(section_->request_event());
  Reply reply{wait_for_done(section_->done_event(), process(), timeout_ms), 0, 0};
  if (reply.outcome != Outcome::Answered) return reply;
  reply.result = section_->block()->result;
  reply.status = section_->block()->status;
  read_outputs(*section_, args, count);
  return reply;
}

DWORD Agent::wait_exit(DWORD timeout_ms) const {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process(), timeout_ms) == WAIT_OBJECT_0) GetExitCodeProcess(process(), &code);
  return code;
}

std::string agent_next_to_program() {
  char path[MAX_PATH] = "";
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string own(path, length);
  return own.substr(0, own.find_last_of("\\/") + 1) + "vornelevate10.exe";
}

}  // namespace elevate_parent
