#include "simlink/simulator_link.h"

#include "platform/event_pump.h"
#include "platform/key_hook.h"
#include "platform/sim_ipc_client.h"
#include "simlink/auto_pause_notice.h"
#include "simlink/sim_derivations.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::simlink {
namespace {

void Pump(state::ProContext& pro) {
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

void WritePause(state::ProContext& pro, std::int16_t value) {
  platform::SimIpcClient* sim = pro.svc.sim;
  if (!sim) return;
  const state::SimVarPair pause = pro.sim.SimVarTable[Index(state::SimVar::Pause)];
  sim->BeginRequest();
  sim->WriteStateData(pause.offset, pause.size, &value);
  sim->SendRequest();
}

std::int16_t Raw16(const state::SimRawValueSet& raw, state::SimVar v) { return static_cast<std::int16_t>(raw.Get(v)); }

void DeriveCloudLayer(const state::SimRawValueSet& raw, state::SimVar top, state::CloudLayer& layer) {
  layer.topFt = FeetFromMetres(raw.Get(top));
  layer.baseFt = FeetFromMetres(raw.Get(static_cast<state::SimVar>(Index(top) + 1)));
  layer.cover = CloudCoverEighths(Raw16(raw, static_cast<state::SimVar>(Index(top) + 2)), layer.cover);
}

}  // namespace

SimLinkTarget ProSimLinkTarget(state::ProContext& pro) {
  state::SimState& s = pro.sim;
  return {pro.svc.simWindows, pro.svc.sim, s.SimWindow, s.SimKind, [&s] { s.SimVarTable = state::kFs98SimVarTable; },
          &s.linkWatch};
}

bool ConnectSimulator(state::ProContext& pro) {
  SimLinkTarget target = ProSimLinkTarget(pro);
  return ConnectSimulatorLink(target, pro.boxes, pro.svc.pump, "FS IPC ERROR  (CODE : 001)");
}

void StopSimulatorLink(state::ProContext& pro) {
  pro.sim.linkWatch = {};
  if (pro.svc.sim) pro.svc.sim->Stop();
}

void ReadSimulatorState(state::ProContext& pro) {
  state::SimState& s = pro.sim;
  state::SimRawValueSet& raw = s.SimRawValues;
  if (platform::SimIpcClient* sim = pro.svc.sim) {
    DisableNyankoro1(pro);
    KeyHookRearm rearm{pro.svc.keyHook};
    sim->BeginRequest();
    for (std::size_t i = Index(state::SimVar::Pause) + 1; i < state::kSimVarCount; ++i) {
      const state::SimVarPair p = s.SimVarTable[i];
      sim->ReadStateData(p.offset, p.size, raw.Buffer(static_cast<state::SimVar>(i)));
    }
    sim->SendRequest();
    rearm.done = true;
    EnableNyankoro1(pro);
  }

  s.QnhInHg = HpaToInHg(QnhHpaFromRaw(Raw16(raw, state::SimVar::Qnh)));
  s.FuelWeightPerGallon = Raw16(raw, state::SimVar::FuelWeight);

  FuelReading fuel;
  for (std::size_t t = 0; t < state::kTankCount; ++t) {
    fuel.levels[t] = raw.Get(state::TankLevel(t));
    fuel.capacities[t] = raw.Get(state::TankCapacity(t));
  }
  fuel.weightPerGallon = s.FuelWeightPerGallon;
  DeriveFuel(fuel, s.TankFuel, s.FuelTotals);

  DeriveCloudLayer(raw, state::SimVar::HighCloudTop, s.CloudLayers.high);
  DeriveCloudLayer(raw, state::SimVar::LowCloudTop, s.CloudLayers.low);
  DeriveCloudLayer(raw, state::SimVar::StormTop, s.CloudLayers.storm);

  s.AircraftAltitudeFt =
      AltitudeFeet(static_cast<std::uint32_t>(raw.Get(state::SimVar::AltitudeFraction)), raw.Get(state::SimVar::AltitudeWhole));

  s.OutsideTemperature = TemperatureFromRaw(Raw16(raw, state::SimVar::Temperature));
  s.DewPoint = TemperatureFromRaw(Raw16(raw, state::SimVar::DewPoint));
  s.WindAtAircraft = DeriveWind(Raw16(raw, state::SimVar::WindSpeed), Raw16(raw, state::SimVar::WindDirection));

  WindBandsRaw bands;
  bands.surfaceTop = Raw16(raw, state::SimVar::SurfaceBandTop);
  bands.surfaceBottom = Raw16(raw, state::SimVar::SurfaceBandBottom);
  bands.surfaceTurbulence = Raw16(raw, state::SimVar::SurfaceBandTurbulence);
  bands.lowerTop = Raw16(raw, state::SimVar::LowerBandTop);
  bands.lowerBottom = Raw16(raw, state::SimVar::LowerBandBottom);
  bands.lowerTurbulence = Raw16(raw, state::SimVar::LowerBandTurbulence);
  bands.middleTop = Raw16(raw, state::SimVar::MiddleBandTop);
  bands.middleBottom = Raw16(raw, state::SimVar::MiddleBandBottom);
  bands.middleTurbulence = Raw16(raw, state::SimVar::MiddleBandTurbulence);
  bands.upperTop = Raw16(raw, state::SimVar::UpperBandTop);
  bands.upperTurbulence = Raw16(raw, state::SimVar::UpperBandTurbulence);
  s.WindTurbulence = SelectTurbulence(s.AircraftAltitudeFt, bands);

  s.PrecipitationRate = static_cast<std::uint8_t>(raw.Get(state::SimVar::PrecipitationRate));
  s.PrecipitationType = static_cast<std::uint8_t>(raw.Get(state::SimVar::PrecipitationType));
  s.ZeroFuelWeightLbs = ZeroFuelWeightFromRaw(raw.Get(state::SimVar::ZeroFuelWeight));

  Pump(pro);
}

void PauseSimulator(state::ProContext& pro) {
  WritePause(pro, 1);
  Pump(pro);
  if (pro.sim.autoPauseNotice) {
    pro.sim.autoPauseNotice->ShowTopmost();
    Pump(pro);
  }
}

void ResumeSimulator(state::ProContext& pro) { WritePause(pro, 0); }

void WriteSimVars(state::ProContext& pro, std::initializer_list<state::SimVar> vars) {
  WriteSimVars(pro, std::span<const state::SimVar>(vars.begin(), vars.size()));
}

void WriteSimVars(state::ProContext& pro, std::span<const state::SimVar> vars) {
  platform::SimIpcClient* sim = pro.svc.sim;
  if (!sim) return;
  sim->BeginRequest();
  for (const state::SimVar v : vars) {
    const state::SimVarPair p = pro.sim.SimVarTable[Index(v)];
    sim->WriteStateData(p.offset, p.size, pro.sim.SimRawValues.Buffer(v));
  }
  sim->SendRequest();
}

void DisableNyankoro1(state::ProContext& pro) {
  Pump(pro);
  if (pro.svc.keyHook) pro.svc.keyHook->Disable();
}

void EnableNyankoro1(state::ProContext& pro) {
  if (pro.svc.keyHook) pro.svc.keyHook->Enable();
  Pump(pro);
}

}  // namespace vx::simlink
