#pragma once
// The command keys of the flight as a state machine: which key event is swallowed, which
// command a key or a sequence of keys gives, and when the rotating outside view stops.
// It decides only; the key handler of the main window carries the decisions out.
// The two seconds between the keys of a sequence are measured between the keys' arrivals
// on the monotonic clock, so a sequence never misfires across midnight, and a key that
// waited for the handler counts from when it came, not from when it was handled.
#include <cstdint>

#include "platform/key_event.h"
#include "simlink/eye_keys.h"
#include "simlink/key_input_mode.h"
#include "state/key_windows.h"

namespace vx::mainwindow {

// Virtual-key codes the key handler names literally besides the viewpoint program's keys
// (simlink/eye_keys.h).
namespace vk {
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kShift = 16;
inline constexpr int kCtrl = 17;
inline constexpr int kDigit0 = 48;
inline constexpr int kDigit9 = 57;
inline constexpr int kLetterA = 65;
inline constexpr int kLetterB = 66;
inline constexpr int kLetterC = 67;
inline constexpr int kLetterI = 73;
inline constexpr int kLetterM = 77;
inline constexpr int kF9 = 120;
inline constexpr int kCloseBracket = 221;  // "]" of the Japanese layout
}  // namespace vk

// The configured quiet-sound key and the three command keys.
struct CommandKeyCodes {
  int volume = 32;
  int a = vk::kLetterA;
  int b = vk::kLetterB;
  int c = vk::kLetterC;
};

// Key modes: 0 main window only, 1 viewpoint program being set up, 2 flight window up.
using simlink::kKeyModeFlight;
using simlink::kKeyModeNone;
using simlink::kKeyModeViewpoint;

// What the key handler knows besides the key.
struct KeyContext {
  int keyInputMode = kKeyModeNone;
  bool typedInputOpen = false;  // a window that takes typed input is open: no key works
  bool handlerBusy = false;     // the handler's flight part is already running
  int rotatingViewState = 0;    // 0 off, 1 running, 2 running and Backspace seen
  CommandKeyCodes keys;
};

enum class RotatingViewChange { None, BackspaceSeen, Stop };

enum class KeyCommand {
  None,
  ForwardToViewpoint,  // the key goes to the viewpoint program
  ViewStep,            // I: the call-out program steps its view preset
  ToggleQuietSound,    // the quiet-sound key
  CloseOpenDialogs,    // Esc
  Request,             // AnnounceRequest := request (C-A-n, C-C, B-n)
  AtcChatter,          // B-A: radio chatter on or off
  RotatingView,        // A-A: the rotating outside view
  BriefingOrGate,      // B-B: briefing sheet, arrival gate or the restart notice
  Cancel,              // C-B: cut the running announcement
};

struct KeyDecision {
  bool handled = false;  // swallow the key
  RotatingViewChange rotatingView = RotatingViewChange::None;
  bool flightWork = false;  // the flight part of the handler runs (under its busy flag)
  bool click = false;       // play the switch click
  KeyCommand command = KeyCommand::None;
  std::int16_t request = 0;  // with KeyCommand::Request

  bool operator==(const KeyDecision&) const = default;
};

// Works on the sequence state that the program keeps (`KeySequence`), or on one of its
// own when built without it.
class KeySequenceMachine {
 public:
  static constexpr double kSequenceWindowSeconds = 2.0;

  KeySequenceMachine() : s_(own_) {}
  explicit KeySequenceMachine(state::KeySequenceState& s) : s_(s) {}

  // A key that came at `arrivalNanos` (monotonic).
  KeyDecision OnKey(const platform::KeyEvent& key, const KeyContext& context, std::int64_t arrivalNanos);

  // Whether OnKey would swallow the key; changes nothing.
  static bool Swallows(const platform::KeyEvent& key, const KeyContext& context);

  // 0 idle, 1 after B, 2 after C, 3 after C-A, 4 after A.
  int State() const { return s_.step; }

 private:
  static RotatingViewChange RotatingViewStep(int key, int state);
  KeyDecision FlightKey(int key, const KeyContext& context, std::int64_t nowNanos);
  bool WithinWindow(std::int64_t nowNanos) const;
  void Start(int state, std::int64_t nowNanos);
  KeyDecision Complete(KeyCommand command, std::int16_t request = 0);

  state::KeySequenceState own_;
  state::KeySequenceState& s_;
};

}  // namespace vx::mainwindow
