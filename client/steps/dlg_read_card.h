// The first step: welcomes the operator, who inserts the operator card and
// presses "下一步"; "取消" asks to quit.
#pragma once
#include "client/app/step_dlg_base.h"
#include "client/app/wizard_records.h"
#include "client/controls/extern_bitmap_button.h"

class CDlgReadCard : public StepDlgBase {
public:
  CDlgReadCard(UserInfoRecord *record, std::string description);

  BOOL OnInitDialog() override;
  StepLinks m_links;

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  UserInfoRecord *m_record;
  std::string m_description;
  HALVERN::ExternCBitmapButton m_next;
  HALVERN::ExternCBitmapButton m_cancel;
};
