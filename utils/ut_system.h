// Environment, product registry, modules and file access.
#pragma once
#include <windows.h>
#include <cstddef>

// The product's registry key is this prefix followed by a version.
#define UT_PRODUCT_KEY "Software\\Morvane\\SQL Pelagos\\"
#define UT_PRODUCT_VERSION "10.0"

// The variable's value in buffer, or null with buffer set to "".
char *ut_getenv(const char *name, char *buffer, size_t size);

// A REG_SZ value of the product key, current user before local machine.
// Returns 1 when found, 0 otherwise.
int read_product_setting(const char *version, const char *value_name, char *buffer, size_t size);

// LoadLibraryA keeping the floating-point control word. With
// fail_critical_errors, SEM_FAILCRITICALERRORS is in force during the call.
HMODULE ut_load_module(const char *path, bool fail_critical_errors = true);
void ut_free_module(HMODULE module);
FARPROC ut_get_proc(HMODULE module, const char *name);
int ut_file_access(const char *path, int mode);
