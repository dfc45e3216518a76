// Commands that run programs and measure the channel.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include "commands.h"

using namespace elevate_parent;

int report_failure(const char *what, const Reply &reply) {
  if (reply.outcome != Outcome::Answered)
    std::fprintf(stderr, "elevate-cli: %s: the agent did not answer\n", what);
  else
    std::fprintf(stderr, "elevate-cli: %s failed: result %lld, status %u (0x%08X)\n", what,
                 static_cast<long long>(reply.result), reply.status, reply.status);
  return 2;
}

int run_program(Agent &agent, const Words &words) {
  if (words.empty()) return 64;
  std::vector<Arg> args = {Arg::str(words[0].c_str()), Arg::of(1), Arg::of(words.size() - 1)};
  for (size_t i = 1; i < words.size(); ++i) args.push_back(Arg::str(words[i].c_str()));
  Reply reply = agent.call(149, args.data(), args.size(), INFINITE);
  if (reply.outcome != Outcome::Answered || reply.status >= 0x20000000 || reply.result == ~uint64_t{0})
    return report_failure("run", reply);
  std::printf("exit code %d\n", static_cast<int>(reply.result));
  return 0;
}

int shell(Agent &agent, const Words &words) {
  if (words.size() != 1) return 64;
  Reply reply = agent.call(132, {Arg::str(words[0].c_str())}, INFINITE);
  if (reply.outcome != Outcome::Answered) return report_failure("shell", reply);
  std::printf("exit code %d\n", static_cast<int>(reply.result));
  return 0;
}

int ping(Agent &agent, const Words &words) {
  int count = words.empty() ? 1000 : std::atoi(words[0].c_str());
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < count; ++i) {
    Reply reply = agent.call(UTElevate::kOpcodeLsaFreeMemory);
    if (reply.outcome != Outcome::Answered) return report_failure("ping", reply);
  }
  QueryPerformanceCounter(&stop);
  double micros = 1e6 * (stop.QuadPart - start.QuadPart) / frequency.QuadPart;
  std::printf("%d round trips, %.1f us each\n", count, count ? micros / count : 0.0);
  return 0;
}
