// The third step: shows everything that will be sent, for review, with
// "上一步" back to the contact step and "下一步" on to the outcome.
#pragma once
#include "client/app/step_dlg_base.h"
#include "client/app/wizard_records.h"
#include "client/controls/extern_bitmap_button.h"
#include "client/framework/qf_gdi.h"
#include "client/framework/qf_static.h"

class CDlgShowUserInfo : public StepDlgBase {
public:
  CDlgShowUserInfo(UserInfoRecord *record, SubmitOutcome *outcome, std::string description);

  BOOL OnInitDialog() override;
  StepLinks m_links;

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColorMessage) override;

private:
  UserInfoRecord *m_record;
  SubmitOutcome *m_outcome;
  std::string m_description;
  HALVERN::ExternCBitmapButton m_next;
  HALVERN::ExternCBitmapButton m_back;
  CEdit m_reviewText;
  CBrush m_hollowBrush;
};

// The review text: a heading, then one line per value, the labels padded so
// the values line up under the text box's tab stops.
std::string BuildReviewText(const UserInfoRecord &record);
