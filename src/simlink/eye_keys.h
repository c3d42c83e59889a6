#pragma once
// Keys for the viewpoint program go through VEXLORPRO_EYE one at a time. The channel holds
// one key code; the viewpoint program takes it on its 50 ms poll and writes 88 over it. A
// key is written only when the channel holds no key still to be taken, so none is written
// over another; the keys typed faster wait here and a short timer hands the next one on as
// soon as the viewpoint program has taken the last. At most kEyeKeysWaitingMax keys wait,
// and when the viewpoint program takes nothing for kEyeKeyTakeLimitMs the waiting keys are
// dropped: a viewpoint program that has stopped never holds keys to act on much later, and
// the key handler never waits for it.
#include <cstddef>
#include <cstdint>

namespace vx::state {
struct ProContext;
}

namespace vx::simlink {

// The keys the viewpoint program takes: Tab, Esc and the keypad digits. Their codes are
// named here alone; the key handler, the key mode and the viewpoint program use these.
inline constexpr int kVkTab = 9;
inline constexpr int kVkEsc = 27;
inline constexpr int kVkKeypad0 = 96;
inline constexpr int kVkKeypad9 = 105;

// Whether the viewpoint program takes the key.
constexpr bool IsViewpointKey(int virtualKey) {
  return virtualKey == kVkTab || virtualKey == kVkEsc || (virtualKey >= kVkKeypad0 && virtualKey <= kVkKeypad9);
}

inline constexpr std::size_t kEyeKeysWaitingMax = 16;
inline constexpr int kEyeKeyTakeLimitMs = 2000;
inline constexpr int kEyeKeyHandOnMs = 20;  // how often a waiting key looks at the channel

// The key code of a channel word: its low 16 bits.
constexpr int EyeKeyOf(std::int32_t word) { return static_cast<int>(static_cast<std::uint32_t>(word) & 0xFFFFu); }

// Whether the channel's word holds a key the viewpoint program has still to take (Tab,
// Esc, a keypad digit); 0, 88 and every other code are no key.
constexpr bool EyeKeyPending(std::int32_t word) { return IsViewpointKey(EyeKeyOf(word)); }

// Forwards a key press. A repeat of a held key is written only when nothing waits: held
// down, a key moves the eye as fast as the viewpoint program takes it and stops with the
// key. False when the key was dropped (the bound is full, or a repeat found the way busy).
bool ForwardEyeKey(state::ProContext& pro, std::int16_t keyCode, bool repeat = false);

// Writes the next waiting key if the viewpoint program has taken the last one; drops the
// waiting keys once the last one has waited longer than the limit. The timer calls it.
void HandOnEyeKeys(state::ProContext& pro);

// Drops the waiting keys (the viewpoint mode has ended, the channel closes).
void DropWaitingEyeKeys(state::ProContext& pro);

}  // namespace vx::simlink
