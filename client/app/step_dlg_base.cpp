#include "client/app/step_dlg_base.h"

#include "client/app/module_path.h"
#include "client/controls/extern_message_box.h"
#include "client/framework/qf_gdi.h"
#include "res/resource.h"

#include <windowsx.h>

namespace {
// The caption's close image stands this far from the window's right edge.
const int kCloseImageMargin = 10;
// Both pictures together are this much wider than the window.
const int kPictureOverhang = 10;
// Distance between the two strip buttons is 135; their pair is placed this
// much left of the strip's centre.
const int kStripButtonGap = 180;
const int kStripButtonShift = 90;
} // namespace

void StepDlgBase::GoTo(StepDlgBase *next) {
  m_nextStep = next;
  OnOK();
}

void StepDlgBase::AskToQuit() {
  if (SkinMessageBox("是否确认退出？", true) != IDCANCEL)
    OnCancel();
}

BOOL StepDlgBase::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
  case IDOK:
    return TRUE;
  case IDCANCEL:
    AskToQuit();
    return TRUE;
  }
  return FALSE;
}

bool StepDlgBase::LoadSkinImages(const wchar_t *leftFile, const wchar_t *rightFile) {
  if (leftFile)
    m_leftImage = LoadImageFile(ModulePath(leftFile));
  if (rightFile)
    m_rightImage = LoadImageFile(ModulePath(rightFile));
  m_titleImage = LoadImageFile(ModulePath(L"res\\Quillon_Title.gif"));
  m_closeImage = LoadImageFile(ModulePath(L"res\\Title_Close.gif"));
  m_bottomImage = LoadImageFile(ModulePath(L"res\\Quillon_Bottom.gif"));
  return (!leftFile || m_leftImage) && (!rightFile || m_rightImage) && m_titleImage &&
         m_closeImage && m_bottomImage;
}

void StepDlgBase::FailSkin() {
  SkinMessageBox("加载图片失败！", false);
  OnCancel();
}

int StepDlgBase::CaptionHeight() {
  return ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYDLGFRAME);
}

void StepDlgBase::SizeToPictures(SIZE left, SIZE right, int pictureHeight) {
  int width = left.cx + right.cx - kPictureOverhang;
  int height = pictureHeight + ImageSize(*m_bottomImage).cy + CaptionHeight();
  SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT StepDlgBase::LeftPictureRect(SIZE left) { return {0, 0, left.cx, left.cy}; }

RECT StepDlgBase::RightPictureRect(SIZE left, SIZE right) {
  return {left.cx, 0, left.cx + right.cx, right.cy};
}

RECT StepDlgBase::BottomStripRect(SIZE left, SIZE right) const {
  return {0, left.cy, left.cx + right.cx, left.cy + ImageSize(*m_bottomImage).cy};
}

RECT StepDlgBase::ControlRect(int id) const {
  RECT rc;
  ::GetWindowRect(GetDlgItem(id), &rc);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT *>(&rc), 2);
  return rc;
}

void StepDlgBase::PlaceHidden(int id, const RECT &rc) {
  HWND placeholder = GetDlgItem(id);
  ::MoveWindow(placeholder, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FALSE);
  ::ShowWindow(placeholder, SW_HIDE);
}

void StepDlgBase::ArrangePlaceholders(int leftId, int rightId, int bottomId) {
  SIZE left = ImageSize(*m_leftImage), right = ImageSize(*m_rightImage);
  PlaceHidden(leftId, LeftPictureRect(left));
  PlaceHidden(rightId, RightPictureRect(left, right));
  PlaceHidden(bottomId, BottomStripRect(left, right));
  m_leftPlaceholder = leftId;
  m_rightPlaceholder = rightId;
  m_bottomPlaceholder = bottomId;
}

void StepDlgBase::ArrangeBottomPlaceholder(int bottomId, const RECT &strip) {
  PlaceHidden(bottomId, strip);
  m_bottomPlaceholder = bottomId;
}

// The right picture, then the left one, each in its own size at its
// placeholder, then the strip stretched over its placeholder.
void StepDlgBase::PaintPictures(HDC dc) {
  if (m_leftPlaceholder && m_leftImage && m_rightImage) {
    RECT right = ControlRect(m_rightPlaceholder);
    DrawImage(dc, *m_rightImage, right.left, right.top);
    RECT left = ControlRect(m_leftPlaceholder);
    DrawImage(dc, *m_leftImage, left.left, left.top);
  }
  if (m_bottomPlaceholder && m_bottomImage) {
    RECT rc = ControlRect(m_bottomPlaceholder);
    DrawImage(dc, *m_bottomImage, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  }
}

void StepDlgBase::PlaceStripButtons(const RECT &strip, CWnd &first, CWnd *second) {
  int stripWidth = strip.right - strip.left;
  SIZE one = first.GetWindowSize();
  int y = strip.top + (strip.bottom - strip.top - one.cy) / 2;
  const UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  if (!second) {
    first.SetWindowPos(nullptr, strip.left + (stripWidth - one.cx) / 2, y, 0, 0, flags);
    return;
  }
  SIZE two = second->GetWindowSize();
  first.SetWindowPos(nullptr, strip.left + (stripWidth - one.cx - two.cx - kStripButtonGap) / 2, y,
                     0, 0, flags);
  second->SetWindowPos(nullptr, strip.left + (stripWidth + one.cx - two.cx + kStripButtonShift) / 2,
                       y, 0, 0, flags);
}

void StepDlgBase::PutDescription(const std::string &text) {
  ::SetDlgItemTextA(m_hWnd, IDC_DESCRIPTION, text.c_str());
  ::SetDlgItemTextA(m_hWnd, IDC_DESCRIPTION_EXTRA, "");
}

void StepDlgBase::UseProgramIcon() {
  HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QUILLON));
  ::SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

// The title image stretched over the caption, the close image at its right.
// Drawn off screen first: GDI+ clips a window's device context to its client
// area on some systems, and the caption lies outside it.
void StepDlgBase::PaintCaption() {
  if (!m_titleImage || !m_closeImage)
    return;
  CWindowDC dc(m_hWnd);
  int width = GetWindowSize().cx, height = CaptionHeight();
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP caption = ::CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ previous = ::SelectObject(memory, caption);
  DrawImage(memory, *m_titleImage, 0, 0, width, height);
  int closeWidth = ImageSize(*m_closeImage).cx;
  DrawImage(memory, *m_closeImage, width - closeWidth - kCloseImageMargin, 0, closeWidth, height);
  ::BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, previous);
  ::DeleteObject(caption);
  ::DeleteDC(memory);
}

bool StepDlgBase::CloseAreaHit(LPARAM screenPoint) const {
  RECT window;
  GetWindowRect(&window);
  int x = GET_X_LPARAM(screenPoint) - window.left;
  int width = window.right - window.left;
  int closeWidth = ImageSize(*m_closeImage).cx;
  return width - closeWidth - kCloseImageMargin < x && x < width - kCloseImageMargin;
}

LRESULT StepDlgBase::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_NCPAINT:
    if (!m_titleImage || !m_closeImage)
      break;
    PaintCaption();
    return 0;
  case WM_NCACTIVATE: {
    LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
    PaintCaption();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return result;
  }
  case WM_NCCALCSIZE: {
    // Widen the client area over the dialog frame, which the skin covers.
    RECT *proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS *>(lParam)->rgrc[0]
                            : reinterpret_cast<RECT *>(lParam);
    int frame = ::GetSystemMetrics(SM_CYFRAME);
    proposed->left -= frame;
    proposed->right += 2 * frame;
    proposed->bottom += ::GetSystemMetrics(SM_CXFRAME);
    break;
  }
  case WM_NCLBUTTONDOWN:
    if (wParam != HTCAPTION)
      break;
    if (!m_titleImage || !m_closeImage)
      return 0;
    if (CloseAreaHit(lParam)) {
      ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
      if (!::IsWindowVisible(m_hWnd))
        return 0; // the operator chose to quit: no drag of a closing window
    }
    break;
  case WM_PAINT: {
    if (!m_bottomPlaceholder)
      break;
    CPaintDC dc(m_hWnd);
    PaintPictures(dc);
    return 0;
  }
  case WM_DESTROY:
    m_leftImage.reset();
    m_rightImage.reset();
    m_bottomImage.reset();
    break;
  case WM_NCDESTROY:
    m_titleImage.reset();
    m_closeImage.reset();
    break;
  }
  return CDialog::WindowProc(msg, wParam, lParam);
}
