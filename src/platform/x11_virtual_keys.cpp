#include "platform/x11_virtual_keys.h"

#include <X11/keysym.h>

namespace vx::platform {
namespace {

struct KeysymVk {
  std::uint32_t keysym;
  int vk;
};

constexpr KeysymVk kTable[] = {
    {XK_BackSpace, 8},     {XK_Tab, 9},           {XK_ISO_Left_Tab, 9},  {XK_Return, 13},
    {XK_KP_Enter, 13},     {XK_Shift_L, 16},      {XK_Shift_R, 16},      {XK_Control_L, 17},
    {XK_Control_R, 17},    {XK_Alt_L, 18},        {XK_Alt_R, 18},        {XK_Pause, 19},
    {XK_Caps_Lock, 20},    {XK_Escape, 27},       {XK_space, 32},        {XK_Prior, 33},
    {XK_Next, 34},         {XK_End, 35},          {XK_Home, 36},         {XK_Left, 37},
    {XK_Up, 38},           {XK_Right, 39},        {XK_Down, 40},         {XK_Print, 44},
    {XK_Insert, 45},       {XK_Delete, 46},       {XK_Super_L, 91},      {XK_Super_R, 92},
    {XK_Menu, 93},         {XK_KP_Multiply, 106}, {XK_KP_Add, 107},      {XK_KP_Separator, 108},
    {XK_KP_Subtract, 109}, {XK_KP_Decimal, 110},  {XK_KP_Divide, 111},   {XK_Num_Lock, 144},
    {XK_Scroll_Lock, 145}, {XK_semicolon, 186},   {XK_colon, 186},       {XK_equal, 187},
    {XK_plus, 187},        {XK_comma, 188},       {XK_minus, 189},       {XK_period, 190},
    {XK_slash, 191},       {XK_grave, 192},       {XK_at, 192},          {XK_bracketleft, 219},
    {XK_backslash, 220},   {XK_bracketright, 221}, {XK_apostrophe, 222}, {XK_asciicircum, 222},
    {XK_Muhenkan, 29},     {XK_Henkan, 28},       {XK_Zenkaku_Hankaku, 243}, {XK_Hiragana_Katakana, 242},
    {XK_KP_Home, 36},      {XK_KP_End, 35},
};

}  // namespace

int VirtualKeyOfKeysym(std::uint32_t keysym) {
  if (keysym >= XK_a && keysym <= XK_z) return static_cast<int>(keysym - XK_a) + 65;
  if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>(keysym - XK_A) + 65;
  if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>(keysym - XK_0) + 48;
  if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return static_cast<int>(keysym - XK_KP_0) + 96;
  if (keysym >= XK_F1 && keysym <= XK_F24) return static_cast<int>(keysym - XK_F1) + 112;
  for (const KeysymVk& e : kTable) {
    if (e.keysym == keysym) return e.vk;
  }
  return 0;
}

int VirtualKeyOfKey(const std::uint32_t* levelSyms, int levels) {
  for (int i = 0; i < levels; ++i) {
    if (levelSyms[i] >= XK_KP_0 && levelSyms[i] <= XK_KP_9) return static_cast<int>(levelSyms[i] - XK_KP_0) + 96;
  }
  for (int i = 0; i < levels; ++i) {
    if (const int vk = VirtualKeyOfKeysym(levelSyms[i]); vk != 0) return vk;
  }
  return 0;
}

}  // namespace vx::platform
