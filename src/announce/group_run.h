#pragma once
// The common run of an announcement group, written once. A group's procedure is:
//
//   void AnnounceSomething(mainwindow::ProContext& pro) {
//     GroupRun g(pro, GroupId::A3);
//     g.Open(PrepareSomething);   // radio stop and channel, caption, volume, loader, music down
//     g.Part(7);                  // skipped once the announcement is cut
//     g.Part(8, "Ａ３：二");       // with a part caption
//     g.Close();                  // caption emptied, slots freed, music restored
//   }
//
// and its row in the group table (group_table.cpp) names it. When the flight ends while a
// part plays (its window closed, or a later flight began), every call of GroupRun throws
// FlightEnded: the group stops at once, writes nothing more and skips its clean-up (the
// flight's end has freed everything). The dispatcher catches it. When an error ends the
// group instead, the dispatcher still runs the clean-up (CloseGroup) and shows the error;
// the hand-over files the group wrote through HandOver are removed first, so that the
// other programs never act on a file of a group that did not finish (and see it appear
// anew when the group runs again).
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "announce/group_table.h"
#include "announce/handover_polls.h"

namespace vx::state {
struct EngineState;
struct ProContext;
}

namespace vx::announce {

// Thrown out of a group when the flight it serves is over.
struct FlightEnded {};

// One step of a group, or of a stretch of a group, that is a plain sequence of parts:
//
//   constexpr GroupStep kDetails[] = {PartStep(14, "Ｇ０：航空会社名"), PartStep(20),
//                                     DigitSteps(16, 4, &state::EngineState::FlightDigitMask),
//                                     PauseStep(2)};
//   g.Steps(kDetails);
struct GroupStep {
  enum class Kind : std::uint8_t { Part, FadingPart, Pause, Digits, Caption };
  Kind kind = Kind::Part;
  int slot = 0;               // the part's slot; Digits: the first digit's slot
  std::string_view caption;   // Part, FadingPart: written as the part starts; Caption: the caption
  float seconds = 0;          // Pause
  int places = 0;             // Digits: the slots from `slot` on, one per digit place
  std::string state::EngineState::*mask = nullptr;  // Digits: "1" for each place spoken
};

constexpr GroupStep PartStep(int slot, std::string_view caption = {}) {
  return {GroupStep::Kind::Part, slot, caption};
}
constexpr GroupStep FadingStep(int slot, std::string_view caption = {}) {
  return {GroupStep::Kind::FadingPart, slot, caption};
}
constexpr GroupStep CaptionStep(std::string_view text) { return {GroupStep::Kind::Caption, 0, text}; }
constexpr GroupStep PauseStep(float seconds) { return {GroupStep::Kind::Pause, 0, {}, seconds}; }
constexpr GroupStep DigitSteps(int firstSlot, int places, std::string state::EngineState::*mask) {
  return {GroupStep::Kind::Digits, firstSlot, {}, 0, places, mask};
}

// A group's loader: fills its slot files and loads them (sound_slots.h).
using GroupLoader = std::function<void(state::ProContext&)>;

class GroupRun {
 public:
  GroupRun(state::ProContext& pro, GroupId id);
  GroupRun(state::ProContext& pro, const GroupSpec& spec);

  const GroupSpec& Spec() const { return spec_; }

  // Steps 1 to 4: stop the radio chatter (and set the group's channel), write the
  // caption, end when the flight is over, take the group's volume.
  void Begin();
  // Steps 5 and 6: the loader, then the music lowered when the group lowers it.
  void Load(const GroupLoader& loader);
  // Begin and Load.
  void Open(const GroupLoader& loader);

  // True once the announcement has been cut (AnnounceAbort).
  bool Aborted() const;
  // True while the listening position (the cabin strip's tbxCockpit) is "Cockpit".
  bool Cockpit() const;

  // One part: unless cut, plays the slot at CurrentVolume, writes the part's caption
  // when one is given, pumps, and waits for its end.
  void Part(int slot, std::string_view caption = {});
  // The same, waiting with fading: a "next" request fades the part out (WaitSoundWithFade).
  void FadingPart(int slot, std::string_view caption = {});
  // The special recording: slot 6 at full volume, waited for.
  void SpecialPart();
  // The steps in order (each part as Part or FadingPart, each pause as Wait, each spoken
  // digit as Part).
  void Steps(std::span<const GroupStep> steps);

  // Starting and waiting separately (two sounds at once, loops); these do not test the cut.
  void Play(int slot);
  void PlayAt(int slot, int volume);
  void PlayLooping(int slot);
  void Stop(int slot);
  void WaitEnd(int slot);
  void WaitFading(int slot);
  void Wait(float seconds);
  // A timed pause that a cut does not shorten (the card of the take-off briefing goes on
  // through its rows, the pushback hand-over keeps its time).
  void Pause(float seconds);
  // The hand-over file polls (handover_polls.h).
  void WaitForFile(std::string_view literal, float everySeconds, PollCut cut);
  void WaitForFileGone(std::string_view literal, float everySeconds, PollCut cut);
  // Writes the hand-over file `literal` for the other programs with `write` (after Check),
  // noted for the clean-up after an error; a failing write's error reaches the caller.
  // A normal end, a cut and the flight's end leave the file to the other program.
  void HandOver(std::string_view literal, void (*write)(state::ProContext&));
  // Writes the caption box and pumps.
  void Caption(std::string_view text);
  // Throws FlightEnded when the flight is over (before writing a hand-over file).
  void Check() const;
  // Turns a wait's false into FlightEnded.
  void Require(bool waitResult) const;

  // Steps 8 to 10: caption emptied, the group's slots stopped and freed, the music
  // restored when it was lowered.
  void Close();

 private:
  state::ProContext& pro_;
  const GroupSpec& spec_;
};

// The clean-up of the open group (steps 8 to 10), also after an error.
void CloseGroup(state::ProContext& pro);

// Runs the group's procedure from its table row: false when it has none. FlightEnded
// ends it quietly. An error, in a flight that goes on, removes the hand-over files the
// group wrote and runs the clean-up of an open group, and then reaches the caller.
bool RunGroup(state::ProContext& pro, GroupId id);

}  // namespace vx::announce
