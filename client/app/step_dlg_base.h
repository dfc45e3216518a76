// StepDlgBase: the dialog every wizard step is built on. It carries the step
// chosen to follow when the dialog ends, and the skin all steps wear: three
// pictures over the client area (left, right, bottom strip), a caption bar
// painted from a title image with a close image at its right end, and the
// quit question behind Escape and that close image.
#pragma once
#include "client/controls/gdiplus_image.h"
#include "client/framework/qf_dialog.h"

#include <string>

class StepDlgBase;

// A step's places on the route, set by the wizard driver.
struct StepLinks {
  StepDlgBase *back = nullptr;
  StepDlgBase *forward = nullptr;
};

class StepDlgBase : public CDialog {
public:
  explicit StepDlgBase(UINT templateId) : CDialog(templateId) {}

  // The step chosen by the button that ended the last run with OK, or null.
  virtual StepDlgBase *GetNextStep() { return m_nextStep; }

protected:
  // Ends the run with OK, the route going on to `next` (null ends it).
  void GoTo(StepDlgBase *next);
  // Asks "是否确认退出？"; any answer but cancel ends the run with cancel.
  void AskToQuit();
  // OK (Enter on no button) does nothing; cancel asks to quit.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // Skin. Loads the title, close and bottom images, and the left and right
  // pictures when given; false if any of them is missing.
  bool LoadSkinImages(const wchar_t *leftFile = nullptr, const wchar_t *rightFile = nullptr);
  // "加载图片失败！", then the run ends with cancel.
  void FailSkin();
  // Width: both pictures less 10; height: the pictures', the strip's and the
  // caption's. The position is kept.
  void SizeToPictures(SIZE left, SIZE right, int pictureHeight);
  // Where the pictures lie in the client area.
  static RECT LeftPictureRect(SIZE left);
  static RECT RightPictureRect(SIZE left, SIZE right);
  RECT BottomStripRect(SIZE left, SIZE right) const;
  // Moves the placeholders of the step's own pictures to the layout and
  // hides them; the step then paints the pictures there.
  void ArrangePlaceholders(int leftId, int rightId, int bottomId);
  // The same for the bottom strip alone (the pictures being labels).
  void ArrangeBottomPlaceholder(int bottomId, const RECT &strip);
  // Centres the buttons on the bottom strip; with two, `first` stands left
  // and they are 135 pixels apart.
  void PlaceStripButtons(const RECT &strip, CWnd &first, CWnd *second = nullptr);
  // The hidden description text of a step (label 1016; 1018 is emptied).
  void PutDescription(const std::string &text);
  // Gives the window class the program's icon (the taskbar shows it).
  void UseProgramIcon();
  // Asks the system to repaint every window, so no part of the screen under
  // the borderless window shows through the skin.
  static void RepaintAllWindows() { ::InvalidateRect(nullptr, nullptr, TRUE); }

  StepDlgBase *m_nextStep = nullptr;
  ImagePtr m_leftImage;
  ImagePtr m_rightImage;
  ImagePtr m_bottomImage;

private:
  static int CaptionHeight();
  void PaintCaption();
  void PaintPictures(HDC dc);
  void PlaceHidden(int id, const RECT &rc);
  bool CloseAreaHit(LPARAM screenPoint) const;
  RECT ControlRect(int id) const;

  ImagePtr m_titleImage;
  ImagePtr m_closeImage;
  // Placeholders of the left and right pictures and of the strip that this
  // step paints itself; 0 where a label or nothing shows the picture.
  int m_leftPlaceholder = 0;
  int m_rightPlaceholder = 0;
  int m_bottomPlaceholder = 0;
};
