// The last step: the outcome of the submission, with "完成" after a success,
// and "重新注册" (back to the card step) or "退出" after a failure.
#pragma once
#include "client/app/step_dlg_base.h"
#include "client/app/wizard_records.h"
#include "client/controls/extern_bitmap_button.h"
#include "client/controls/extern_static.h"

class CDlgEnd : public StepDlgBase {
public:
  CDlgEnd(UserInfoRecord *record, SubmitOutcome *outcome, std::string description);

  BOOL OnInitDialog() override;
  StepLinks m_links;

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
  void ShowOutcome();
  bool LoadPictures();

  UserInfoRecord *m_record;
  SubmitOutcome *m_outcome;
  std::string m_description;
  HALVERN::ExternCBitmapButton m_restart;
  HALVERN::ExternCBitmapButton m_finish;
  HALVERN::ExternCBitmapButton m_exit;
  HALVERN::ExternStatic m_message;
  HALVERN::ExternStatic m_leftPicture;
  HALVERN::ExternStatic m_rightPicture;
  HALVERN::ExternStatic m_bottomPlaceholder;
};
