#pragma once
// The 51 sound slots of the main program: a WAV path and a buffer per slot. Slots 0 to 6
// hold the fixed effects of the flight, 7 to 50 the parts of the running group. A freed
// slot's buffer is 0, so stopping or freeing it again does nothing.
#include <cstdint>
#include <string_view>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

inline constexpr int kSwitchClickSlot = 0;
inline constexpr int kAtcSlot = 5;      // radio chatter
inline constexpr int kSpecialSlot = 6;  // the hidden announcement set's recording
inline constexpr int kFirstGroupSlot = 7;
inline constexpr int kLastSlot = 50;
inline constexpr std::int32_t kWaveLoadFlags = 1;

// The start-up window presets every slot's file to the switch click.
void PresetSoundSlotFiles(state::ProContext& pro);

// Slots 0 to 6 with the switch click, the wiper and air-conditioner sounds (the
// air-conditioner also in slot 5 until the first radio recording) and the special
// recording; FirstLoadedSlot 0, LastLoadedSlot 6.
void LoadSoundEffects(state::ProContext& pro);

// The slot's file := BaseFolder & literal ("\Wav\CA1\G3.wav"); no literal (a recording
// of a table entry that is not there) leaves the slot silent.
void SetSlotFile(state::ProContext& pro, int slot, std::string_view literal);
// The slot names no file: it loads as buffer 0 and plays nothing.
void SetSlotSilent(state::ProContext& pro, int slot);
// Loads the slot's file into a new buffer (global focus on, LoadWaveBuffer with flags 1),
// freeing the buffer it held first. A missing file gives buffer 0, which plays nothing.
void LoadSlot(state::ProContext& pro, int slot);
// A loader's last step: FirstLoadedSlot := first, LastLoadedSlot := last, every slot of
// the range loaded in order, then one pump.
void LoadSlotRange(state::ProContext& pro, int first, int last);
// A loader's first step: while SpecialVoiceOn is set, slot 6 is stopped, freed and loaded
// with the group's special recording.
void LoadSpecialRecording(state::ProContext& pro, std::string_view literal);

std::int32_t SlotBuffer(const state::ProContext& pro, int slot);
void PlaySlot(state::ProContext& pro, int slot, int volume, int pan = 0);
void PlaySlotLooping(state::ProContext& pro, int slot, int volume, int pan = 0);
bool SlotPlaying(state::ProContext& pro, int slot);
void StopSlot(state::ProContext& pro, int slot);
// Frees the slot's buffer and zeroes its handle.
void FreeSlot(state::ProContext& pro, int slot);

// Stops the slots FirstLoadedSlot to LastLoadedSlot (and slot 6 while SpecialVoiceOn is
// 1), pumps, frees the same, pumps.
void StopAllAnnouncementSounds(state::ProContext& pro);
// Stops and frees every slot that holds a buffer (the end of the flight).
void FreeAllSoundSlots(state::ProContext& pro);

// CurrentVolumeIndex := index; CurrentVolume := -3000 under quiet sound, else the volume
// table's entry.
void UseVolumeIndex(state::ProContext& pro, int index);

}  // namespace vx::announce
