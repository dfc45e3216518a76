#include "agent_test_support.h"
#include <cstdlib>
#include <fstream>
#include <vector>

namespace agent_test {
namespace {

// The build's paths are Unix paths; Wine shows the root as drive Z.
std::string windows_path(std::string unix_path) {
  for (char &c : unix_path)
    if (c == '/') c = '\\';
  return "Z:" + unix_path;
}

}  // namespace

std::string save_window_image(HWND window, const std::string &name) {
  const char *folder = std::getenv("TEST_OUTPUT_DIR");
  RECT box;
  if (!folder || !GetWindowRect(window, &box)) return "";
  const int width = box.right - box.left, height = box.bottom - box.top;
  BITMAPINFOHEADER header{sizeof(header), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD row = (width * 3 + 3) & ~3u;
  std::vector<char> pixels(row * height);
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO *>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  std::string path = windows_path(std::string(folder) + "/" + name);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(header) + pixels.size()), 0, 0,
                        sizeof(BITMAPFILEHEADER) + sizeof(header)};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char *>(&file), sizeof(file));
  out.write(reinterpret_cast<const char *>(&header), sizeof(header));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return out ? path : "";
}

std::string agent_exe() { return windows_path(AGENT_EXE); }
std::string idle_exe() { return windows_path(IDLE_EXE); }

ErrorPipe::ErrorPipe() {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  CreatePipe(&read_, &write_, &inherit, 0);
  SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
}

ErrorPipe::~ErrorPipe() {
  if (read_) CloseHandle(read_);
  if (write_) CloseHandle(write_);
}

std::string ErrorPipe::read_all() {
  CloseHandle(write_);
  write_ = nullptr;
  std::string text;
  char buffer[256];
  DWORD got = 0;
  while (ReadFile(read_, buffer, sizeof(buffer), &got, nullptr) && got) text.append(buffer, got);
  return text;
}

Run run_agent(const std::string &arguments, const elevate_parent::SharedSection &section) {
  ErrorPipe pipe;
  PROCESS_INFORMATION agent{};
  Run run{STILL_ACTIVE, "", false};
  if (!elevate_parent::launch_agent(agent_exe(), arguments, pipe.child_end(), &agent)) return run;
  if (WaitForSingleObject(agent.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(agent.hProcess, 99);
  GetExitCodeProcess(agent.hProcess, &run.exit_code);
  run.std_error = pipe.read_all();
  run.done_signalled = WaitForSingleObject(section.done_event(), 0) == WAIT_OBJECT_0;
  CloseHandle(agent.hThread);
  CloseHandle(agent.hProcess);
  return run;
}

IdleParent::IdleParent() {
  std::string exe = idle_exe();
  std::vector<char> command(exe.begin(), exe.end());
  command.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  // Inheritance gives the child the section and the events under our values.
  CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_);
}

IdleParent::~IdleParent() {
  if (!process_.hProcess) return;
  end();
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void IdleParent::end() {
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 30000);
}

}  // namespace agent_test
