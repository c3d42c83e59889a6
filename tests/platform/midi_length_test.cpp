#include "platform/midi_length.h"

#include <gtest/gtest.h>

#include "support/sound_files.h"

namespace vx::platform {
namespace {

TEST(MidiDurationSeconds, FollowsTheTempo) {
  // Four quarter notes at 120 bpm: 2 s; at 60 bpm: 4 s.
  const std::vector<test::MidiNote> notes(4, test::MidiNote{60, 100, 480});
  EXPECT_NEAR(*MidiDurationSeconds(test::MakeMidi(notes, 0, 500000, 480)), 2.0, 1e-9);
  EXPECT_NEAR(*MidiDurationSeconds(test::MakeMidi(notes, 0, 1000000, 96 * 5)), 4.0, 1e-9);
}

TEST(MidiDurationSeconds, TakesTempoChangesOfTheFirstTrackForTheLongestTrack) {
  // Format 1: track 0 holds a tempo change at tick 480 (120 -> 60 bpm) and ends there;
  // track 1 plays until tick 1440: 0.5 s + 2 quarters at 1 s = 2.5 s.
  const std::vector<std::uint8_t> file = {
      'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,  // format 1, 2 tracks, 480 per quarter
      'M', 'T', 'r', 'k', 0, 0, 0, 16,                          //
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                 // 500000 µs
      0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,           // at 480: 1000000 µs
      0x00,                                                     // (delta of the end below)
      'M', 'T', 'r', 'k', 0, 0, 0, 12,                          //
      0x00, 0x90, 60, 100,                                      // note on
      0x8B, 0x20, 60, 0,                                        // 1440 later, running status note "on" vel 0
      0x00, 0xFF, 0x2F, 0x00,                                   // end
  };
  // The first track lacks its end-of-track event and its length covers one stray byte;
  // it still counts up to its last full event.
  EXPECT_NEAR(*MidiDurationSeconds(file), 2.5, 1e-9);
}

TEST(MidiDurationSeconds, RefusesOtherFiles) {
  const std::vector<std::uint8_t> wav = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 0, 0};
  EXPECT_FALSE(MidiDurationSeconds(wav));
  const std::vector<std::uint8_t> headerOnly = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0};
  EXPECT_FALSE(MidiDurationSeconds(headerOnly));
}

}  // namespace
}  // namespace vx::platform
