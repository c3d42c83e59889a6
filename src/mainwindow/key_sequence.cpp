#include "mainwindow/key_sequence.h"

namespace vx::mainwindow {
namespace {

using simlink::IsViewpointKey;
using simlink::kVkEsc;

bool IsDigit(int key) { return key >= vk::kDigit0 && key <= vk::kDigit9; }

// Keys that leave a rotating view running that has seen its Backspace.
bool KeepsRotatingView(int key) {
  return key == vk::kBackspace || key == vk::kEnter || key == vk::kCtrl || IsDigit(key) ||
         key == vk::kLetterA || key == vk::kLetterB || key == vk::kLetterC || key == vk::kCloseBracket ||
         key == vk::kF9 || key == vk::kLetterM || key == vk::kShift;
}

}  // namespace

bool KeySequenceMachine::Swallows(const platform::KeyEvent& key, const KeyContext& context) {
  return !context.typedInputOpen && context.keyInputMode == kKeyModeViewpoint && IsViewpointKey(key.virtualKey);
}

RotatingViewChange KeySequenceMachine::RotatingViewStep(int key, int state) {
  if (state != 1 && state != 2) return RotatingViewChange::None;
  if (key == vk::kBackspace && state == 1) return RotatingViewChange::BackspaceSeen;
  if (state == 1 || KeepsRotatingView(key)) return RotatingViewChange::None;
  return RotatingViewChange::Stop;
}

KeyDecision KeySequenceMachine::OnKey(const platform::KeyEvent& key, const KeyContext& context,
                                      std::int64_t arrivalNanos) {
  KeyDecision decision;
  if (context.typedInputOpen) return decision;
  decision.rotatingView = RotatingViewStep(key.virtualKey, context.rotatingViewState);

  if (context.keyInputMode == kKeyModeViewpoint) {
    if (!IsViewpointKey(key.virtualKey)) return decision;
    decision.handled = true;
    if (!key.release) decision.command = KeyCommand::ForwardToViewpoint;
    return decision;
  }
  if (context.keyInputMode != kKeyModeFlight || key.release || key.repeat) return decision;

  const int k = key.virtualKey;
  const CommandKeyCodes& keys = context.keys;
  const bool commandKey = k == kVkEsc || k == keys.volume || k == vk::kLetterI || k == keys.a || k == keys.b ||
                          k == keys.c || IsDigit(k);
  if (!commandKey || context.handlerBusy) return decision;

  const KeyDecision flight = FlightKey(k, context, arrivalNanos);
  decision.flightWork = true;
  decision.click = flight.click;
  decision.command = flight.command;
  decision.request = flight.request;
  return decision;
}

KeyDecision KeySequenceMachine::FlightKey(int k, const KeyContext& context, std::int64_t nowNanos) {
  const CommandKeyCodes& keys = context.keys;
  if (k == vk::kLetterI) return Complete(KeyCommand::ViewStep);
  if (k == keys.volume) return Complete(KeyCommand::ToggleQuietSound);
  if (k == kVkEsc) return Complete(KeyCommand::CloseOpenDialogs);

  const bool within = WithinWindow(nowNanos);
  KeyDecision d;
  if (k == keys.a) {
    if (s_.step == 1 && within) {
      d = Complete(KeyCommand::AtcChatter);
    } else if (s_.step == 2 && within) {
      Start(3, nowNanos);
    } else if (s_.step == 4 && within) {
      d = Complete(KeyCommand::RotatingView);
    } else {
      Start(4, nowNanos);
    }
  } else if (k == keys.b) {
    if (s_.step == 1 && within) {
      d = Complete(KeyCommand::BriefingOrGate);
    } else if (s_.step == 2 && within) {
      d = Complete(KeyCommand::Cancel);
    } else {
      Start(1, nowNanos);
    }
  } else if (k == keys.c) {
    if (s_.step == 2 && within) {
      d = Complete(KeyCommand::Request, 20);
    } else {
      Start(2, nowNanos);
    }
  } else {
    const auto n = static_cast<std::int16_t>(k - vk::kDigit0);
    if (s_.step == 1 && within) {
      d = Complete(KeyCommand::Request, static_cast<std::int16_t>(50 + n));
    } else if (s_.step == 3 && within) {
      d = Complete(KeyCommand::Request, static_cast<std::int16_t>(10 + n));
    } else {
      s_.step = 0;
    }
  }
  d.click = true;
  return d;
}

bool KeySequenceMachine::WithinWindow(std::int64_t nowNanos) const {
  if (!s_.stampNanos) return false;
  const double elapsed = static_cast<double>(nowNanos - *s_.stampNanos) / 1e9;
  return elapsed <= kSequenceWindowSeconds;
}

void KeySequenceMachine::Start(int state, std::int64_t nowNanos) {
  s_.step = state;
  s_.stampNanos = nowNanos;
}

KeyDecision KeySequenceMachine::Complete(KeyCommand command, std::int16_t request) {
  s_.step = 0;
  KeyDecision d;
  d.command = command;
  d.request = request;
  return d;
}

}  // namespace vx::mainwindow
