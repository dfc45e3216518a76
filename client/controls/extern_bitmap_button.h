// The wizard's image button: a bitmap button on which Enter presses the
// focused button itself rather than the dialog's default button.
#pragma once
#include "client/framework/qf_button.h"

namespace HALVERN {

class ExternCBitmapButton : public CBitmapButton {
public:
  BOOL PreTranslateMessage(MSG *msg) override;
};

} // namespace HALVERN
