// The second step: the operator's contact telephone, address and postcode,
// typed over the right picture.
#pragma once
#include "client/app/step_dlg_base.h"
#include "client/app/wizard_records.h"
#include "client/controls/extern_bitmap_button.h"
#include "client/controls/extern_static.h"
#include "client/framework/qf_gdi.h"
#include "client/framework/qf_static.h"

class DlgUserContact : public StepDlgBase {
public:
  explicit DlgUserContact(UserInfoRecord *record);

  BOOL OnInitDialog() override;
  StepLinks m_links;

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColorMessage) override;

private:
  bool LoadPictures();
  void PlaceButtons();
  void FillEdits();

  UserInfoRecord *m_record;
  HALVERN::ExternStatic m_leftPicture;
  HALVERN::ExternStatic m_rightPicture;
  HALVERN::ExternStatic m_bottomStrip;
  HALVERN::ExternCBitmapButton m_back;
  HALVERN::ExternCBitmapButton m_next;
  CEdit m_edits[5];
  CBrush m_hollowBrush;
};
