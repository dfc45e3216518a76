// The bitmap resources of each image button, and the one way the steps and
// the message box put them on a button.
#pragma once
#include "client/controls/extern_bitmap_button.h"
#include "res/resource.h"

struct ButtonBitmaps {
  UINT normal, pressed, focused, disabled;
};

constexpr ButtonBitmaps kNextButton{IDB_NEXT, IDB_NEXT_PRESSED, IDB_NEXT_FOCUSED, IDB_NEXT_DISABLED};
constexpr ButtonBitmaps kBackButton{IDB_BACK, IDB_BACK_PRESSED, IDB_BACK_FOCUSED, IDB_BACK_DISABLED};
constexpr ButtonBitmaps kCancelButton{IDB_CANCEL, IDB_CANCEL_PRESSED, IDB_CANCEL_FOCUSED,
                                      IDB_CANCEL_DISABLED};
constexpr ButtonBitmaps kConfirmButton{IDB_CONFIRM, IDB_CONFIRM_PRESSED, IDB_CONFIRM_FOCUSED,
                                       IDB_CONFIRM_DISABLED};
constexpr ButtonBitmaps kFinishButton{IDB_FINISH, IDB_FINISH_PRESSED, IDB_FINISH_FOCUSED,
                                      IDB_FINISH_DISABLED};
constexpr ButtonBitmaps kExitButton{IDB_EXIT, IDB_EXIT_PRESSED, IDB_EXIT_FOCUSED, 0};
constexpr ButtonBitmaps kRestartButton{IDB_RESTART, IDB_RESTART_PRESSED, IDB_RESTART_FOCUSED,
                                       IDB_RESTART_DISABLED};

// Attaches `button` to the dialog's control `id`, loads its bitmaps and sizes
// it to them.
inline void AttachImageButton(HALVERN::ExternCBitmapButton &button, CWnd *dialog, int id,
                              const ButtonBitmaps &bitmaps) {
  button.SubclassDlgItem(id, dialog);
  button.LoadBitmaps(bitmaps.normal, bitmaps.pressed, bitmaps.focused, bitmaps.disabled);
  button.SizeToContent();
}
