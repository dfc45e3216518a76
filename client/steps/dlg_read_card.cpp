#include "client/steps/dlg_read_card.h"

#include "client/controls/button_bitmaps.h"

CDlgReadCard::CDlgReadCard(UserInfoRecord *record, std::string description)
    : StepDlgBase(IDD_READ_CARD), m_record(record), m_description(std::move(description)) {}

BOOL CDlgReadCard::OnInitDialog() {
  StepDlgBase::OnInitDialog();
  RepaintAllWindows();
  AttachImageButton(m_next, this, IDC_NEXT, kNextButton);
  AttachImageButton(m_cancel, this, IDC_BACK, kCancelButton);
  if (!LoadSkinImages(L"res\\DlgReadCard_Left.bmp", L"res\\DlgReadCard_Right.bmp")) {
    FailSkin();
    return TRUE;
  }
  SIZE left = ImageSize(*m_leftImage), right = ImageSize(*m_rightImage);
  SizeToPictures(left, right, right.cy);
  ArrangePlaceholders(IDC_READ_CARD_LEFT, IDC_READ_CARD_RIGHT, IDC_READ_CARD_BOTTOM);
  PlaceStripButtons(BottomStripRect(left, right), m_cancel, &m_next);
  PutDescription(m_description);
  Invalidate();
  return TRUE;
}

BOOL CDlgReadCard::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
  case IDC_NEXT:
    GoTo(m_links.forward);
    return TRUE;
  case IDC_BACK:
    m_nextStep = m_links.back;
    AskToQuit();
    return TRUE;
  }
  return StepDlgBase::OnCommand(wParam, lParam);
}

LRESULT CDlgReadCard::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = StepDlgBase::WindowProc(msg, wParam, lParam);
  if (msg == WM_SHOWWINDOW)
    RepaintAllWindows();
  return result;
}
