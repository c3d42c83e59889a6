#include "simlink/simulator_link.h"

#include "mainwindow/pro_context.h"
#include "platform/event_pump.h"
#include "platform/key_hook.h"
#include "platform/sim_ipc_client.h"
#include "simlink/auto_pause_notice.h"
#include "simlink/sim_derivations.h"
#include "ui/message_box.h"

namespace vx::simlink {
namespace {

void Pump(mainwindow::ProContext& pro) {
  if (pro.svc.pump) pro.svc.pump->Pump();
}

// Re-arms the key hook should the batch end by an exception (EnableNyankoro1 does it otherwise).
struct KeyHookRearm {
  platform::KeyHook* hook;
  bool done = false;
  ~KeyHookRearm() {
    if (!done && hook) hook->Enable();
  }
};

void WritePause(mainwindow::ProContext& pro, std::int16_t value) {
  platform::SimIpcClient* sim = pro.svc.sim;
  if (!sim) return;
  const SimVarPair pause = pro.sim.SimVarTable[Index(SimVar::Pause)];
  sim->BeginRequest();
  sim->WriteStateData(pause.offset, pause.size, &value);
  sim->SendRequest();
}

std::int16_t Raw16(const SimRawValueSet& raw, SimVar v) { return static_cast<std::int16_t>(raw.Get(v)); }

void DeriveCloudLayer(const SimRawValueSet& raw, SimVar top, CloudLayer& layer) {
  layer.topFt = FeetFromMetres(raw.Get(top));
  layer.baseFt = FeetFromMetres(raw.Get(static_cast<SimVar>(Index(top) + 1)));
  layer.cover = CloudCoverEighths(Raw16(raw, static_cast<SimVar>(Index(top) + 2)), layer.cover);
}

}  // namespace

bool ConnectSimulator(mainwindow::ProContext& pro) {
  platform::SimWindowFinder* finder = pro.svc.simWindows;
  if (!finder) return false;
  const std::int64_t fs6 = finder->FindTopLevelWindow("FS6MAIN");
  const std::int64_t fs98 = finder->FindTopLevelWindow("FS98MAIN");
  SimState& s = pro.sim;
  if (fs6 != 0) {
    s.SimWindow = fs6;
    s.SimKind = "FS6";
  } else if (fs98 != 0) {
    s.SimWindow = fs98;
    s.SimKind = "FS98";
    s.SimVarTable = kFs98SimVarTable;
  } else {
    return false;
  }
  platform::SimIpcClient* sim = pro.svc.sim;
  if (!sim || sim->Start(s.SimWindow, kSimLinkAreaSize, kSimLinkTimeoutMs) == 0) {
    if (pro.boxes) pro.boxes->Show("FS IPC ERROR  (CODE : 001)", ui::Buttons::Ok, ui::Icon::Critical);
    if (sim) sim->Stop();
    if (pro.svc.pump) pro.svc.pump->EndProgram(1);
    return false;
  }
  return true;
}

void ReadSimulatorState(mainwindow::ProContext& pro) {
  SimState& s = pro.sim;
  SimRawValueSet& raw = s.SimRawValues;
  if (platform::SimIpcClient* sim = pro.svc.sim) {
    DisableNyankoro1(pro);
    KeyHookRearm rearm{pro.svc.keyHook};
    sim->BeginRequest();
    for (std::size_t i = Index(SimVar::Pause) + 1; i < kSimVarCount; ++i) {
      const SimVarPair p = s.SimVarTable[i];
      sim->ReadStateData(p.offset, p.size, raw.Buffer(static_cast<SimVar>(i)));
    }
    sim->SendRequest();
    rearm.done = true;
    EnableNyankoro1(pro);
  }

  s.QnhInHg = HpaToInHg(QnhHpaFromRaw(Raw16(raw, SimVar::Qnh)));
  s.FuelWeightPerGallon = Raw16(raw, SimVar::FuelWeight);

  FuelReading fuel;
  for (std::size_t t = 0; t < kTankCount; ++t) {
    fuel.levels[t] = raw.Get(TankLevel(t));
    fuel.capacities[t] = raw.Get(TankCapacity(t));
  }
  fuel.weightPerGallon = s.FuelWeightPerGallon;
  DeriveFuel(fuel, s.TankFuel, s.FuelTotals);

  DeriveCloudLayer(raw, SimVar::HighCloudTop, s.CloudLayers.high);
  DeriveCloudLayer(raw, SimVar::LowCloudTop, s.CloudLayers.low);
  DeriveCloudLayer(raw, SimVar::StormTop, s.CloudLayers.storm);

  s.AircraftAltitudeFt =
      AltitudeFeet(static_cast<std::uint32_t>(raw.Get(SimVar::AltitudeFraction)), raw.Get(SimVar::AltitudeWhole));

  s.OutsideTemperature = TemperatureFromRaw(Raw16(raw, SimVar::Temperature));
  s.DewPoint = TemperatureFromRaw(Raw16(raw, SimVar::DewPoint));
  s.WindAtAircraft = DeriveWind(Raw16(raw, SimVar::WindSpeed), Raw16(raw, SimVar::WindDirection));

  WindBandsRaw bands;
  bands.surfaceTop = Raw16(raw, SimVar::SurfaceBandTop);
  bands.surfaceBottom = Raw16(raw, SimVar::SurfaceBandBottom);
  bands.surfaceTurbulence = Raw16(raw, SimVar::SurfaceBandTurbulence);
  bands.lowerTop = Raw16(raw, SimVar::LowerBandTop);
  bands.lowerBottom = Raw16(raw, SimVar::LowerBandBottom);
  bands.lowerTurbulence = Raw16(raw, SimVar::LowerBandTurbulence);
  bands.middleTop = Raw16(raw, SimVar::MiddleBandTop);
  bands.middleBottom = Raw16(raw, SimVar::MiddleBandBottom);
  bands.middleTurbulence = Raw16(raw, SimVar::MiddleBandTurbulence);
  bands.upperTop = Raw16(raw, SimVar::UpperBandTop);
  bands.upperTurbulence = Raw16(raw, SimVar::UpperBandTurbulence);
  s.WindTurbulence = SelectTurbulence(s.AircraftAltitudeFt, bands);

  s.PrecipitationRate = static_cast<std::uint8_t>(raw.Get(SimVar::PrecipitationRate));
  s.PrecipitationType = static_cast<std::uint8_t>(raw.Get(SimVar::PrecipitationType));
  s.ZeroFuelWeightLbs = ZeroFuelWeightFromRaw(raw.Get(SimVar::ZeroFuelWeight));

  Pump(pro);
}

void PauseSimulator(mainwindow::ProContext& pro) {
  WritePause(pro, 1);
  Pump(pro);
  if (pro.sim.autoPauseNotice) {
    pro.sim.autoPauseNotice->ShowTopmost();
    Pump(pro);
  }
}

void ResumeSimulator(mainwindow::ProContext& pro) { WritePause(pro, 0); }

void WriteSimVars(mainwindow::ProContext& pro, std::initializer_list<SimVar> vars) {
  platform::SimIpcClient* sim = pro.svc.sim;
  if (!sim) return;
  sim->BeginRequest();
  for (const SimVar v : vars) {
    const SimVarPair p = pro.sim.SimVarTable[Index(v)];
    sim->WriteStateData(p.offset, p.size, pro.sim.SimRawValues.Buffer(v));
  }
  sim->SendRequest();
}

void DisableNyankoro1(mainwindow::ProContext& pro) {
  Pump(pro);
  if (pro.svc.keyHook) pro.svc.keyHook->Disable();
}

void EnableNyankoro1(mainwindow::ProContext& pro) {
  if (pro.svc.keyHook) pro.svc.keyHook->Enable();
  Pump(pro);
}

}  // namespace vx::simlink
