#include "client/framework/qf_button.h"

CBitmapButton::~CBitmapButton() { FreeBitmaps(); }

void CBitmapButton::FreeBitmaps() {
  for (HBITMAP &bitmap : m_bitmaps) {
    if (bitmap)
      ::DeleteObject(bitmap);
    bitmap = nullptr;
  }
}

BOOL CBitmapButton::LoadBitmaps(UINT normal, UINT pressed, UINT focused, UINT disabled) {
  FreeBitmaps();
  const UINT ids[kStates] = {normal, pressed, focused, disabled};
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  for (int i = 0; i < kStates; ++i) {
    if (ids[i])
      m_bitmaps[i] = ::LoadBitmapA(module, MAKEINTRESOURCEA(ids[i]));
  }
  return m_bitmaps[kNormal] != nullptr;
}

void CBitmapButton::SizeToContent() {
  BITMAP info;
  if (!m_bitmaps[kNormal] || !::GetObjectA(m_bitmaps[kNormal], sizeof info, &info))
    return;
  SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CBitmapButton::OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT *result) {
  if (msg != WM_DRAWITEM)
    return FALSE;
  DrawItem(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
  *result = TRUE;
  return TRUE;
}

void CBitmapButton::DrawItem(const DRAWITEMSTRUCT *item) {
  HBITMAP bitmap = m_bitmaps[kNormal];
  if ((item->itemState & ODS_SELECTED) && m_bitmaps[kPressed])
    bitmap = m_bitmaps[kPressed];
  else if ((item->itemState & ODS_FOCUS) && m_bitmaps[kFocused])
    bitmap = m_bitmaps[kFocused];
  else if ((item->itemState & ODS_DISABLED) && m_bitmaps[kDisabled])
    bitmap = m_bitmaps[kDisabled];
  if (!bitmap)
    return;
  HDC memory = ::CreateCompatibleDC(item->hDC);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  const RECT &rc = item->rcItem;
  ::BitBlt(item->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, previous);
  ::DeleteDC(memory);
}
