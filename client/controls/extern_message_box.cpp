#include "client/controls/extern_message_box.h"

#include "client/app/module_path.h"
#include "client/controls/button_bitmaps.h"

namespace {
// The box's size when its background picture cannot be loaded.
const SIZE kFallbackSize = {320, 150};
const int kTextPoints = 12;
} // namespace

ExternMessageBox::ExternMessageBox(const std::string &text, bool withCancel)
    : CDialog(IDD_MESSAGE_BOX), m_text(text), m_withCancel(withCancel) {
  m_hollowBrush.CreateHollowBrush();
  m_textFont.CreatePointFont(kTextPoints * 10, "宋体");
}

SIZE ExternMessageBox::MeasureText() {
  CClientDC dc(m_hWnd);
  CSelectObject font(dc, m_textFont.m_hObject);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, m_text.c_str(), static_cast<int>(m_text.size()), &size);
  return size;
}

BOOL ExternMessageBox::OnInitDialog() {
  CDialog::OnInitDialog();
  // The box has no caption; its window text carries the message for
  // assistive tools.
  SetWindowText(m_text.c_str());
  m_label.SubclassDlgItem(IDC_DESCRIPTION, this);

  m_background = LoadImageFile(ModulePath(L"res\\MessageBox_Bk.gif"));
  SIZE box = m_background ? ImageSize(*m_background) : kFallbackSize;
  SetWindowPos(nullptr, 0, 0, box.cx, box.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  SIZE text = MeasureText();
  AttachImageButton(m_confirm, this, IDOK, kConfirmButton);
  AttachImageButton(m_cancel, this, IDCANCEL, kCancelButton);
  int buttonsWidth = m_confirm.GetWindowSize().cx + m_cancel.GetWindowSize().cx;
  if (text.cx > buttonsWidth + 30)
    SetWindowPos(nullptr, 0, 0, text.cx + 40, box.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceButtons(box);
  return TRUE;
}

// The buttons stand at three fifths of the picture's height, centred on the
// picture (not on a box widened for long text), 15 pixels apart.
void ExternMessageBox::PlaceButtons(SIZE box) {
  int w1 = m_confirm.GetWindowSize().cx;
  int w2 = m_cancel.GetWindowSize().cx;
  int y = box.cy * 3 / 5;
  const UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  if (m_withCancel) {
    m_confirm.SetWindowPos(nullptr, (box.cx - w1 - w2 - 20) / 2, y, 0, 0, flags);
    m_cancel.SetWindowPos(nullptr, (box.cx + w1 - w2 + 10) / 2, y, 0, 0, flags);
  } else {
    m_cancel.ShowWindow(SW_HIDE);
    m_cancel.EnableWindow(FALSE);
    m_confirm.SetWindowPos(nullptr, (box.cx - w1) / 2, y, 0, 0, flags);
  }
}

void ExternMessageBox::EraseBackground(HDC dc) {
  if (!m_background)
    return;
  RECT client;
  GetClientRect(&client);
  DrawImage(dc, *m_background, 0, 0, client.right, client.bottom);
}

void ExternMessageBox::PaintText() {
  CPaintDC dc(m_hWnd);
  CSelectObject font(dc, m_textFont.m_hObject);
  ::SetBkMode(dc, TRANSPARENT);
  TEXTMETRICA metrics;
  ::GetTextMetricsA(dc, &metrics);
  SIZE text{};
  ::GetTextExtentPoint32A(dc, m_text.c_str(), static_cast<int>(m_text.size()), &text);
  RECT client;
  GetClientRect(&client);
  ::TextOutA(dc, (client.right - text.cx) / 2, client.bottom * 2 / 5 - metrics.tmHeight,
             m_text.c_str(), static_cast<int>(m_text.size()));
}

LRESULT ExternMessageBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_ERASEBKGND: {
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetBkMode(dc, TRANSPARENT);
    CDialog::WindowProc(msg, wParam, lParam);
    EraseBackground(dc);
    return TRUE;
  }
  case WM_PAINT:
    PaintText();
    return 0;
  }
  return CDialog::WindowProc(msg, wParam, lParam);
}

HBRUSH ExternMessageBox::OnCtlColor(HDC dc, HWND, UINT) {
  ::SetBkMode(dc, TRANSPARENT);
  return m_hollowBrush;
}

int SkinMessageBox(const std::string &text, bool withCancel) {
  ExternMessageBox box(text, withCancel);
  return static_cast<int>(box.DoModal());
}
