// The wizard's label: a static control that can show a picture behind
// multi-line text, keeps the controls lying over it drawn (repaint partners),
// and lets the borderless window be dragged by it.
#pragma once
#include "client/controls/gdiplus_image.h"
#include "client/framework/qf_gdi.h"
#include "client/framework/qf_static.h"

#include <string>
#include <vector>

namespace HALVERN {

// How a label's picture is drawn.
enum PictureMode {
  kPictureOwnSize = 0,  // in its own size at the top-left corner
  kPictureFitted = 2,   // the label was sized to the picture; own size
  kPictureStretched = 3 // stretched over the label
};

class ExternStatic : public CStatic {
public:
  // Loads the picture; in the fitted mode also resizes the label to it.
  bool SetPicture(const std::wstring &path, int mode);
  // A font of `points` in the face "宋体"; false leaves the dialog's font.
  bool SetFontSize(int points);
  // `window` is invalidated after every paint of this label.
  void AddRepaintPartner(HWND window) { m_repaintPartners.push_back(window); }

  // Set by the owner before the label paints.
  std::string m_text;
  COLORREF m_textColor = RGB(0, 0, 0);
  POINT m_textOrigin = {0, 0};

  int m_pictureMode = kPictureOwnSize;
  COLORREF m_backColor = RGB(255, 255, 255);
  int m_backMode = TRANSPARENT;

protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

private:
  void EraseBackground(HDC dc);
  void Paint();
  void FollowMouse(LPARAM lParam);

  ImagePtr m_picture;
  CFont m_font;
  std::vector<HWND> m_repaintPartners;
  bool m_dragging = false;
  POINT m_lastMouse = {0, 0};
};

// The lines a label draws for `text`: "\n" breaks a line, "\t" stands for
// four spaces, "\r" is dropped.
std::vector<std::string> SplitLabelText(const std::string &text);

} // namespace HALVERN
