#include "ui/key_codes.h"

#include <QKeyEvent>

#include "ui/control.h"

namespace vx::ui {
namespace {

struct KeyRow {
  int qtKey;
  int virtualKey;
};

constexpr KeyRow kKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},      {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},   {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},   {Qt::Key_Minus, 189},   {Qt::Key_Period, 190},  {Qt::Key_Slash, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};

constexpr KeyRow kKeypad[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109}, {Qt::Key_Period, 110},
    {Qt::Key_Slash, 111},    {Qt::Key_Enter, 13},
};

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    for (const auto& row : kKeypad) {
      if (row.qtKey == key) return row.virtualKey;
    }
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // same numbers, 48 to 57
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // same numbers, 65 to 90
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  for (const auto& row : kKeys) {
    if (row.qtKey == key) return row.virtualKey;
  }
  return 0;
}

int ShiftStateOf(int qtModifiers) {
  int shift = 0;
  if (qtModifiers & Qt::ShiftModifier) shift |= kShiftMask;
  if (qtModifiers & Qt::ControlModifier) shift |= kCtrlMask;
  if (qtModifiers & Qt::AltModifier) shift |= kAltMask;
  return shift;
}

}  // namespace vx::ui
