// The program's message box: one or two image buttons under a line of text,
// drawn over the background picture "res\MessageBox_Bk.gif".
#pragma once
#include "client/controls/extern_bitmap_button.h"
#include "client/controls/extern_static.h"
#include "client/framework/qf_dialog.h"

#include <string>

class ExternMessageBox : public CDialog {
public:
  ExternMessageBox(const std::string &text, bool withCancel);

  BOOL OnInitDialog() override;

protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColorMessage) override;
  void PostNcDestroy() override { m_background.reset(); }

private:
  void PlaceButtons(SIZE box);
  void EraseBackground(HDC dc);
  void PaintText();
  SIZE MeasureText();

  ImagePtr m_background;
  std::string m_text;
  bool m_withCancel;
  CBrush m_hollowBrush;
  CFont m_textFont;
  HALVERN::ExternStatic m_label;
  HALVERN::ExternCBitmapButton m_confirm;
  HALVERN::ExternCBitmapButton m_cancel;
};

// Shows `text` and waits for the answer: 1 for the confirm button, 2 for the
// cancel button, Escape or closing the box.
int SkinMessageBox(const std::string &text, bool withCancel);
