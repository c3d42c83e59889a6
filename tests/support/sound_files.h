#pragma once
// Sound files made by the tests themselves: sine-tone WAV images and small MIDI songs.
#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

struct ToneSpec {
  int sampleRate = 22050;
  int channels = 1;
  int bitsPerSample = 16;
  double seconds = 1.0;
  double frequency = 1000.0;
  double amplitude = 0.5;  // of full scale
};

// A PCM WAV image of a sine tone (every channel the same).
std::vector<std::uint8_t> MakeToneWav(const ToneSpec& spec);
// The same as a string of bytes, for writing with TempDir::WriteBytes.
std::string AsBytes(const std::vector<std::uint8_t>& v);

struct MidiNote {
  int key = 60;
  int velocity = 100;
  std::uint32_t lengthTicks = 480;
};

// A format-0 MIDI file: program `program` on channel 0, the notes one after another,
// at `microsPerQuarter` (tempo) and `division` ticks per quarter note.
std::vector<std::uint8_t> MakeMidi(const std::vector<MidiNote>& notes, int program = 0,
                                   std::uint32_t microsPerQuarter = 500000, std::uint16_t division = 480);

}  // namespace vx::test
