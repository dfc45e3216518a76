#include "client/steps/dlg_show_user_info.h"

#include "client/controls/button_bitmaps.h"

std::string BuildReviewText(const UserInfoRecord &r) {
  return "\r\n用户信息：\r\n\r\n"
         "\t企业名称:    \t" + r.enterpriseName + "\r\n"
         "\t操作员名称:  \t" + r.operatorName + "\r\n"
         "\t卡号:        \t" + r.cardId + "\r\n"
         "\t证书号:      \t" + r.certNo + "\r\n"
         "\t组织机构代码:\t" + r.enterpriseId + "\r\n"
         "\t联系电话:\t" + r.areaCode + "-" + r.phone + "-" + r.extension + "\r\n"
         "\t联系地址:\t" + r.address + "\r\n"
         "\t邮编:\t\t" + r.postcode + "\r\n"
         "\r\n";
}

CDlgShowUserInfo::CDlgShowUserInfo(UserInfoRecord *record, SubmitOutcome *outcome,
                                   std::string description)
    : StepDlgBase(IDD_SHOW_USER_INFO), m_record(record), m_outcome(outcome),
      m_description(std::move(description)) {
  m_hollowBrush.CreateHollowBrush();
}

BOOL CDlgShowUserInfo::OnInitDialog() {
  StepDlgBase::OnInitDialog();
  AttachImageButton(m_next, this, IDC_NEXT, kNextButton);
  AttachImageButton(m_back, this, IDC_BACK, kBackButton);
  if (!LoadSkinImages(L"res\\DlgShowUserInfo_Left.bmp", L"res\\DlgShowUserInfo_Right.bmp")) {
    FailSkin();
    return TRUE;
  }
  SIZE left = ImageSize(*m_leftImage), right = ImageSize(*m_rightImage);
  SizeToPictures(left, right, right.cy);
  ArrangePlaceholders(IDC_REVIEW_LEFT, IDC_REVIEW_RIGHT, IDC_REVIEW_BOTTOM);
  PlaceStripButtons(BottomStripRect(left, right), m_back, &m_next);

  m_reviewText.SubclassDlgItem(IDC_REVIEW_TEXT, this);
  m_reviewText.MoveWindow(left.cx, 0, right.cx - 10, right.cy);
  m_reviewText.SetWindowText(BuildReviewText(*m_record).c_str());
  m_reviewText.SetReadOnly();
  PutDescription(m_description);
  UseProgramIcon();
  return TRUE;
}

BOOL CDlgShowUserInfo::OnCommand(WPARAM wParam, LPARAM lParam) {
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

HBRUSH CDlgShowUserInfo::OnCtlColor(HDC dc, HWND control, UINT) {
  if (control != m_reviewText.m_hWnd)
    return nullptr;
  ::SetBkColor(dc, RGB(255, 255, 255));
  return m_hollowBrush;
}
