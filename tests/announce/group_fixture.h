#pragma once
// The kit of a group's timeline test: the group's recordings with their lengths, one
// MIDI segment playing behind it, and the expected run built part after part, as a group
// plays them (each part starts where the one before ended and lasts as long as its
// recording).
//
//   const test::Recording kRecordings[] = {{"\\Wav\\CA1\\A1_1.wav", 3.0}, ...};
//   class BeltSignOffTest : public test::GroupTest {
//    protected:
//     BeltSignOffTest() : GroupTest(kRecordings) {}
//   };
//   TEST_F(BeltSignOffTest, Plays) {
//     p.Serve(11);
//     auto run = Expect(1000, -600).Part("\\Wav\\CA1\\A1_1.wav", "Ａ１：二").Pause(2);
//     test::ExpectTimeline(p.Timeline(), run.played, 20);
//     ExpectMarks(p.Marks(), run.Captions("Ａ１：ベルトＯＦＦ", run.Now()), 20);
//   }
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "announce/engine_program.h"

namespace vx::announce::test {

struct Recording {
  const char* literal;
  double seconds;
};

class ExpectedRun {
 public:
  ExpectedRun(std::span<const Recording> recordings, double startMs, int volume)
      : recordings_(recordings), now_(startMs), volume_(volume) {}

  // The recording plays now for its length; its caption (if any) is written as it starts.
  ExpectedRun& Part(std::string_view literal, std::string_view caption = {});
  // Several parts without captions.
  ExpectedRun& Parts(std::initializer_list<std::string_view> literals);
  ExpectedRun& Pause(double seconds);
  // Something else that happens now (a card move, a hand-over file) among the captions.
  ExpectedRun& Note(std::string_view what);
  // Everything of `other` from now on (a stretch that repeats).
  ExpectedRun& Then(const ExpectedRun& other);
  double Now() const { return now_; }

  // The group's caption at 0, the parts' captions, and the caption emptied at `endMs`.
  std::vector<Mark> Captions(std::string_view groupCaption, double endMs) const;

  std::vector<Played> played;
  std::vector<Mark> captions;

 private:
  double Seconds(std::string_view literal) const;

  std::span<const Recording> recordings_;
  double now_;
  int volume_;
};

// A take-off briefing filled in as the crew leaves it before C A 1 (runway 34R, flaps 5,
// V1/VR/V2 140/145/150, cruise 35000 ft), with the fuel and zero-fuel weight it reads.
void KnownTakeoffBriefing(EngineProgram& p);
// The aircraft on the ground at `localHour`:`localMinute` local time, GMT that many minutes
// ahead (negative: behind), as the simulator's data channel tells it.
void OnTheGroundAt(EngineProgram& p, int localHour, int localMinute, int gmtAheadOfLocalMinutes);

class GroupTest : public ::testing::Test {
 protected:
  // Writes the recordings and puts the program into a running flight.
  explicit GroupTest(std::span<const Recording> recordings);

  // One MIDI segment playing (the music a group lowers and restores).
  void MusicRunning();
  // The volume setting (1 to 10) of one volume index, into the volume table.
  void VolumeSetting(int index, int setting);
  // The run a group plays from `startMs` at `volume`, on this test's recordings.
  ExpectedRun Expect(double startMs, int volume) const { return ExpectedRun(recordings_, startMs, volume); }
  // The group's end as the common run leaves it: nothing pending or busy, no part left
  // loaded in `firstSlot` to `lastSlot`, the music back, no message box.
  void ExpectGroupDone(int firstSlot, int lastSlot) const;

  EngineProgram p;

 private:
  std::span<const Recording> recordings_;
};

// Compares captions and hand-over file marks: texts exactly, times within `toleranceMs`.
void ExpectMarks(const std::vector<Mark>& actual, const std::vector<Mark>& expected, double toleranceMs = 5);

}  // namespace vx::announce::test
