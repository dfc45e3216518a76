#include "client/steps/dlg_end.h"

#include "client/app/module_path.h"
#include "client/controls/button_bitmaps.h"

CDlgEnd::CDlgEnd(UserInfoRecord *record, SubmitOutcome *outcome, std::string description)
    : StepDlgBase(IDD_END), m_record(record), m_outcome(outcome),
      m_description(std::move(description)) {}

// The outcome text in black over the right picture, and the buttons that
// fit the outcome.
void CDlgEnd::ShowOutcome() {
  m_message.SubclassDlgItem(IDC_OUTCOME_TEXT, this);
  m_message.SetFontSize(12);
  m_message.m_textOrigin = {10, 10};
  m_message.m_text = m_outcome->outcomeText;
  if (m_outcome->succeeded) {
    m_finish.ShowWindow(SW_SHOW);
    m_finish.EnableWindow(TRUE);
    m_restart.EnableWindow(FALSE);
  } else {
    m_restart.ShowWindow(SW_SHOW);
    m_restart.EnableWindow(TRUE);
    m_exit.ShowWindow(SW_SHOW);
    m_exit.EnableWindow(TRUE);
    m_finish.EnableWindow(FALSE);
  }
}

// The pictures are labels sized to their images; the step paints the strip
// over the hidden bottom placeholder. False if an image cannot be loaded.
bool CDlgEnd::LoadPictures() {
  m_leftPicture.SubclassDlgItem(IDC_END_LEFT, this);
  m_rightPicture.SubclassDlgItem(IDC_END_RIGHT, this);
  m_bottomPlaceholder.SubclassDlgItem(IDC_END_BOTTOM, this);
  const wchar_t *leftFile = m_outcome->succeeded ? L"res\\DlgEnd_Left_Successful.bmp"
                                                 : L"res\\DlgEnd_Left_Fail.bmp";
  if (!m_leftPicture.SetPicture(ModulePath(leftFile), HALVERN::kPictureFitted) ||
      !m_rightPicture.SetPicture(ModulePath(L"res\\DlgEnd_Right.bmp"), HALVERN::kPictureFitted) ||
      !LoadSkinImages())
    return false;
  SIZE left = m_leftPicture.GetWindowSize(), right = m_rightPicture.GetWindowSize();
  m_rightPicture.SetWindowPos(nullptr, left.cx, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SizeToPictures(left, right, right.cy);
  RECT strip = BottomStripRect(left, right);
  ArrangeBottomPlaceholder(IDC_END_BOTTOM, strip);
  if (m_outcome->succeeded)
    PlaceStripButtons(strip, m_finish);
  else
    PlaceStripButtons(strip, m_restart, &m_exit);
  return true;
}

BOOL CDlgEnd::OnInitDialog() {
  StepDlgBase::OnInitDialog();
  RepaintAllWindows();
  AttachImageButton(m_restart, this, IDC_RESTART, kRestartButton);
  AttachImageButton(m_finish, this, IDC_FINISH, kFinishButton);
  AttachImageButton(m_exit, this, IDC_EXIT, kExitButton);
  PutDescription(m_description);
  m_record->clearCardData();
  ShowOutcome();
  m_rightPicture.AddRepaintPartner(m_message);
  UseProgramIcon();
  ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  if (!LoadPictures())
    FailSkin();
  return TRUE;
}

BOOL CDlgEnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
  case IDC_RESTART:
    GoTo(m_links.back);
    return TRUE;
  case IDC_FINISH:
    GoTo(m_links.forward);
    return TRUE;
  case IDC_EXIT:
    OnCancel();
    return TRUE;
  }
  return StepDlgBase::OnCommand(wParam, lParam);
}
