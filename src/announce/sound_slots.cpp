#include "announce/sound_slots.h"

#include <algorithm>

#include <array>
#include <string>

#include "announce/background_music.h"
#include "datafiles/volume_table.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "simlink/wave_buffer.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr std::string_view kSwitchClick = "\\Wav\\Etc\\スイッチ音\\-ss1.wav";

// The fixed effects of slots 0 to 6.
constexpr std::array<std::string_view, 7> kEffects = {
    kSwitchClick,
    "\\Wav\\Etc\\ワイパー音\\wip_s.wav",
    "\\Wav\\Etc\\ワイパー音\\wip_m.wav",
    "\\Wav\\Etc\\ワイパー音\\wip_e.wav",
    "\\Wav\\Etc\\エアコン\\aircon.wav",
    "\\Wav\\Etc\\エアコン\\aircon.wav",
    "\\Wav\\himitu\\nw057\\G0搭乗案内.wav",
};

bool IsSlot(int slot) { return slot >= 0 && slot <= kLastSlot; }

std::size_t At(int slot) { return static_cast<std::size_t>(slot); }

}  // namespace

void PresetSoundSlotFiles(state::ProContext& pro) {
  for (auto& file : pro.engine.SoundSlotFile) file = pro.svc.paths->BaseText() + std::string(kSwitchClick);
}

void LoadSoundEffects(state::ProContext& pro) {
  state::EngineState& e = pro.engine;
  e.FirstLoadedSlot = 0;
  e.LastLoadedSlot = 6;
  for (int slot = 0; slot <= 6; ++slot) SetSlotFile(pro, slot, kEffects[At(slot)]);
  for (int slot = 0; slot <= 6; ++slot) LoadSlot(pro, slot);
  pro.svc.pump->Pump();
}

void SetSlotFile(state::ProContext& pro, int slot, std::string_view literal) {
  if (!IsSlot(slot)) return;
  if (literal.empty()) return SetSlotSilent(pro, slot);
  pro.engine.SoundSlotFile[At(slot)] = pro.svc.paths->BaseText() + std::string(literal);
}

void SetSlotSilent(state::ProContext& pro, int slot) {
  if (IsSlot(slot)) pro.engine.SoundSlotFile[At(slot)].clear();
}

void LoadSlot(state::ProContext& pro, int slot) {
  if (!IsSlot(slot)) return;
  state::EngineState& e = pro.engine;
  FreeSlot(pro, slot);
  const std::string& file = e.SoundSlotFile[At(slot)];
  if (file.empty()) return;
  pro.svc.sound->SetGlobalFocus(true);
  e.SoundSlotBuffer[At(slot)] = simlink::LoadWaveBuffer(*pro.svc.sound, *pro.boxes, file, kWaveLoadFlags);
}

void LoadSlotRange(state::ProContext& pro, int first, int last) {
  state::EngineState& e = pro.engine;
  e.FirstLoadedSlot = static_cast<std::int16_t>(first);
  e.LastLoadedSlot = static_cast<std::int16_t>(last);
  for (int slot = first; slot <= last; ++slot) LoadSlot(pro, slot);
  pro.svc.pump->Pump();
}

void LoadSpecialRecording(state::ProContext& pro, std::string_view literal) {
  if (!pro.engine.SpecialVoiceOn) return;
  StopSlot(pro, kSpecialSlot);
  FreeSlot(pro, kSpecialSlot);
  SetSlotFile(pro, kSpecialSlot, literal);
  LoadSlot(pro, kSpecialSlot);
}

std::int32_t SlotBuffer(const state::ProContext& pro, int slot) {
  return IsSlot(slot) ? pro.engine.SoundSlotBuffer[At(slot)] : 0;
}

void PlaySlot(state::ProContext& pro, int slot, int volume, int pan) {
  pro.svc.sound->Play(SlotBuffer(pro, slot), volume, pan);
}

void PlaySlotLooping(state::ProContext& pro, int slot, int volume, int pan) {
  pro.svc.sound->PlayLooping(SlotBuffer(pro, slot), volume, pan);
}

bool SlotPlaying(state::ProContext& pro, int slot) { return pro.svc.sound->IsPlaying(SlotBuffer(pro, slot)); }

void StopSlot(state::ProContext& pro, int slot) { pro.svc.sound->Stop(SlotBuffer(pro, slot)); }

void FreeSlot(state::ProContext& pro, int slot) {
  if (!IsSlot(slot)) return;
  std::int32_t& buffer = pro.engine.SoundSlotBuffer[At(slot)];
  if (buffer == 0) return;
  pro.svc.sound->Free(buffer);
  buffer = 0;
}

void StopAllAnnouncementSounds(state::ProContext& pro) {
  const state::EngineState& e = pro.engine;
  // The fixed effects below the groups' slots stay for the whole flight.
  const int first = std::max<int>(e.FirstLoadedSlot, kFirstGroupSlot);
  const int last = e.LastLoadedSlot;
  const bool special = e.SpecialVoiceOn;
  for (int slot = first; slot <= last; ++slot) StopSlot(pro, slot);
  if (special) StopSlot(pro, kSpecialSlot);
  pro.svc.pump->Pump();
  for (int slot = first; slot <= last; ++slot) FreeSlot(pro, slot);
  if (special) FreeSlot(pro, kSpecialSlot);
  pro.svc.pump->Pump();
}

void FreeAllSoundSlots(state::ProContext& pro) {
  for (int slot = 0; slot <= kLastSlot; ++slot) StopSlot(pro, slot);
  pro.svc.pump->Pump();
  for (int slot = 0; slot <= kLastSlot; ++slot) FreeSlot(pro, slot);
  pro.svc.pump->Pump();
}

void UseVolumeIndex(state::ProContext& pro, int index) {
  state::EngineState& e = pro.engine;
  if (index < 0 || index >= state::kVolumeIndexCount) index = 0;  // as TableVolume reads it
  pro.flight.CurrentVolumeIndex = static_cast<std::int16_t>(index);
  pro.flight.CurrentVolume = state::QuietSoundOn(e) ? static_cast<std::int16_t>(kQuietAttenuation) : datafiles::TableVolume(e, index);
}

}  // namespace vx::announce
