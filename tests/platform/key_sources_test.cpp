// Key hook pieces that need no display: the key symbols of X11 as virtual keys, the group
// of sources and the pushed-key source.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include "platform/key_hook.h"
#include "platform/x11_virtual_keys.h"

namespace vx::platform {
namespace {

TEST(X11VirtualKeys, KeySymbolsAsVirtualKeys) {
  struct Row {
    std::uint32_t keysym;
    int vk;
  };
  const Row rows[] = {{XK_a, 65},          {XK_C, 67},           {XK_z, 90},         {XK_0, 48},
                      {XK_9, 57},          {XK_KP_0, 96},        {XK_KP_9, 105},     {XK_Escape, 27},
                      {XK_Tab, 9},         {XK_ISO_Left_Tab, 9}, {XK_Return, 13},    {XK_BackSpace, 8},
                      {XK_space, 32},      {XK_Shift_L, 16},     {XK_Shift_R, 16},   {XK_Control_L, 17},
                      {XK_Control_R, 17},  {XK_F1, 112},         {XK_F9, 120},       {XK_bracketright, 221},
                      {XK_Left, 37},       {XK_KP_Enter, 13},    {XK_exclam, 0},     {XK_VoidSymbol, 0}};
  for (const Row& r : rows) EXPECT_EQ(VirtualKeyOfKeysym(r.keysym), r.vk) << std::hex << r.keysym;
}

TEST(X11VirtualKeys, KeypadKeysAreDigitsWhateverNumLock) {
  const std::uint32_t kp7[] = {XK_KP_Home, XK_KP_7};
  EXPECT_EQ(VirtualKeyOfKey(kp7, 2), 103);
  const std::uint32_t letter[] = {XK_q, XK_Q};
  EXPECT_EQ(VirtualKeyOfKey(letter, 2), 81);
  const std::uint32_t shiftedDigit[] = {XK_1, XK_exclam};
  EXPECT_EQ(VirtualKeyOfKey(shiftedDigit, 2), 49);
  const std::uint32_t none[] = {0, 0};
  EXPECT_EQ(VirtualKeyOfKey(none, 2), 0);
}

TEST(KeyHookGroup, SwitchingHandlerAndCandidatesReachEverySource) {
  RecordingKeyHook desktop, forwarded;
  KeyHookGroup group;
  group.Add(desktop);
  group.Add(forwarded);
  std::vector<KeyEvent> seen;
  group.SetHandler([&](const KeyEvent& e) {
    seen.push_back(e);
    return e.virtualKey == 101;
  });
  EXPECT_FALSE(forwarded.Send(KeyPress(101)));  // not enabled yet: nothing delivered
  group.Enable();
  EXPECT_TRUE(forwarded.Send(KeyPress(101)));
  EXPECT_FALSE(desktop.Send(KeyRelease(67)));
  group.SetSwallowCandidates({27, 9});
  EXPECT_EQ(desktop.swallowCandidates, (std::vector<int>{27, 9}));
  EXPECT_EQ(forwarded.swallowCandidates, (std::vector<int>{27, 9}));
  group.Disable();
  EXPECT_FALSE(desktop.Send(KeyPress(65)));
  EXPECT_EQ(seen, (std::vector<KeyEvent>{KeyPress(101), KeyRelease(67)}));
  EXPECT_EQ(desktop.calls, (std::vector<std::string>{"Enable", "Disable"}));
}

}  // namespace
}  // namespace vx::platform
