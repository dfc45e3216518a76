// Splitting of a command line into arguments.
#pragma once

// Splits command_line in place and returns the number of arguments.
// *argv receives a new array (free with ut_free): program, the arguments,
// then a null entry. Out of memory is fatal.
int ut_split_args(char *command_line, const char *program, char ***argv);
