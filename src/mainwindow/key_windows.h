#pragma once
// The windows the key handler works on. Each window registers itself here when the
// program builds it; what is open is read from the windows themselves, never from flags
// that a closing window might clear for another.
#include <algorithm>
#include <vector>

#include "ui/form.h"

namespace vx::mainwindow {

struct KeyWindows {
  ui::Form* frmTOB = nullptr;      // B-B on the ground: the briefing sheet
  ui::Form* frmArvGate = nullptr;  // B-B after the arrival: the arrival gate prompt
  // Closed by Esc in this order when open: frmHelp, frmPB, frmキー設定, frm音声設定, frmTOB.
  std::vector<ui::Form*> closedByEsc;
  // Windows that take typed input: while one of them is open the key hook does nothing.
  std::vector<const ui::Form*> typedInput;

  bool AnyTypedInputOpen() const {
    return std::any_of(typedInput.begin(), typedInput.end(), [](const ui::Form* f) { return f && f->Loaded(); });
  }
};

}  // namespace vx::mainwindow
