#pragma once
// One key event of the desktop as the key hook reports it: the virtual-key code of the
// original platform and whether the key went up or repeats while held.
#include <cstdint>

namespace vx::platform {

// Bits of the hook's flags word.
inline constexpr std::int32_t kKeyFlagRepeat = 0x40;   // a press while the key is already down
inline constexpr std::int32_t kKeyFlagRelease = 0x80;  // the key went up

struct KeyEvent {
  int virtualKey = 0;
  bool release = false;
  bool repeat = false;

  std::int32_t Flags() const { return (release ? kKeyFlagRelease : 0) | (repeat ? kKeyFlagRepeat : 0); }
  bool operator==(const KeyEvent&) const = default;
};

inline KeyEvent KeyPress(int virtualKey) { return {virtualKey, false, false}; }
inline KeyEvent KeyRelease(int virtualKey) { return {virtualKey, true, false}; }
inline KeyEvent KeyRepeat(int virtualKey) { return {virtualKey, false, true}; }

}  // namespace vx::platform
