#include "announce/request_dispatcher.h"

#include <exception>
#include <string>

#include "announce/atc_chatter.h"
#include "announce/background_music.h"
#include "announce/departure_clock.h"
#include "announce/flight_lifecycle.h"
#include "announce/flight_links.h"
#include "announce/group_run.h"
#include "announce/landing_call.h"
#include "announce/request_table.h"
#include "announce/route_region.h"
#include "announce/sound_commands.h"
#include "mainfiles/flight_restart.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "runtime/runtime_error.h"
#include "simlink/cabin_strip.h"
#include "simlink/main_channels.h"
#include "simlink/route_progress.h"
#include "state/pro_context.h"
#include "ui/event_boundary.h"
#include "ui/message_box.h"

namespace vx::announce {
namespace {

constexpr std::int16_t kLandedRequest = 15;
constexpr std::int16_t kCallArmed = 2;
constexpr std::int16_t kCallMade = 3;
constexpr std::string_view kLandedSignal = "\\vexlorLND.cfg";

// The tick's hold on the dispatcher: busy while it runs, and the flight it serves. At its
// end the request, the abort and the busy flag are cleared, unless a later flight has
// begun meanwhile (they are that flight's then).
class TickScope {
 public:
  explicit TickScope(state::EngineState& e) : e_(e), flight_(e.FlightId), outer_(e.tickFlight) {
    e_.DispatcherBusy = true;
    e_.tickFlight = flight_;
  }
  ~TickScope() {
    e_.tickFlight = outer_;
    if (e_.FlightId != flight_) return;
    e_.AnnounceRequest = 0;
    e_.DispatcherBusy = false;
    e_.AnnounceAbort = false;
  }
  TickScope(const TickScope&) = delete;
  TickScope& operator=(const TickScope&) = delete;

 private:
  state::EngineState& e_;
  std::uint32_t flight_;
  std::uint32_t outer_;
};

void RefreshProgressText(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (e.ProgressRefreshToggle) {
    e.ProgressRefreshToggle = false;
    return;
  }
  e.ProgressRefreshToggle = true;
  if (simlink::CabinStrip* strip = pro.sim.cabinStrip) {
    strip->SetForeColour(simlink::CabinBox::tbxDest, pro.sim.ProgressColour);
    strip->SetText(simlink::CabinBox::tbxDest, pro.sim.ProgressText);
  }
}

bool OptionOn(const std::string& option) { return option == "ON"; }

void ServeGroupRequest(state::ProContext& pro, std::int16_t request) {
  state::EngineState& e = pro.engine;
  const bool inFlight = pro.sim.HeightAboveGround > kGroundTableMaxHeightFt;
  const RequestRow& row = (inFlight ? AirRequests() : GroundRequests())[static_cast<std::size_t>(request - 10)];

  if (row.stopMusicFirst) StopBgmPlayback(pro);
  if (row.departureClockFirst) SetUpDepartureClock(pro);
  if (row.delayedFirst) e.DepartureDelayed = true;
  if (row.group) {
    RunGroup(pro, *row.group);
    if (state::FlightGone(e)) return;
  }
  if (row.takeoffTrigger) simlink::WriteTakeoffStarted(pro, 1);
  if (row.step != kStepUnchanged) {
    std::int16_t step = row.step;
    if (row.stepInternational != kStepUnchanged && !DomesticFlight(pro)) step = row.stepInternational;
    (inFlight ? pro.flight.AirStep : pro.flight.GroundStep) = step;
  }
  if (row.saveResume) {
    mainfiles::SaveFlightRestart(pro);
    pro.svc.pump->Pump();
  }
  if (row.deleteResume) {
    mainfiles::DeleteFlightRestartFiles(pro);
    pro.svc.pump->Pump();
  }
}

}  // namespace

void CheckLandingSignalFile(state::ProContext& pro) {
  if (!pro.svc.paths->Exists(kLandedSignal)) return;
  pro.engine.AnnounceRequest = kLandedRequest;
  pro.svc.paths->DeleteIfExists(kLandedSignal);
  pro.svc.pump->Pump();
}

void ServeAnnounceRequest(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  if (e.AnnounceRequest == state::kNextRequest) {
    const bool inFlight = pro.sim.HeightAboveGround > kGroundTableMaxHeightFt;
    e.AnnounceRequest = static_cast<std::int16_t>((inFlight ? pro.flight.AirStep : pro.flight.GroundStep) + 10);
  }
  const std::int16_t request = e.AnnounceRequest;
  if (request >= 10 && request <= 19) {
    ServeGroupRequest(pro, request);
  } else {
    RunSoundCommand(pro, request);
  }
}

void ServiceAnnouncementRequest(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  RefreshProgressText(pro);
  FollowFlightLinks(pro);
  if (e.FlightWindowClosed || e.DispatcherBusy) return;
  {
    TickScope tick(e);
    try {
      simlink::UpdateRouteProgress(pro);
      StoreSoundWindowPosition(pro);
      CheckLandingSignalFile(pro);
      if (e.BgmEngine >= 1 && pro.flight.BgmPlaying) PollBgmEnd(pro);
      PlayAtcChatter(pro);
      const auto& main = pro.main;
      if ((OptionOn(main.SpeedCallOption) || OptionOn(main.AltitudeCallOption)) &&
          pro.flight.LandingCallState == kCallArmed) {
        pro.flight.LandingCallState = kCallMade;
        RunGroup(pro, GroupId::LandingIn15Min);
      }
      if (!state::FlightGone(e)) ServeAnnounceRequest(pro);
    } catch (const FlightEnded&) {
    } catch (const platform::ProgramEnding&) {
      throw;
    } catch (...) {
      // Shown while the tick still holds the dispatcher, so that later ticks wait for
      // the box instead of stacking boxes of their own.
      const std::string text = ui::ErrorMessage(std::current_exception());
      if (pro.boxes) pro.boxes->Show(text, ui::Buttons::Ok, ui::Icon::Critical);
    }
  }
  if (!state::FlightGone(e)) pro.svc.pump->Pump();
}

}  // namespace vx::announce
