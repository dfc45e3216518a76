// elevate-bench [AGENT]: medians of
//  - a request that calls nothing (opcode 122) against a bare two-process
//    event ping-pong, and
//  - agent start to ready signal against a program that only signals an event,
// each pair measured in alternating rounds of the same run, with their ratios.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "elevate_parent.h"

using namespace elevate_parent;

namespace {

constexpr int kRounds = 10;
constexpr int kTripsPerRound = 1000;
constexpr int kStarts = 40;

double now_us() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1e6 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples.empty() ? 0 : samples[samples.size() / 2];
}

std::string next_to_program(const char *name) {
  std::string agent = agent_next_to_program();
  return agent.substr(0, agent.find_last_of("\\/") + 1) + name;
}

// Starts a peer program with inherited handles.
bool start_peer(const char *program, const std::string &arguments, PROCESS_INFORMATION *peer) {
  std::string exe = next_to_program(program);
  std::string command = "\"" + exe + "\" " + arguments;
  std::vector<char> text(command.begin(), command.end());
  text.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  return CreateProcessA(exe.c_str(), text.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, peer);
}

void end_peer(PROCESS_INFORMATION &peer) {
  TerminateProcess(peer.hProcess, 0);
  WaitForSingleObject(peer.hProcess, INFINITE);
  CloseHandle(peer.hThread);
  CloseHandle(peer.hProcess);
}

HANDLE inheritable_event() {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  return CreateEventA(&inherit, FALSE, FALSE, nullptr);
}

std::string value_of(HANDLE handle) { return std::to_string(reinterpret_cast<uintptr_t>(handle)); }

void print_pair(const char *what, const char *unit, double agent, double bare, double goal) {
  double ratio = bare > 0 ? agent / bare : 0;
  std::printf("%-12s agent %9.1f %s   baseline %9.1f %s   ratio %.2f (goal <= %.1f)%s\n", what, agent, unit, bare,
              unit, ratio, goal, ratio <= goal ? "" : "  ABOVE GOAL");
}

bool round_trips(const std::string &agent_exe) {
  auto agent = Agent::start({agent_exe});
  HANDLE request = inheritable_event(), done = inheritable_event();
  PROCESS_INFORMATION peer{};
  if (!agent || !start_peer("bench-peer.exe", "echo " + value_of(request) + " " + value_of(done), &peer)) {
    std::fprintf(stderr, "elevate-bench: could not start the agent or the peer\n");
    return false;
  }
  std::vector<double> agent_us, bare_us;
  for (int round = 0; round <= kRounds; ++round) {  // round 0 warms up
    for (int i = 0; i < kTripsPerRound; ++i) {
      double start = now_us();
      agent->call(UTElevate::kOpcodeLsaFreeMemory);
      if (round) agent_us.push_back(now_us() - start);
    }
    for (int i = 0; i < kTripsPerRound; ++i) {
      double start = now_us();
      SetEvent(request);
      WaitForSingleObject(done, INFINITE);
      if (round) bare_us.push_back(now_us() - start);
    }
  }
  end_peer(peer);
  CloseHandle(request);
  CloseHandle(done);
  print_pair("round trip", "us", median(agent_us), median(bare_us), 1.2);
  return true;
}

// From process creation to the event the program signals first.
double peer_start_ms(const char *program) {
  HANDLE signal = inheritable_event();
  PROCESS_INFORMATION peer{};
  double start = now_us();
  if (!start_peer(program, "signal " + value_of(signal), &peer)) return -1;
  HANDLE waits[2] = {signal, peer.hProcess};
  WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  double elapsed = (now_us() - start) / 1000;
  end_peer(peer);
  CloseHandle(signal);
  return elapsed;
}

// From process creation to the ready signal; then the agent is ended.
double agent_start_ms(const std::string &agent_exe) {
  auto section = SharedSection::create();
  PROCESS_INFORMATION agent{};
  double start = now_us();
  if (!launch_agent(agent_exe, agent_arguments(GetCurrentProcessId(), section->section()), nullptr, &agent)) return -1;
  Outcome ready = wait_for_done(section->done_event(), agent.hProcess, INFINITE);
  double elapsed = (now_us() - start) / 1000;
  write_request(*section, UTElevate::kOpcodeQuit, nullptr, 0);
  SetEvent(section->request_event());
  WaitForSingleObject(agent.hProcess, INFINITE);
  CloseHandle(agent.hThread);
  CloseHandle(agent.hProcess);
  return ready == Outcome::Answered ? elapsed : -1;
}

bool start_ups(const std::string &agent_exe) {
  std::vector<double> agent_ms, bare_ms, user32_ms;
  for (int run = 0; run <= kStarts; ++run) {  // run 0 warms up
    double agent = agent_start_ms(agent_exe), bare = peer_start_ms("bench-peer.exe"),
           user32 = peer_start_ms("bench-peer-user32.exe");
    if (agent < 0 || bare < 0 || user32 < 0) return false;
    if (!run) continue;
    agent_ms.push_back(agent);
    bare_ms.push_back(bare);
    user32_ms.push_back(user32);
  }
  print_pair("start-up", "ms", median(agent_ms), median(bare_ms), 1.5);
  std::printf("  of which USER32: a signalling program that loads it takes %.1f ms\n", median(user32_ms));
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  std::string agent_exe = argc > 1 ? argv[1] : agent_next_to_program();
  std::printf("elevate-bench: %d x %d round trips, %d start-ups, medians\n", kRounds, kTripsPerRound, kStarts);
  return round_trips(agent_exe) && start_ups(agent_exe) ? 0 : 1;
}
