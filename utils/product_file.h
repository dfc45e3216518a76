// Finding a file of the product installation by name, without being told
// where the installation is.
#pragma once
#include <cstddef>

// Looks for name next to the library's module and the executable, in the
// current directory, under the vendor directory (with use_vendor_dir and
// MORVANE set), in the installation's sub-directory for the name's extension
// above those, under the "Location" setting, in the Windows and system
// directories, along PATH, and under KPDIR (or SQLPEL10).
// Returns the length of the first path that can be read, or 0 when there is
// none. The path is copied to out only when out_size exceeds that length;
// out becomes "" when nothing is found.
size_t find_product_file(const char *name, char *out, size_t out_size, int use_vendor_dir);
