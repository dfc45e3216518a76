// CButton and CBitmapButton: a push button, and an owner-drawn push button
// painted from up to four bitmap resources (normal, pressed, focused,
// disabled). The control must have the BS_OWNERDRAW style.
#pragma once
#include "client/framework/qf_wnd.h"

class CButton : public CWnd {
public:
  UINT GetState() const { return static_cast<UINT>(::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0)); }
};

class CBitmapButton : public CButton {
public:
  ~CBitmapButton() override;

  // Resource numbers of the four bitmaps; 0 means none (the normal bitmap
  // stands in for a missing state). False if the normal bitmap is missing.
  BOOL LoadBitmaps(UINT normal, UINT pressed = 0, UINT focused = 0, UINT disabled = 0);
  // Resizes the button to its normal bitmap, keeping its position.
  void SizeToContent();

  BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *result) override;

protected:
  virtual void DrawItem(const DRAWITEMSTRUCT *item);

private:
  void FreeBitmaps();
  enum { kNormal, kPressed, kFocused, kDisabled, kStates };
  HBITMAP m_bitmaps[kStates] = {};
};
