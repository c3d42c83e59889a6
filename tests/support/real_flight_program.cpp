#include "support/real_flight_program.h"

#include <sys/stat.h>

#include <fstream>

#include "composition/pro_context_wiring.h"
#include "simlink/main_channels.h"
#include "support/standin_process.h"
#include "support/temp_dir.h"

namespace vx::test {

RealFlightProgram::RealFlightProgram(const StandinProcess& standin, const std::filesystem::path& base)
    : system({.programName = "VexlorPro", .baseFolder = base, .simulatorFolder = standin.Folder(), .simulatorPrefix = standin.Prefix()},
             boxes, dialogs, popups) {
  std::filesystem::create_directories(base / "ExePro");
  const auto callOut = base / "ExePro" / "VexlorEXP";
  // Runs while the flight's vexlorEXP.cfg is there, as the call-out program does (a minute
  // at most), so that the flight sees no call-out program end.
  std::ofstream(callOut) << "#!/bin/sh\ncd \"$(dirname \"$0\")/..\" || exit 1\n"
                            "n=0\nwhile [ -f vexlorEXP.cfg ] && [ $n -lt 600 ]; do sleep 0.1; n=$((n + 1)); done\n";
  ::chmod(callOut.c_str(), 0755);

  composition::WireProContext(pro, system, sound, boxes);
  pro.svc.addon = &addon;
  pro.svc.sharedMemoryPrefix = UniqueName("vxflight");
  pro.engine.BgmMode = "OFF";
  // The route as a loaded settings file gives it.
  pro.files.RouteAirports[0].slot = "0";
  pro.files.RouteAirports[1].slot = "1";
  forms.Set(announce::FlightForm::frmCabin, cabin);
  forms.Set(announce::FlightForm::frmTOB, tob);
  forms.Set(announce::FlightForm::frmHelp, help);
  pro.engine.flightForms = &forms;
  pro.engine.briefingCard = &card;
  simlink::OpenMainChannels(pro);
  window = std::make_unique<announce::FrmSound>(env, pro);
}

RealFlightProgram::~RealFlightProgram() {
  if (window->Loaded()) window->Unload();
  window.reset();
  simlink::CloseMainChannels(pro);
}

bool RealFlightProgram::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = clock.MonotonicNanos() + std::chrono::nanoseconds(limit).count();
  while (!done()) {
    if (clock.MonotonicNanos() >= end) return false;
    pump.Idle(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace vx::test
