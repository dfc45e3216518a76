#include "test_files.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>

ScratchFolder::ScratchFolder() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  static int serial = 0;
  std::ostringstream name;
  name << temp << "gateway-test-" << GetCurrentProcessId() << "-" << ++serial;
  path_ = name.str();
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA(File(found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path_.c_str());
}

std::string ScratchFolder::File(const std::string& name) const { return path_ + "\\" + name; }

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
