// Runs the tests, or, started with --detect=<file>, writes what the locale
// context detects into the file, so that a parent test can run detection
// under another locale.
#include <gmock/gmock.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "utils/locale/locale_context.h"
#include "utils/locale/locale_detect.h"

namespace {

const char kDetectOption[] = "--detect=";

// Written whole under a temporary name, then renamed: the parent waits for
// the file to appear.
int write_detection(const char *path) {
  UTLocaleContext context;
  std::string part = std::string(path) + ".part";
  FILE *out = std::fopen(part.c_str(), "w");
  if (!out) return 1;
  std::fprintf(out, "%u %s %s %s %s", GetACP(), context.os_charset->names[UT_SCHEME_STANDARD]->name,
              context.ansi_charset->names[UT_SCHEME_STANDARD]->name, context.language->name,
              detect_default_collation()->name);
  std::fclose(out);
  return MoveFileA(part.c_str(), path) ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 2 && std::strncmp(argv[1], kDetectOption, sizeof kDetectOption - 1) == 0)
    return write_detection(argv[1] + sizeof kDetectOption - 1);
  testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
