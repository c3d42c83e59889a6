#pragma once
// Key codes of the key event handlers: the virtual-key numbers of the original platform
// (13 Enter, 27 Esc, 65 to 90 letters, 96 to 105 keypad digits, ...).

class QKeyEvent;

namespace vx::ui {

// The key code of a key press, 0 for keys without one.
int VirtualKeyOf(const QKeyEvent& event);
// The shift state bits (ShiftState) of a key or mouse event's modifiers.
int ShiftStateOf(int qtModifiers);

}  // namespace vx::ui
