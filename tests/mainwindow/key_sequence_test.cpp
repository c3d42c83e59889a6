#include "mainwindow/key_sequence.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/virtual_time.h"

namespace vx::mainwindow {
namespace {

using platform::KeyEvent;
using platform::KeyPress;
using platform::KeyRelease;
using platform::KeyRepeat;
using namespace std::chrono_literals;

constexpr int kQ = 81;
constexpr int kX = 88;
constexpr int kSpace = 32;
constexpr int D(int n) { return vk::kDigit0 + n; }
constexpr int KP(int n) { return simlink::kVkKeypad0 + n; }

// One key of a case: the time since the previous key, the event, and what must follow.
struct Step {
  std::chrono::milliseconds after;
  KeyEvent key;
  KeyCommand command = KeyCommand::None;
  std::int16_t request = 0;
  bool click = false;
  bool handled = false;
  RotatingViewChange rotating = RotatingViewChange::None;
};

Step S(int ms, KeyEvent key) { return {std::chrono::milliseconds(ms), key}; }
// A command key of the flight that gives nothing yet (but clicks).
Step K(int ms, int key) {
  Step s = S(ms, KeyPress(key));
  s.click = true;
  return s;
}
Step Req(int ms, int key, std::int16_t request) {
  Step s = K(ms, key);
  s.command = KeyCommand::Request;
  s.request = request;
  return s;
}
Step Cmd(int ms, int key, KeyCommand command, bool click = true) {
  Step s = S(ms, KeyPress(key));
  s.command = command;
  s.click = click;
  return s;
}
Step Swallow(int ms, KeyEvent key, bool forward) {
  Step s = S(ms, key);
  s.handled = true;
  s.command = forward ? KeyCommand::ForwardToViewpoint : KeyCommand::None;
  return s;
}
Step Rot(Step s, RotatingViewChange change) {
  s.rotating = change;
  return s;
}

struct Case {
  std::string name;
  std::vector<Step> steps;
  int mode = kKeyModeFlight;
  int rotatingViewState = 0;
  bool typedInputOpen = false;
  CommandKeyCodes keys{};
  int endState = 0;
};

std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (int n = 0; n <= 9; ++n) {
    cases.push_back({"C-A-" + std::to_string(n),
                     {K(0, vk::kLetterC), K(500, vk::kLetterA), Req(500, D(n), static_cast<std::int16_t>(10 + n))}});
    cases.push_back({"B-" + std::to_string(n), {K(0, vk::kLetterB), Req(1900, D(n), static_cast<std::int16_t>(50 + n))}});
  }
  cases.push_back({"C-A-7 with three seconds before the digit", {K(0, 67), K(500, 65), K(3000, D(7))}});
  cases.push_back({"C-A with a late A starts a new A", {K(0, 67), K(2500, 65), K(100, D(7))}});
  cases.push_back({"late A leaves the state after A", {K(0, 67), K(2500, 65)}, kKeyModeFlight, 0, false, {}, 4});
  cases.push_back({"B-3 after more than two seconds sets nothing", {K(0, 66), K(2001, D(3))}});
  cases.push_back({"exactly two seconds is within", {K(0, 66), Req(2000, D(3), 53)}});
  cases.push_back({"C-C", {K(0, 67), Req(1000, 67, 20)}});
  cases.push_back({"late C-C starts again after C", {K(0, 67), K(2100, 67)}, kKeyModeFlight, 0, false, {}, 2});
  cases.push_back({"C-C-C: the third C starts again", {K(0, 67), Req(100, 67, 20), K(100, 67)}, kKeyModeFlight, 0,
                   false, {}, 2});
  cases.push_back({"C-B cancels", {K(0, 67), Cmd(300, 66, KeyCommand::Cancel)}});
  cases.push_back({"B-A radio chatter", {K(0, 66), Cmd(300, 65, KeyCommand::AtcChatter)}});
  cases.push_back({"B-B briefing or gate", {K(0, 66), Cmd(300, 66, KeyCommand::BriefingOrGate)}});
  cases.push_back({"A-A rotating view", {K(0, 65), Cmd(300, 65, KeyCommand::RotatingView)}});
  cases.push_back({"A-A late", {K(0, 65), K(2500, 65)}, kKeyModeFlight, 0, false, {}, 4});
  cases.push_back({"digit alone does nothing", {K(0, D(4))}});
  cases.push_back({"C-A-digit-digit: the second digit does nothing", {K(0, 67), K(10, 65), Req(10, D(1), 11), K(10, D(2))}});
  cases.push_back({"I alone: view step without a click", {Cmd(0, vk::kLetterI, KeyCommand::ViewStep, false)}});
  cases.push_back({"I between C and A ends the sequence",
                   {K(0, 67), Cmd(100, vk::kLetterI, KeyCommand::ViewStep, false), K(100, 65), K(100, D(1))}});
  cases.push_back({"volume key toggles quiet sound", {Cmd(0, kSpace, KeyCommand::ToggleQuietSound, false)}});
  cases.push_back({"volume key between C and A ends the sequence",
                   {K(0, 67), Cmd(100, kSpace, KeyCommand::ToggleQuietSound, false), K(100, 65), K(100, D(1))}});
  cases.push_back({"Esc closes the open dialogs", {Cmd(0, simlink::kVkEsc, KeyCommand::CloseOpenDialogs, false)}});
  cases.push_back({"Esc between B and 1 ends the sequence",
                   {K(0, 66), Cmd(100, simlink::kVkEsc, KeyCommand::CloseOpenDialogs, false), K(100, D(1))}});
  cases.push_back({"other keys between the keys of a sequence are passed over",
                   {K(0, 67), S(100, KeyPress(kX)), S(100, KeyPress(vk::kShift)), K(100, 65),
                    S(100, KeyPress(vk::kEnter)), Req(100, D(5), 15)}});
  cases.push_back({"releases between the keys of a sequence are passed over",
                   {K(0, 67), S(50, KeyRelease(67)), K(100, 65), S(50, KeyRelease(65)), Req(100, D(5), 15),
                    S(50, KeyRelease(D(5)))}});
  cases.push_back({"held keys repeating do not count", {K(0, 67), S(500, KeyRepeat(67)), S(500, KeyRepeat(67)),
                                                         K(100, 65), S(100, KeyRepeat(65)), Req(100, D(2), 12)}});
  cases.push_back({"keypad digits are no command digits",
                   {K(0, 67), K(100, 65), S(100, KeyPress(KP(5))), Req(100, D(5), 15)}});
  cases.push_back({"passed-over keys do not stretch the window",
                   {K(0, 66), S(1500, KeyPress(kX)), K(1000, D(3))}});

  // Configured command keys.
  CommandKeyCodes qwe{86, kQ, 87, 69};  // volume V, A Q, B W, C E
  cases.push_back({"configured keys: E-Q-3", {K(0, 69), K(100, kQ), Req(100, D(3), 13)}, kKeyModeFlight, 0, false, qwe});
  cases.push_back({"configured keys: the letters A, B, C are plain keys",
                   {S(0, KeyPress(67)), S(100, KeyPress(65)), K(100, D(3))}, kKeyModeFlight, 0, false, qwe});
  cases.push_back({"configured keys: V is the volume key, Space is nothing",
                   {S(0, KeyPress(kSpace)), Cmd(100, 86, KeyCommand::ToggleQuietSound, false)}, kKeyModeFlight, 0,
                   false, qwe});
  cases.push_back({"a command key set to I is taken as I", {Cmd(0, vk::kLetterI, KeyCommand::ViewStep, false)},
                   kKeyModeFlight, 0, false, CommandKeyCodes{32, vk::kLetterI, 66, 67}});

  // Mode 0: nothing but the rotating-view stop.
  cases.push_back({"mode 0: sequences do nothing",
                   {S(0, KeyPress(67)), S(100, KeyPress(65)), S(100, KeyPress(D(1))), S(100, KeyPress(simlink::kVkEsc))},
                   kKeyModeNone});
  // Mode 1: only Esc, Tab and the keypad digits are swallowed, presses forwarded.
  cases.push_back({"mode 1: keypad 5 swallowed and forwarded, its release swallowed only",
                   {Swallow(0, KeyPress(KP(5)), true), Swallow(50, KeyRelease(KP(5)), false)},
                   kKeyModeViewpoint});
  cases.push_back({"mode 1: Esc, Tab, keypad 0 and 9 forwarded",
                   {Swallow(0, KeyPress(simlink::kVkEsc), true), Swallow(0, KeyPress(simlink::kVkTab), true),
                    Swallow(0, KeyPress(KP(0)), true), Swallow(0, KeyPress(KP(9)), true),
                    Swallow(0, KeyRepeat(KP(9)), true), Swallow(0, KeyRelease(KP(9)), false)},
                   kKeyModeViewpoint});
  cases.push_back({"mode 1: other keys and their releases pass untouched",
                   {S(0, KeyPress(kQ)), S(10, KeyRelease(kQ)), S(10, KeyPress(D(5))), S(10, KeyRelease(D(5))),
                    S(10, KeyPress(67)), S(10, KeyPress(65)), S(10, KeyPress(D(1))), S(10, KeyRelease(vk::kShift))},
                   kKeyModeViewpoint});
  // A window that takes typed input is open: no key has any effect.
  cases.push_back({"typed input: mode 1 keys pass", {S(0, KeyPress(KP(5))), S(0, KeyRelease(KP(5)))},
                   kKeyModeViewpoint, 0, true});
  cases.push_back({"typed input: mode 2 sequences do nothing",
                   {S(0, KeyPress(67)), S(100, KeyPress(65)), S(100, KeyPress(D(1))), S(100, KeyPress(kSpace)),
                    S(0, KeyPress(vk::kLetterI))},
                   kKeyModeFlight, 0, true});
  cases.push_back({"typed input: the rotating view keeps running", {S(0, KeyPress(vk::kBackspace)), S(0, KeyPress(kX))},
                   kKeyModeFlight, 2, true});

  // The rotating outside view.
  cases.push_back({"rotating view: keys before a Backspace leave it running",
                   {S(0, KeyPress(kX)), S(10, KeyPress(kQ)), S(10, KeyRelease(kQ))}, kKeyModeFlight, 1});
  cases.push_back({"rotating view: Backspace, then X stops it",
                   {Rot(S(0, KeyPress(vk::kBackspace)), RotatingViewChange::BackspaceSeen),
                    Rot(S(10, KeyPress(kX)), RotatingViewChange::Stop)},
                   kKeyModeFlight, 1});
  cases.push_back({"rotating view: exempt keys after the Backspace",
                   {Rot(S(0, KeyPress(vk::kBackspace)), RotatingViewChange::BackspaceSeen),
                    S(10, KeyPress(vk::kBackspace)), S(10, KeyPress(vk::kEnter)), S(10, KeyPress(vk::kCtrl)),
                    S(10, KeyPress(vk::kShift)), S(10, KeyPress(vk::kCloseBracket)), S(10, KeyPress(vk::kF9)),
                    S(10, KeyPress(vk::kLetterM)), K(10, D(0)), K(10, D(9)), K(3000, vk::kLetterB),
                    K(3000, vk::kLetterC), K(3000, vk::kLetterA)},
                   kKeyModeFlight, 1, false, {}, 4});
  cases.push_back({"rotating view: I after the Backspace stops it and steps the view",
                   {Rot(S(0, KeyPress(vk::kBackspace)), RotatingViewChange::BackspaceSeen),
                    Rot(Cmd(10, vk::kLetterI, KeyCommand::ViewStep, false), RotatingViewChange::Stop)},
                   kKeyModeFlight, 1});
  cases.push_back({"rotating view: a release stops it too", {Rot(S(0, KeyRelease(kX)), RotatingViewChange::Stop)},
                   kKeyModeFlight, 2});
  cases.push_back({"rotating view: stopped in mode 0", {Rot(S(0, KeyPress(kQ)), RotatingViewChange::Stop)},
                   kKeyModeNone, 2});
  cases.push_back({"rotating view: stopped in mode 1 while the key is forwarded",
                   {Rot(Swallow(0, KeyPress(KP(3)), true), RotatingViewChange::Stop)}, kKeyModeViewpoint, 2});
  cases.push_back({"rotating view: A-A starts it, Backspace arms the stop, Tab stops it",
                   {K(0, 65), Cmd(100, 65, KeyCommand::RotatingView),
                    Rot(S(100, KeyPress(vk::kBackspace)), RotatingViewChange::BackspaceSeen),
                    Rot(S(100, KeyPress(simlink::kVkTab)), RotatingViewChange::Stop)}});
  return cases;
}

TEST(KeySequenceMachine, TableOfCases) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    platform::VirtualClock clock;
    KeySequenceMachine machine;
    KeyContext context;
    context.keyInputMode = c.mode;
    context.typedInputOpen = c.typedInputOpen;
    context.rotatingViewState = c.rotatingViewState;
    context.keys = c.keys;
    int index = 0;
    for (const Step& step : c.steps) {
      SCOPED_TRACE("step " + std::to_string(index++));
      clock.Advance(step.after);
      const KeyDecision d = machine.OnKey(step.key, context, clock.MonotonicNanos());
      EXPECT_EQ(d.command, step.command);
      EXPECT_EQ(d.request, step.request);
      EXPECT_EQ(d.click, step.click);
      EXPECT_EQ(d.handled, step.handled);
      EXPECT_EQ(d.handled, KeySequenceMachine::Swallows(step.key, context));
      EXPECT_EQ(d.rotatingView, step.rotating);
      const bool flightKeyWork = d.click || d.command == KeyCommand::ViewStep ||
                                 d.command == KeyCommand::ToggleQuietSound ||
                                 d.command == KeyCommand::CloseOpenDialogs;
      EXPECT_EQ(d.flightWork, flightKeyWork);
      // What the handler does with the rotating view.
      if (d.rotatingView == RotatingViewChange::BackspaceSeen) context.rotatingViewState = 2;
      if (d.rotatingView == RotatingViewChange::Stop) context.rotatingViewState = 0;
      if (d.command == KeyCommand::RotatingView && context.rotatingViewState == 0) context.rotatingViewState = 1;
    }
    EXPECT_EQ(machine.State(), c.endState);
  }
}

TEST(KeySequenceMachine, BusyHandlerIgnoresFlightKeysWithoutMovingTheSequence) {
  platform::VirtualClock clock;
  KeySequenceMachine machine;
  KeyContext context;
  context.keyInputMode = kKeyModeFlight;
  EXPECT_TRUE(machine.OnKey(KeyPress(67), context, clock.MonotonicNanos()).click);
  context.handlerBusy = true;
  for (int key : {65, 66, 67, D(1), simlink::kVkEsc, vk::kLetterI, 32}) {
    EXPECT_EQ(machine.OnKey(KeyPress(key), context, clock.MonotonicNanos()), KeyDecision{}) << key;
  }
  EXPECT_EQ(machine.State(), 2);
  // The rotating-view stop and the viewpoint keys are not guarded.
  context.rotatingViewState = 2;
  EXPECT_EQ(machine.OnKey(KeyPress(kX), context, clock.MonotonicNanos()).rotatingView, RotatingViewChange::Stop);
  context.keyInputMode = kKeyModeViewpoint;
  EXPECT_EQ(machine.OnKey(KeyPress(KP(1)), context, clock.MonotonicNanos()).command, KeyCommand::ForwardToViewpoint);
  context.keyInputMode = kKeyModeFlight;
  context.handlerBusy = false;
  machine.OnKey(KeyPress(65), context, clock.MonotonicNanos());
  EXPECT_EQ(machine.OnKey(KeyPress(D(4)), context, clock.MonotonicNanos()).request, 14);
}

TEST(KeySequenceMachine, SequenceAcrossMidnightUsesTheMonotonicClock) {
  platform::VirtualClock clock;
  clock.SetWallClock({2024, 3, 31, 23, 59, 59, 500});
  KeySequenceMachine machine;
  KeyContext context;
  context.keyInputMode = kKeyModeFlight;
  machine.OnKey(KeyPress(67), context, clock.MonotonicNanos());
  clock.Advance(1s);  // 00:00:00.5 of the next day
  machine.OnKey(KeyPress(65), context, clock.MonotonicNanos());
  clock.Advance(1s);
  EXPECT_EQ(machine.OnKey(KeyPress(D(3)), context, clock.MonotonicNanos()).request, 13);

  // A late key just after midnight stays late.
  clock.SetWallClock({2024, 4, 1, 23, 59, 58, 0});
  machine.OnKey(KeyPress(66), context, clock.MonotonicNanos());
  clock.Advance(3s);
  EXPECT_EQ(machine.OnKey(KeyPress(D(3)), context, clock.MonotonicNanos()).command, KeyCommand::None);

  // The wall clock set back does not make a late key count.
  machine.OnKey(KeyPress(66), context, clock.MonotonicNanos());
  clock.Advance(2500ms);
  clock.SetWallClock({2024, 4, 1, 10, 0, 0, 0});
  EXPECT_EQ(machine.OnKey(KeyPress(D(3)), context, clock.MonotonicNanos()).command, KeyCommand::None);
}

// The music start stamps the sequence time of the program's state: the window starts again.
TEST(KeySequenceMachine, AStampOfTheStateRestartsTheWindow) {
  platform::VirtualClock clock;
  state::KeySequenceState sequence;
  KeySequenceMachine machine(sequence);
  KeyContext context;
  context.keyInputMode = kKeyModeFlight;
  machine.OnKey(KeyPress(66), context, clock.MonotonicNanos());
  clock.Advance(1900ms);
  sequence.stampNanos = clock.MonotonicNanos();
  clock.Advance(1900ms);
  EXPECT_EQ(machine.OnKey(KeyPress(D(2)), context, clock.MonotonicNanos()).request, 52);
}

}  // namespace
}  // namespace vx::mainwindow
