#pragma once
// What the key control keeps: where a key sequence stands, and the windows the key
// handler works on. Each window registers itself when the program builds it; what is
// open is read from the windows themselves, never from flags that a closing window
// might clear for another.
#include <cstdint>
#include <optional>
#include <vector>

namespace vx::ui {
class Form;
}

namespace vx::state {

struct KeySequenceState {
  int step = 0;  // 0 idle, 1 after B, 2 after C, 3 after C-A, 4 after A
  // Monotonic time of the last key of a sequence (or of the music-start request).
  std::optional<std::int64_t> stampNanos;
};

struct KeyWindows {
  ui::Form* frmTOB = nullptr;      // B-B on the ground: the briefing sheet
  ui::Form* frmArvGate = nullptr;  // B-B after the arrival: the arrival gate prompt
  // Closed by Esc in this order when open: frmHelp, frmPB, frmキー設定, frm音声設定, frmTOB.
  std::vector<ui::Form*> closedByEsc;
  // Windows that take typed input: while one of them is open the key hook does nothing.
  std::vector<const ui::Form*> typedInput;
};

}  // namespace vx::state
