#include "tests/client/ui_driver.h"

#include "client/controls/gdiplus_image.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {
const DWORD kWaitMs = 15000;
const DWORD kPollMs = 20;

// GDI+ is started once for the whole test program, as the application does.
class GdiplusEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

private:
  ULONG_PTR m_token = 0;
};
[[maybe_unused]] auto *const g_gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

std::vector<HWND> VisibleWindows(DWORD thread) {
  std::vector<HWND> found;
  ::EnumThreadWindows(
      thread,
      [](HWND hwnd, LPARAM list) {
        if (::IsWindowVisible(hwnd))
          reinterpret_cast<std::vector<HWND> *>(list)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

BITMAPINFOHEADER TopDownHeader(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

// The pixels of `area` of a device context, top-down, 32 bits each.
std::vector<DWORD> Capture(HDC source, const RECT &area) {
  int width = area.right - area.left, height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader = TopDownHeader(width, height);
  void *bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = ::CreateCompatibleDC(source);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
  ::GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD *>(bits), static_cast<const DWORD *>(bits) + width * height);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::DeleteObject(bitmap);
  return pixels;
}
} // namespace

INT_PTR UiDriver::Run(const std::function<INT_PTR()> &modal,
                      const std::function<void(UiDriver &)> &script) {
  UiDriver driver;
  driver.uiThread = ::GetCurrentThreadId();
  std::thread thread([&] { script(driver); });
  INT_PTR result = modal();
  thread.join();
  return result;
}

void UiDriver::Fail(const std::string &why) {
  std::fprintf(stderr, "UI driver: %s\n", why.c_str());
  std::fflush(stderr);
  std::_Exit(3);
}

HWND UiDriver::WaitFor(const std::function<bool(HWND)> &match, const char *what) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    for (HWND hwnd : VisibleWindows(uiThread)) {
      if (::IsWindowEnabled(hwnd) && match(hwnd)) {
        ::Sleep(150); // let it finish painting
        return hwnd;
      }
    }
    ::Sleep(kPollMs);
  }
  Fail(std::string("no window: ") + what);
}

HWND UiDriver::WaitForStep(int templateId) {
  return WaitFor([templateId](HWND hwnd) { return TemplateOf(hwnd) == templateId; },
                 ("step " + std::to_string(templateId)).c_str());
}

HWND UiDriver::WaitForMessageBox() { return WaitForStep(IDD_MESSAGE_BOX); }

bool UiDriver::MessageBoxAppears(DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += kPollMs) {
    for (HWND hwnd : VisibleWindows(uiThread))
      if (TemplateOf(hwnd) == IDD_MESSAGE_BOX)
        return true;
    ::Sleep(kPollMs);
  }
  return false;
}

void UiDriver::WaitGone(HWND hwnd) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    if (!::IsWindow(hwnd) || !::IsWindowVisible(hwnd))
      return;
    ::Sleep(kPollMs);
  }
  Fail("window did not close: step " + std::to_string(TemplateOf(hwnd)));
}

bool UiDriver::NoWindowLeft() { return VisibleWindows(uiThread).empty(); }

void UiDriver::Click(HWND dialog, int controlId) {
  ::PostMessageA(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void UiDriver::Key(HWND target, WPARAM virtualKey) {
  ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
}

void UiDriver::Focus(HWND dialog, int controlId) {
  ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, controlId)), TRUE);
}

void UiDriver::CaptionClick(HWND window, int x) {
  RECT rc;
  ::GetWindowRect(window, &rc);
  ::PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(rc.left + x, rc.top + 5));
}

void UiDriver::EndMoveLoop(HWND window) {
  ::Sleep(200);
  ::PostMessageA(window, WM_LBUTTONUP, 0, 0);
}

void UiDriver::Screenshot(HWND window, const char *name) {
  const char *folder = std::getenv("TEST_OUTPUT_DIR");
  if (!folder)
    return;
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ::Sleep(300);
  RECT rc;
  ::GetWindowRect(window, &rc);
  int width = rc.right - rc.left, height = rc.bottom - rc.top;
  HDC dc = ::GetWindowDC(window);
  std::vector<DWORD> pixels = Capture(dc, {0, 0, width, height});
  ::ReleaseDC(window, dc);
  for (DWORD &pixel : pixels)
    pixel |= 0xFF000000; // opaque: GDI leaves the fourth byte zero

  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header = TopDownHeader(width, height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
  std::string path = std::string(folder) + "/" + name + ".bmp";
  if (FILE *out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(pixels.data(), 4, pixels.size(), out);
    std::fclose(out);
  }
}

int TemplateOf(HWND window) {
  auto has = [window](int id) { return ::GetDlgItem(window, id) != nullptr; };
  if (has(IDOK) && has(IDC_DESCRIPTION))
    return IDD_MESSAGE_BOX;
  if (has(IDC_PHONE_LABEL))
    return IDD_USER_CONTACT;
  if (has(IDC_END_LEFT))
    return IDD_END;
  if (has(IDC_REVIEW_LEFT))
    return IDD_SHOW_USER_INFO;
  if (has(IDC_READ_CARD_RIGHT))
    return IDD_READ_CARD;
  return 0;
}

RECT ControlRect(HWND dialog, int controlId) {
  RECT rc;
  ::GetWindowRect(::GetDlgItem(dialog, controlId), &rc);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&rc), 2);
  return rc;
}

std::vector<bool> DarkRows(HWND window, const RECT &area, int threshold) {
  // Reads the whole window the way screenshots do, then looks at `area`,
  // shifted from client to window coordinates.
  RECT frame;
  ::GetWindowRect(window, &frame);
  POINT origin{0, 0};
  ::ClientToScreen(window, &origin);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int dx = origin.x - frame.left, dy = origin.y - frame.top;
  HDC dc = ::GetWindowDC(window);
  std::vector<DWORD> pixels = Capture(dc, {0, 0, width, height});
  ::ReleaseDC(window, dc);
  auto dark = [threshold](DWORD p) {
    return (p & 0xFF) < DWORD(threshold) && ((p >> 8) & 0xFF) < DWORD(threshold) &&
           ((p >> 16) & 0xFF) < DWORD(threshold);
  };
  std::vector<bool> rows(area.bottom - area.top);
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    int wy = y + area.top + dy;
    for (int x = area.left + dx; x < area.right + dx && wy >= 0 && wy < height && !rows[y]; ++x)
      rows[y] = x >= 0 && x < width && dark(pixels[wy * width + x]);
  }
  return rows;
}
