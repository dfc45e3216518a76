#include "client/steps/dlg_user_contact.h"

#include "client/app/module_path.h"
#include "client/controls/button_bitmaps.h"

namespace {
// The five edits: control, typing limit, and the record field they show.
struct ContactField {
  int id;
  int limit;
  std::string UserInfoRecord::*field;
};
const ContactField kContactFields[5] = {
    {IDC_AREA_CODE, 4, &UserInfoRecord::areaCode},  {IDC_PHONE, 20, &UserInfoRecord::phone},
    {IDC_EXTENSION, 8, &UserInfoRecord::extension}, {IDC_ADDRESS, 200, &UserInfoRecord::address},
    {IDC_POSTCODE, 6, &UserInfoRecord::postcode},
};
// The labels and edits that lie on the right picture and are drawn again
// after it.
const int kOverRightPicture[] = {IDC_PHONE_LABEL, IDC_ADDRESS_LABEL, IDC_POSTCODE_LABEL,
                                 IDC_AREA_CODE,   IDC_ADDRESS,       IDC_POSTCODE};
} // namespace

DlgUserContact::DlgUserContact(UserInfoRecord *record)
    : StepDlgBase(IDD_USER_CONTACT), m_record(record) {
  m_hollowBrush.CreateHollowBrush();
}

// The pictures are labels sized to their images; the strip is stretched
// under both. False if a picture cannot be loaded.
bool DlgUserContact::LoadPictures() {
  m_leftPicture.SubclassDlgItem(IDC_CONTACT_LEFT, this);
  m_rightPicture.SubclassDlgItem(IDC_CONTACT_RIGHT, this);
  m_bottomStrip.SubclassDlgItem(IDC_CONTACT_BOTTOM, this);
  if (!m_leftPicture.SetPicture(ModulePath(L"res\\DlgUserContact_Left.bmp"), HALVERN::kPictureFitted) ||
      !m_rightPicture.SetPicture(ModulePath(L"res\\DlgUserContact_Right.bmp"), HALVERN::kPictureFitted) ||
      !LoadSkinImages())
    return false;
  SIZE left = m_leftPicture.GetWindowSize(), right = m_rightPicture.GetWindowSize();
  m_rightPicture.SetWindowPos(nullptr, left.cx, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT strip = BottomStripRect(left, right);
  m_bottomStrip.MoveWindow(strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top);
  m_bottomStrip.SetPicture(ModulePath(L"res\\Quillon_Bottom.gif"), HALVERN::kPictureStretched);
  SizeToPictures(left, right, left.cy);
  return true;
}

void DlgUserContact::PlaceButtons() {
  AttachImageButton(m_back, this, IDC_BACK, kBackButton);
  AttachImageButton(m_next, this, IDC_NEXT, kNextButton);
  m_bottomStrip.AddRepaintPartner(m_back);
  m_bottomStrip.AddRepaintPartner(m_next);
  SIZE left = m_leftPicture.GetWindowSize(), right = m_rightPicture.GetWindowSize();
  PlaceStripButtons(BottomStripRect(left, right), m_back, &m_next);
}

void DlgUserContact::FillEdits() {
  for (int i = 0; i < 5; ++i) {
    const ContactField &field = kContactFields[i];
    m_edits[i].SubclassDlgItem(field.id, this);
    m_edits[i].LimitText(field.limit);
    m_edits[i].SetWindowText((m_record->*field.field).c_str());
  }
}

BOOL DlgUserContact::OnInitDialog() {
  StepDlgBase::OnInitDialog();
  RepaintAllWindows();
  if (!LoadPictures()) {
    OnCancel();
    return TRUE;
  }
  PlaceButtons();
  for (int id : kOverRightPicture)
    m_rightPicture.AddRepaintPartner(GetDlgItem(id));
  FillEdits();
  return TRUE;
}

BOOL DlgUserContact::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
  case IDC_NEXT:
    GoTo(m_links.forward);
    return TRUE;
  case IDC_BACK:
    GoTo(m_links.back);
    return TRUE;
  }
  return StepDlgBase::OnCommand(wParam, lParam);
}

// Labels stand on the picture; edits keep their own colours.
HBRUSH DlgUserContact::OnCtlColor(HDC dc, HWND control, UINT ctlColorMessage) {
  if (ctlColorMessage != WM_CTLCOLORSTATIC || CWnd::FromHandlePermanent(control))
    return nullptr;
  ::SetBkMode(dc, TRANSPARENT);
  return m_hollowBrush;
}
