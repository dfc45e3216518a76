// The two ways the platform library stops the process: a fatal error for
// exhausted resources and an assertion for states a correct program never
// reaches. This is the lowest layer of the library; it calls nothing else in it.
#pragma once

// Shows the report to the user. ask != 0 asks a yes/no question and stores
// in *answer whether the user chose Yes.
typedef void (*ut_report_hook)(const char *text, const char *caption, int ask, int *answer);

// The hook in force for the whole process; the default shows a message box.
extern ut_report_hook ut_report;

// Shows text ("Unknown error" when null) in a box captioned
// "SQLPelagos Fatal Error", echoes it to standard output and exits with code 1.
[[noreturn]] void ut_fatal_error(const char *text);

// Reports a failed assertion: message is a printf format for the arguments
// and may be null or empty. Breaks into an attached debugger and returns;
// otherwise reports through the hook and aborts.
void ut_assert_failed(const char *message, const char *file, int line, ...);

