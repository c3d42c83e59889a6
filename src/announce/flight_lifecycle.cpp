#include "announce/flight_lifecycle.h"

#include <cmath>
#include <string_view>

#include "announce/board.h"
#include "announce/departure_clock.h"
#include "announce/flight_window_view.h"
#include "announce/sound_slots.h"
#include "mainfiles/files.h"
#include "platform/addon_link.h"
#include "platform/event_pump.h"
#include "platform/mp3_player.h"
#include "platform/music_device.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "simlink/addon_messages.h"
#include "simlink/key_input_mode.h"
#include "simlink/main_channels.h"
#include "state/pro_context.h"

namespace vx::announce {

void BeginNewFlight(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  ++e.FlightId;
  if (e.FlightId == 0) ++e.FlightId;  // 0 means "no tick running"
  e.DispatcherBusy = false;
  e.groupOpen = false;
  pro.flight = state::FlightState{};
  e.BgmPlaylist.position = 0;
}

void ResetAnnouncementState(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (e.FlightWindowClosed) return;
  if (e.flightWindow) e.flightWindow->SetText(FlightBox::tbxKey, state::QuietSoundOn(e) ? "音小" : "音大");
  if (e.mainWindow) e.mainWindow->ClearKeySequence();
  e.AnnounceRequest = 0;
  pro.svc.pump->Pump();
  simlink::WriteTakeoffStarted(pro, 0);
  pro.svc.pump->Pump();
  ClearFlightMaxima(pro);
}

void StoreSoundWindowPosition(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (!e.flightWindow) return;
  const WindowTwips place = e.flightWindow->Place();
  state::WindowPosition& stored = e.SoundWindowPosition;
  if (place.top == stored.top && place.left == stored.left) return;
  stored.top = static_cast<std::int32_t>(std::nearbyint(place.top));
  stored.left = static_cast<std::int32_t>(std::nearbyint(place.left));
  stored.expTop = stored.top;
  stored.expLeft = static_cast<std::int32_t>(std::nearbyint(place.left + place.width));
  mainfiles::WriteVexlorSdCfg(pro);
  pro.svc.pump->Pump();
}

void EndFlight(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  auto& pump = *pro.svc.pump;
  // A viewpoint set-up still running returns to the main window's mode when it ends.
  if (pro.main.KeyInputMode == simlink::kKeyModeViewpoint) {
    pro.main.KeyModeBeforeViewpoint = simlink::kKeyModeNone;
  } else {
    simlink::SetKeyInputMode(pro, simlink::kKeyModeNone);
  }
  e.FlightWindowClosed = true;

  if (pro.sim.AddonSessionOpen) {
    pro.sim.AddonSessionOpen = false;
    const std::int32_t result = pro.svc.addon->Session(0, platform::kAddonSessionVersion);
    if (result != platform::kAddonOk) simlink::LvldResultMessage(*pro.boxes, result);
    pump.Pump();
  }
  if (e.flightForms) {
    e.flightForms->Unload(FlightForm::frmCabin);
    // A prompt still asking does not outlive its flight: no answer reaches the next
    // flight and no hand-over file is written after this one.
    e.flightForms->Unload(FlightForm::frmLDB);
    e.flightForms->Unload(FlightForm::frmCPAnounce);
  }
  // The briefing card does not outlive its flight.
  if (e.briefingCard) e.briefingCard->Unload();

  // A board the flight showed does not outlive it.
  CloseDepartureBoardNow(pro);

  for (std::string_view file : mainfiles::kHandOverFiles) {
    if (pro.svc.paths->DeleteIfExists(file)) pump.Pump();
  }

  if (e.FlightWindowReady) {
    FreeAllSoundSlots(pro);
    if (e.BgmEngine == state::kEngineSegments) {
      pro.svc.music->FreeSegment(e.BgmSegment);
      e.BgmSegment = 0;
      pump.Pump();
      pro.svc.music->Quit();
    } else if (e.BgmEngine == state::kEngineMp3) {
      if (pro.sim.Mp3TrackOpen) {
        pro.svc.mp3->Stop();
        pro.svc.mp3->Close();
        pro.sim.Mp3TrackOpen = false;
        pump.Pump();
      }
      pro.svc.mp3->Free();
    }
    pro.flight.BgmPlaying = false;
    e.BgmEngine = 0;
    pump.Pump();
    pro.svc.sound->Quit();
  }

  if (e.mainWindow) e.mainWindow->RestoreWindowState();
  pump.Pump();
}

}  // namespace vx::announce
