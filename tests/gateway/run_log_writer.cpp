// Helper of the run log test: appends COUNT lines of LENGTH bytes to FILE,
// each tagged with TAG, as fast as it can.
//   run_log_writer FILE TAG COUNT LENGTH
#include <cstdlib>
#include <string>

#include "client/app/run_log.h"

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  RunLog log(argv[1]);
  int count = std::atoi(argv[3]);
  std::string filler(static_cast<std::size_t>(std::atoi(argv[4])), argv[2][0]);
  for (int i = 0; i < count; ++i) log.Log("%s %d %s", argv[2], i, filler.c_str());
  return 0;
}
