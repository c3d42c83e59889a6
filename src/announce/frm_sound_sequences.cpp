// The flight window's start and end sequences.
#include <filesystem>
#include <string>

#include "announce/flight_lifecycle.h"
#include "announce/flight_windows.h"
#include "announce/frm_sound.h"
#include "announce/sound_slots.h"
#include "mainfiles/files.h"
#include "mainfiles/flight_restart.h"
#include "mainfiles/route.h"
#include "platform/addon_link.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/mp3_player.h"
#include "platform/music_device.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/sound_device.h"
#include "runtime/runtime_error.h"
#include "simlink/key_input_mode.h"
#include "simlink/simulator_link.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::announce {
namespace {

constexpr double kHiddenCaretLeft = -2000;  // outside the window: the caret never shows

// The call-out program in "\ExePro\": "VexlorEXP.exe", or "VexlorEXP" as it is named here.
std::filesystem::path CallOutProgram(const platform::Paths& paths) {
  const std::filesystem::path withExtension = paths.Under("\\ExePro\\VexlorEXP.exe");
  if (platform::FileExists(withExtension)) return withExtension;
  const std::filesystem::path bare = paths.Under("\\ExePro\\VexlorEXP");
  if (platform::FileExists(bare)) return bare;
  return withExtension;
}


}  // namespace

void FrmSound::frmSound_Form_Load() {
  state::EngineState& e = pro_.engine;
  auto& pump = *pro_.svc.pump;
  auto& boxes = *pro_.boxes;
  if (e.FlightWindowClosed) return;
  BeginNewFlight(pro_);

  // The simulator is connected by the first flight window of a run only.
  if (!e.FlightWindowReady && !simlink::ConnectSimulator(pro_)) {
    boxes.Show("ＦＳが実行されていません", ui::Buttons::Ok, ui::Icon::Exclamation, "VexlorPro");
    return;
  }
  キャレット消用.SetLeft(kHiddenCaretLeft);

  ShowFlightFormOnTop(pro_, FlightForm::frmCabin);
  pump.Pump();
  simlink::SetKeyInputMode(pro_, simlink::kKeyModeFlight);
  pump.Pump();
  pro_.svc.paths->DeleteIfExists("\\Ocumo.cfg");
  pump.Pump();

  SetTop(e.SoundWindowPosition.top);
  SetLeft(e.SoundWindowPosition.left);
  e.SoundWindowPosition.expTop = e.SoundWindowPosition.top;
  e.SoundWindowPosition.expLeft = static_cast<std::int32_t>(Width() + Left());

  e.FlightWindowReady = true;

  // Without sound there is no flight: the window closes and nothing more is started.
  if (!pro_.svc.sound->Init()) {
    boxes.Show("DirectSoundは使えません。", ui::Buttons::Ok, ui::Icon::None);
    Unload();
    pump.Pump();
    return;
  }
  pump.Pump();
  LoadSoundEffects(pro_);

  e.BgmEngine = 0;
  if (e.BgmMode == "MIDI" && e.BgmPlaylist.count >= 1) {
    e.BgmEngine = state::kEngineSegments;
    if (!pro_.svc.music->Init())
      boxes.Show("DirectMusicの実行にはDirectX6.1以降のランタイムが必要です。", ui::Buttons::Ok, ui::Icon::None);
    pump.Pump();
  } else if (e.BgmMode == "MP3") {
    pro_.sim.Mp3TrackOpen = false;
    e.BgmEngine = state::kEngineMp3;
    pro_.svc.mp3->Init();
    e.Mp3PlayerState = pro_.svc.mp3->State();
    pump.Pump();
  }

  mainfiles::WriteVexlorExpCfg(pro_);
  StartCallOutProgram();
  pump.Pump();

  pro_.flight.AtcLastTime = static_cast<float>(pro_.svc.clock->SecondsSinceMidnight());

  ResetAnnouncementState(pro_);
  pump.Pump();

  Timer2.SetInterval(kHeartbeatMs);
  Timer2.SetEnabled(true);

  StartFlightOrResume();

  pump.Pump();
  mainfiles::ApplyRouteAirports(pro_.files);
  mainfiles::WriteVexlorSdCfg(pro_);
  pump.Pump();

  pro_.sim.AddonSessionOpen =
      pro_.svc.addon->Session(1, platform::kAddonSessionVersion) == platform::kAddonOk;
  pump.Pump();
}

void FrmSound::StartCallOutProgram() {
  // A call-out program that cannot be started is reported; the flight goes on without
  // its call-outs.
  pro_.main.CallOutProcess = pro_.svc.processes->Start(CallOutProgram(*pro_.svc.paths), {}, false);
  if (!pro_.main.CallOutProcess) {
    pro_.boxes->Show(runtime::ErrorText(runtime::kFileNotFound), ui::Buttons::Ok, ui::Icon::Critical);
  }
}

void FrmSound::StartFlightOrResume() {
  auto& tob = pro_.briefing.TobBriefing;
  // A snapshot that does not load leaves a fresh flight.
  if (pro_.svc.paths->Exists("\\FlightRestart.cfg") && pro_.main.ResumeRequested &&
      mainfiles::LoadFlightRestart(pro_))
    return;
  mainfiles::TakeAircraftTypeCode(tob);
  ShowFlightFormOnTop(pro_, FlightForm::frmTOB);
}

void FrmSound::frmSound_Form_Unload() {
  auto& pump = *pro_.svc.pump;
  Timer2.SetEnabled(false);
  pump.Pump();
  Timer2.SetInterval(0);
  pump.Pump();
  EndFlight(pro_);
}

}  // namespace vx::announce
