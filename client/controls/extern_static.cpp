#include "client/controls/extern_static.h"

#include <windowsx.h>

namespace HALVERN {

std::vector<std::string> SplitLabelText(const std::string &text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n')
      lines.emplace_back();
    else if (c == '\t')
      lines.back() += "    ";
    else if (c != '\r')
      lines.back() += c;
  }
  return lines;
}

bool ExternStatic::SetPicture(const std::wstring &path, int mode) {
  m_picture = LoadImageFile(path);
  if (!m_picture)
    return false;
  if (mode == kPictureFitted) {
    SIZE size = ImageSize(*m_picture);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  m_pictureMode = mode;
  return true;
}

bool ExternStatic::SetFontSize(int points) {
  if (m_font.CreatePointFont(points * 10, "宋体"))
    return true;
  m_font.DeleteObject();
  return false;
}

void ExternStatic::EraseBackground(HDC dc) {
  ::SetBkColor(dc, m_backColor);
  ::SetBkMode(dc, m_backMode);
  if (!m_picture)
    return;
  RECT client;
  GetClientRect(&client);
  SIZE own = ImageSize(*m_picture);
  bool sameSize = own.cx == client.right && own.cy == client.bottom;
  if (sameSize || m_pictureMode == kPictureOwnSize || m_pictureMode == kPictureFitted)
    DrawImage(dc, *m_picture, 0, 0);
  else if (m_pictureMode == kPictureStretched)
    DrawImage(dc, *m_picture, 0, 0, client.right, client.bottom);
}

void ExternStatic::Paint() {
  CPaintDC dc(m_hWnd);
  ::SetTextColor(dc, m_textColor);
  ::SetBkMode(dc, TRANSPARENT);
  CSelectObject font(dc, m_font.m_hObject);
  if (!m_text.empty()) {
    TEXTMETRICA metrics;
    ::GetTextMetricsA(dc, &metrics);
    int y = m_textOrigin.y;
    for (const std::string &line : SplitLabelText(m_text)) {
      ::TextOutA(dc, m_textOrigin.x, y, line.c_str(), static_cast<int>(line.size()));
      y += metrics.tmHeight;
    }
  }
  for (HWND partner : m_repaintPartners)
    ::InvalidateRect(partner, nullptr, TRUE);
}

// Moves the parent window by the mouse's travel since the last move. The
// travel is measured on the screen: the label moves with the window, so its
// own coordinates of a still mouse change under every step of the drag.
static POINT MouseOnScreen(HWND hwnd, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(hwnd, &point);
  return point;
}

void ExternStatic::FollowMouse(LPARAM lParam) {
  POINT now = MouseOnScreen(m_hWnd, lParam);
  if (m_dragging) {
    HWND parent = GetParent();
    RECT rc;
    ::GetWindowRect(parent, &rc);
    ::SetWindowPos(parent, nullptr, rc.left + now.x - m_lastMouse.x, rc.top + now.y - m_lastMouse.y,
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  m_lastMouse = now;
}

LRESULT ExternStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_ERASEBKGND:
    EraseBackground(reinterpret_cast<HDC>(wParam));
    return CStatic::WindowProc(msg, wParam, lParam);
  case WM_PAINT:
    Paint();
    return 0;
  case WM_LBUTTONDOWN:
    m_dragging = true;
    m_lastMouse = MouseOnScreen(m_hWnd, lParam);
    ::SetCapture(m_hWnd); // keeps the drag when the mouse outruns the window
    break;
  case WM_LBUTTONUP:
    m_dragging = false;
    if (::GetCapture() == m_hWnd)
      ::ReleaseCapture();
    break;
  case WM_CAPTURECHANGED:
    m_dragging = false;
    break;
  case WM_MOUSEMOVE: {
    LRESULT result = CStatic::WindowProc(msg, wParam, lParam);
    FollowMouse(lParam);
    return result;
  }
  }
  return CStatic::WindowProc(msg, wParam, lParam);
}

void ExternStatic::PostNcDestroy() {
  m_picture.reset();
  m_font.DeleteObject();
  m_repaintPartners.clear();
}

} // namespace HALVERN
