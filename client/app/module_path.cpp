#include "client/app/module_path.h"

#include <windows.h>

std::wstring ModulePath(const wchar_t *relative) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.erase(folder.find_last_of(L'\\') + 1); // npos + 1 == 0: no folder at all
  return folder + relative;
}
