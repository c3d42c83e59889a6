#include "mainwindow/command_keys.h"

#include <algorithm>

#include "announce/flight_window_view.h"
#include "announce/flight_windows.h"
#include "mainfiles/files.h"
#include "mainwindow/key_mode.h"
#include "mainwindow/key_sequence.h"
#include "mainwindow/quiet_sound.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "simlink/eye_keys.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"
#include "ui/form.h"
#include "ui/message_box.h"
#include "ui/scope_guard.h"

namespace vx::mainwindow {
namespace {

using announce::FlightBox;

void SetFlightText(state::ProContext& pro, FlightBox box, const char* text) {
  if (pro.engine.flightWindow) pro.engine.flightWindow->SetText(box, text);
}

void SetFlightColours(state::ProContext& pro, FlightBox box, int back, int fore) {
  if (pro.engine.flightWindow) pro.engine.flightWindow->SetColours(box, back, fore);
}

void PlaySwitchClick(state::ProContext& pro) {
  if (!pro.svc.sound) return;
  const int volume = state::QuietSoundOn(pro.engine) ? kQuietSoundAttenuation : platform::kFullVolume;
  pro.svc.sound->Play(pro.engine.SoundSlotBuffer[0], volume, platform::kPanCentre);
}

// A-A: the rotating outside view, when the view option is on and it is not running yet.
void StartRotatingView(state::ProContext& pro) {
  if (pro.main.ViewSwitchOption != "ON" || pro.flight.RotatingViewState != 0) return;
  pro.flight.RotatingViewState = 1;
  mainfiles::WriteEyeViewCfg(pro);
  SetFlightText(pro, FlightBox::tbx処理内容, "「A-A」 回転視点");
  SetFlightColours(pro, FlightBox::tbxAA, 9, 11);
}

void ShowTopmost(state::ProContext& pro, ui::Form& form) {
  form.Load();
  announce::SetWindowTopmost(pro, form.Handle());
  form.Show();
}

// B-B: the briefing sheet before the arrival, the arrival gate after it, and after the
// final announcement only the advice to start the program again.
void OpenBriefingOrGate(state::ProContext& pro) {
  state::MainState& m = pro.main;
  switch (pro.flight.FlightStage) {
    case 0:
      m.TobFromFlight = true;
      if (m.keyWindows.frmTOB) ShowTopmost(pro, *m.keyWindows.frmTOB);
      break;
    case 1:
      if (m.keyWindows.frmArvGate) ShowTopmost(pro, *m.keyWindows.frmArvGate);
      break;
    case 2:
      if (pro.boxes) {
        pro.boxes->Show("再出発する場合は VexlorPro を一旦終了させ、再スタートしてください。", ui::Buttons::Ok,
                        ui::Icon::Information, "再出発");
      }
      break;
    default:
      break;
  }
}

void RunFlightCommand(state::ProContext& pro, const KeyDecision& d) {
  state::EngineState& e = pro.engine;
  switch (d.command) {
    case KeyCommand::ViewStep:
      e.AnnounceRequest = 0;
      simlink::SendViewStepCommand(pro);
      pro.svc.pump->Pump();
      break;
    case KeyCommand::ToggleQuietSound:
      e.AnnounceRequest = 0;
      ToggleQuietSound(pro);
      break;
    case KeyCommand::CloseOpenDialogs:
      e.AnnounceRequest = 0;
      CloseOpenDialogs(pro);
      break;
    case KeyCommand::Request:
      e.AnnounceRequest = d.request;
      break;
    case KeyCommand::AtcChatter:
      if (pro.flight.AtcChatterState == 0) {
        pro.flight.AtcChatterState = 3;
      } else if (pro.flight.AtcChatterState == 1) {
        pro.flight.AtcChatterState = 2;
      }
      break;
    case KeyCommand::RotatingView:
      StartRotatingView(pro);
      break;
    case KeyCommand::BriefingOrGate:
      OpenBriefingOrGate(pro);
      break;
    case KeyCommand::Cancel:
      CancelAnnouncement(pro);
      break;
    case KeyCommand::None:
    case KeyCommand::ForwardToViewpoint:
      break;
  }
}

}  // namespace

void StopRotatingView(state::ProContext& pro) {
  pro.flight.RotatingViewState = 0;
  SetFlightText(pro, FlightBox::tbx処理内容, "");
  SetFlightColours(pro, FlightBox::tbxAA, 7, 8);
  pro.svc.paths->DeleteIfExists("\\EyeView.cfg");
  pro.svc.pump->Pump();
}

void CancelAnnouncement(state::ProContext& pro) {
  pro.engine.AnnounceAbort = true;
  pro.svc.paths->DeleteIfExists("\\vexlorPB.cfg");
  pro.svc.paths->DeleteIfExists("\\EyeCheck.cfg");
  pro.svc.pump->Pump();
  StopRotatingView(pro);
}

void CloseOpenDialogs(state::ProContext& pro) {
  for (ui::Form* form : pro.main.keyWindows.closedByEsc) {
    if (!form || !form->Loaded()) continue;
    form->Unload();
    pro.svc.pump->Pump();
  }
  pro.svc.pump->Pump();
}

namespace {

KeyContext CurrentKeyContext(const state::ProContext& pro) {
  const state::MainState& m = pro.main;
  KeyContext context;
  context.keyInputMode = m.KeyInputMode;
  context.typedInputOpen = std::any_of(m.keyWindows.typedInput.begin(), m.keyWindows.typedInput.end(),
                                       [](const ui::Form* f) { return f && f->Loaded(); });
  context.handlerBusy = m.KeyHandlerBusy;
  context.rotatingViewState = pro.flight.RotatingViewState;
  context.keys = {m.VolumeKeyCode, m.CommandKeyA, m.CommandKeyB, m.CommandKeyC};
  return context;
}

std::uint64_t BoxesShown(const state::ProContext& pro) { return pro.boxes ? pro.boxes->BoxesShown() : 0; }

bool HandleOneKey(state::ProContext& pro, const platform::KeyEvent& key, std::int64_t arrivalNanos) {
  state::MainState& m = pro.main;
  auto& pump = *pro.svc.pump;
  EndViewpointModeWhenDone(pro);

  const KeyContext context = CurrentKeyContext(pro);
  const KeyDecision d = KeySequenceMachine(m.KeySequence).OnKey(key, context, arrivalNanos);

  if (d.rotatingView == RotatingViewChange::BackspaceSeen) pro.flight.RotatingViewState = 2;
  if (d.rotatingView == RotatingViewChange::Stop) StopRotatingView(pro);

  if (d.command == KeyCommand::ForwardToViewpoint) {
    simlink::ForwardEyeKey(pro, static_cast<std::int16_t>(key.virtualKey), key.repeat);
    pump.Pump();
    return true;
  }
  if (!d.flightWork) return d.handled;

  ui::BusyFlag<bool> busy(m.KeyHandlerBusy, true);
  if (d.click) PlaySwitchClick(pro);
  RunFlightCommand(pro, d);
  pump.Pump();
  return false;
}

}  // namespace

// The handler pumps the window events, and a slow program reads the next keys of a
// sequence there. They are taken one after the other once the handler has finished, so
// that none is lost to a handler that is still busy and none is read out of its order;
// each counts from when it came. A message box that comes up meanwhile (B-B's restart
// notice, or one of the work that the pumps run) holds the handler for as long as it is
// up: the keys typed then are the box's and do nothing here, then or later. So do the
// keys that reach the handler after the box has gone but before it has done with the key
// that put the box up (the key that closed the box may reach the hook only then).
// Likewise an announcement that the flight window's heartbeat starts inside the handler's
// pump holds the handler for as long as it plays: keys typed then find the handler busy
// and do nothing, instead of acting once the announcement is over.
bool HandleDesktopKey(state::ProContext& pro, const platform::KeyEvent& key) {
  state::MainState& m = pro.main;
  const std::int64_t arrival = pro.svc.clock->MonotonicNanos();
  if (m.KeyHandlerRunning) {
    if (BoxesShown(pro) != m.KeyHandlerBoxesBefore) return false;
    if (pro.engine.DispatcherBusy && !m.KeyHandlerDispatcherBusyBefore) return false;
    m.KeysWaiting.push_back({key, arrival});
    EndViewpointModeWhenDone(pro);
    return KeySequenceMachine::Swallows(key, CurrentKeyContext(pro));
  }
  ui::BusyFlag<bool> running(m.KeyHandlerRunning, true);
  ui::ScopeGuard dropWaiting([&m] { m.KeysWaiting.clear(); });  // after a failed key
  m.KeyHandlerBoxesBefore = BoxesShown(pro);
  m.KeyHandlerDispatcherBusyBefore = pro.engine.DispatcherBusy;
  const bool swallowed = HandleOneKey(pro, key, arrival);
  while (!m.KeysWaiting.empty()) {
    const state::WaitingKey next = m.KeysWaiting.front();
    m.KeysWaiting.pop_front();
    m.KeyHandlerBoxesBefore = BoxesShown(pro);
    m.KeyHandlerDispatcherBusyBefore = pro.engine.DispatcherBusy;
    HandleOneKey(pro, next.key, next.arrivalNanos);
  }
  return swallowed;
}

}  // namespace vx::mainwindow
