// Owners of GDI objects and device contexts, each released exactly once.
#pragma once
#include <windows.h>

// A GDI object (brush, font, bitmap) deleted with its owner.
template <typename Handle> class CGdiObject {
public:
  CGdiObject() = default;
  ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject &) = delete;
  CGdiObject &operator=(const CGdiObject &) = delete;

  Handle m_hObject = nullptr;
  operator Handle() const { return m_hObject; }
  BOOL Attach(Handle handle) {
    DeleteObject();
    m_hObject = handle;
    return handle != nullptr;
  }
  void DeleteObject() {
    if (m_hObject)
      ::DeleteObject(m_hObject);
    m_hObject = nullptr;
  }
};

class CBrush : public CGdiObject<HBRUSH> {
public:
  BOOL CreateBrushIndirect(const LOGBRUSH *brush) { return Attach(::CreateBrushIndirect(brush)); }
  BOOL CreateHollowBrush() {
    LOGBRUSH hollow{BS_NULL, 0, 0};
    return CreateBrushIndirect(&hollow);
  }
};

class CFont : public CGdiObject<HFONT> {
public:
  // A font of `tenthsOfPoint` / 10 points in the given face, at the
  // screen's resolution.
  BOOL CreatePointFont(int tenthsOfPoint, const char *face) {
    HDC screen = ::GetDC(nullptr);
    int height = -::MulDiv(tenthsOfPoint, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, screen);
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return Attach(::CreateFontIndirectA(&font));
  }
};

// Device contexts tied to a scope.
class CPaintDC {
public:
  explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd) { m_hDC = ::BeginPaint(hwnd, &m_ps); }
  ~CPaintDC() { ::EndPaint(m_hwnd, &m_ps); }
  CPaintDC(const CPaintDC &) = delete;
  CPaintDC &operator=(const CPaintDC &) = delete;
  operator HDC() const { return m_hDC; }
  PAINTSTRUCT m_ps;

private:
  HWND m_hwnd;
  HDC m_hDC;
};

class CWindowDC {
public:
  explicit CWindowDC(HWND hwnd) : m_hwnd(hwnd), m_hDC(::GetWindowDC(hwnd)) {}
  ~CWindowDC() { ::ReleaseDC(m_hwnd, m_hDC); }
  CWindowDC(const CWindowDC &) = delete;
  CWindowDC &operator=(const CWindowDC &) = delete;
  operator HDC() const { return m_hDC; }

private:
  HWND m_hwnd;
  HDC m_hDC;
};

class CClientDC {
public:
  explicit CClientDC(HWND hwnd) : m_hwnd(hwnd), m_hDC(::GetDC(hwnd)) {}
  ~CClientDC() { ::ReleaseDC(m_hwnd, m_hDC); }
  CClientDC(const CClientDC &) = delete;
  CClientDC &operator=(const CClientDC &) = delete;
  operator HDC() const { return m_hDC; }

private:
  HWND m_hwnd;
  HDC m_hDC;
};

// Selects an object into a device context for the life of the scope.
class CSelectObject {
public:
  CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? ::SelectObject(dc, object) : nullptr) {}
  ~CSelectObject() {
    if (m_old)
      ::SelectObject(m_dc, m_old);
  }
  CSelectObject(const CSelectObject &) = delete;
  CSelectObject &operator=(const CSelectObject &) = delete;

private:
  HDC m_dc;
  HGDIOBJ m_old;
};
