// Starting a program for the parent, optionally waiting for its end.
#pragma once

namespace UTElevate {

// Runs the program with the null-terminated argument list (may be null),
// joined by blanks without quoting. Returns the exit code when waiting, 0
// when not, -1 when the program could not be started.
int start_program(const char *program, const char *const *args, int wait);

}  // namespace UTElevate
