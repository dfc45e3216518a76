// Paths of files that ship next to the executable (images, the card library),
// so that they are found whatever the current directory is.
#pragma once
#include <string>

// The executable's folder, with its final backslash, followed by `relative`.
std::wstring ModulePath(const wchar_t *relative);
