#include "announce/group_run.h"

#include <exception>

#include "announce/background_music.h"
#include "announce/engine_waits.h"
#include "announce/flight_window_view.h"
#include "announce/sound_slots.h"
#include "announce/spoken_digits.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "simlink/cabin_strip.h"
#include "state/pro_context.h"
#include "ui/scope_guard.h"

namespace vx::announce {
namespace {

constexpr std::string_view kCockpit = "Cockpit";

void WriteCaption(state::ProContext& pro, std::string_view text) {
  if (pro.engine.flightWindow) pro.engine.flightWindow->SetText(FlightBox::tbx処理内容, text);
  pro.svc.pump->Pump();
}

// After an error: the group's hand-over files that the other programs have not taken yet.
void RemoveHandOvers(state::ProContext& pro) {
  const std::vector<std::string> written = std::move(pro.engine.groupHandOvers);
  pro.engine.groupHandOvers.clear();
  if (written.empty()) return;
  for (const std::string& literal : written) pro.svc.paths->DeleteIfExists(literal);
  pro.svc.pump->Pump();
}

// Runs a step of the clean-up after an error; its own error gives way to the group's.
template <class Step>
void CleanUpAfterError(Step step) {
  try {
    step();
  } catch (const platform::ProgramEnding&) {
    throw;
  } catch (...) {
    // The group's own error is the one to report.
  }
}

}  // namespace

GroupRun::GroupRun(state::ProContext& pro, GroupId id) : pro_(pro), spec_(GroupSpecOf(pro, id)) {}

GroupRun::GroupRun(state::ProContext& pro, const GroupSpec& spec) : pro_(pro), spec_(spec) {}

void GroupRun::Begin() {
  state::EngineState& e = pro_.engine;
  StopSlot(pro_, kAtcSlot);
  pro_.svc.pump->Pump();
  if (spec_.radioChannel != kRadioUnchanged) pro_.flight.AtcChatterChannel = static_cast<std::int16_t>(spec_.radioChannel);
  e.groupOpen = true;
  WriteCaption(pro_, spec_.caption);
  Check();
  UseVolumeIndex(pro_, spec_.volumeIndex);
}

void GroupRun::Load(const GroupLoader& loader) {
  Check();
  if (loader) {
    // Nothing of this group is loaded yet: a loader that fails before its range is set
    // leaves nothing for the clean-up to free.
    pro_.engine.FirstLoadedSlot = kFirstGroupSlot;
    pro_.engine.LastLoadedSlot = kFirstGroupSlot - 1;
    loader(pro_);
  }
  Check();
  if (spec_.ducksMusic) DuckBgmForAnnouncement(pro_);
  Check();
}

void GroupRun::Open(const GroupLoader& loader) {
  Begin();
  Load(loader);
}

bool GroupRun::Aborted() const { return state::AnnouncementCut(pro_.engine); }

bool GroupRun::Cockpit() const {
  const simlink::CabinStrip* strip = pro_.sim.cabinStrip;
  return strip && strip->Text(simlink::CabinBox::tbxCockpit) == kCockpit;
}

void GroupRun::Part(int slot, std::string_view caption) {
  if (Aborted()) return;
  PlaySlot(pro_, slot, pro_.flight.CurrentVolume);
  if (!caption.empty() && pro_.engine.flightWindow) pro_.engine.flightWindow->SetText(FlightBox::tbx処理内容, caption);
  pro_.svc.pump->Pump();
  WaitEnd(slot);
}

void GroupRun::FadingPart(int slot, std::string_view caption) {
  if (Aborted()) return;
  PlaySlot(pro_, slot, pro_.flight.CurrentVolume);
  if (!caption.empty() && pro_.engine.flightWindow) pro_.engine.flightWindow->SetText(FlightBox::tbx処理内容, caption);
  pro_.svc.pump->Pump();
  WaitFading(slot);
}

void GroupRun::SpecialPart() {
  PlaySlot(pro_, kSpecialSlot, 0);
  pro_.svc.pump->Pump();
  WaitEnd(kSpecialSlot);
}

void GroupRun::Steps(std::span<const GroupStep> steps) {
  for (const GroupStep& step : steps) {
    switch (step.kind) {
      case GroupStep::Kind::Part:
        Part(step.slot, step.caption);
        break;
      case GroupStep::Kind::FadingPart:
        FadingPart(step.slot, step.caption);
        break;
      case GroupStep::Kind::Pause:
        Wait(step.seconds);
        break;
      case GroupStep::Kind::Digits:
        for (int place = 0; place < step.places; ++place)
          if (DigitSpoken(pro_.engine.*step.mask, static_cast<std::size_t>(place))) Part(step.slot + place);
        break;
      case GroupStep::Kind::Caption:
        Caption(step.caption);
        break;
    }
  }
}

void GroupRun::Play(int slot) { PlaySlot(pro_, slot, pro_.flight.CurrentVolume); }

void GroupRun::PlayAt(int slot, int volume) { PlaySlot(pro_, slot, volume); }

void GroupRun::PlayLooping(int slot) { PlaySlotLooping(pro_, slot, pro_.flight.CurrentVolume); }

void GroupRun::Stop(int slot) { StopSlot(pro_, slot); }

void GroupRun::WaitEnd(int slot) { Require(WaitSoundEnd(pro_, SlotBuffer(pro_, slot))); }

void GroupRun::WaitFading(int slot) {
  Require(WaitSoundWithFade(pro_, SlotBuffer(pro_, slot), pro_.flight.CurrentVolume));
}

void GroupRun::Wait(float seconds) { Require(EngineWaitSeconds(pro_, seconds)); }

void GroupRun::Pause(float seconds) {
  simlink::WaitHooks hooks = EngineWaitHooks(pro_);
  hooks.aborted = nullptr;
  Require(simlink::WaitSeconds(hooks, seconds));
}

void GroupRun::WaitForFile(std::string_view literal, float everySeconds, PollCut cut) {
  Require(PollUntilFileExists(pro_, literal, everySeconds, cut));
}

void GroupRun::WaitForFileGone(std::string_view literal, float everySeconds, PollCut cut) {
  Require(PollUntilFileGone(pro_, literal, everySeconds, cut));
}

void GroupRun::HandOver(std::string_view literal, void (*write)(state::ProContext&)) {
  Check();
  // Noted first: a write that fails once the file is there is removed all the same.
  pro_.engine.groupHandOvers.emplace_back(literal);
  write(pro_);
}

void GroupRun::Caption(std::string_view text) { WriteCaption(pro_, text); }

void GroupRun::Check() const {
  if (state::FlightGone(pro_.engine)) throw FlightEnded{};
}

void GroupRun::Require(bool waitResult) const {
  if (!waitResult || state::FlightGone(pro_.engine)) throw FlightEnded{};
}

void GroupRun::Close() {
  Check();
  CloseGroup(pro_);
  Check();
}

void CloseGroup(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  e.groupOpen = false;
  WriteCaption(pro, "");
  StopAllAnnouncementSounds(pro);
  if (pro.flight.BgmLowered) RestoreBgmAfterAnnouncement(pro);
}

bool RunGroup(state::ProContext& pro, GroupId id) {
  const GroupSpec& spec = GroupSpecOf(pro, id);
  if (!spec.runner) return false;
  state::EngineState& e = pro.engine;
  e.groupOpen = false;
  e.groupHandOvers.clear();
  const ui::ScopeGuard ended([&e] { e.groupHandOvers.clear(); });
  try {
    spec.runner(pro);
  } catch (const FlightEnded&) {
    e.groupOpen = false;
  } catch (const platform::ProgramEnding&) {
    throw;
  } catch (...) {
    const std::exception_ptr error = std::current_exception();
    if (!state::FlightGone(e)) {
      CleanUpAfterError([&] { RemoveHandOvers(pro); });
      if (e.groupOpen && !state::FlightGone(e)) CleanUpAfterError([&] { CloseGroup(pro); });
    }
    e.groupOpen = false;
    std::rethrow_exception(error);
  }
  return true;
}

}  // namespace vx::announce
