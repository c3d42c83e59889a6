// A group that an error ends after it has written a hand-over file for the call-out
// program takes the file away again: the call-out program must not act on the file of a
// group that did not finish, and must see it appear anew when the group runs again.
#include <gtest/gtest.h>

#include <filesystem>
#include <chrono>
#include <functional>
#include <set>
#include <string>

#include "announce/group_fixture.h"
#include "runtime/runtime_error.h"

namespace vx::announce {
namespace {

using test::Mark;

// No recordings: every part is silent and takes no time.
constexpr test::Recording kNone[1] = {{"\\Wav\\none.wav", 0.1}};

struct Case {
  const char* name;
  std::int16_t request;  // on the ground
  const char* file;      // the hand-over file the error follows
  std::function<void(test::EngineProgram&)> setUp;
};

void Boarding(test::EngineProgram& p) {
  auto& tob = p.pro.briefing.TobBriefing;
  tob.FlightNumber = "1205";
  tob.DepartureGate = 12;
  tob.FlipBoardOn = 0;
  p.pro.briefing.SelectedAirlineIndex = "3";
  p.pro.flight.GroundStep = 0;
}

void TakeoffBriefing(test::EngineProgram& p) {
  KnownTakeoffBriefing(p);
  p.pro.flight.GroundStep = 1;
}

void Pushback(test::EngineProgram& p) {
  auto& tob = p.pro.briefing.TobBriefing;
  tob.FlightNumber = "1205";
  tob.TakeoffRunway = "16R";
  tob.AircraftTypeCode = 2;
  tob.DepartureAesFlag = 0;
  p.pro.briefing.SelectedAirlineIndex = "3";
  p.pro.briefing.CabinAttendantChoice = 1;
  p.pro.briefing.PushbackSettings = {};
  p.pro.briefing.PushbackSettings.pushbackOn = 1;
  p.pro.flight.GroundStep = 2;
}

void ArrivalFinal(test::EngineProgram& p) {
  std::filesystem::create_directories(p.dir.Path() / "FlightReport");
  auto& tob = p.pro.briefing.TobBriefing;
  tob.FlightNumber = "1234";
  tob.FlipBoardOn = 0;
  p.pro.briefing.CabinAttendantChoice = 1;
  p.pro.briefing.SelectedAirlineIndex = "0";
  p.pro.main.ArrivalGate = 105;
  p.pro.main.SpeedCallOption = "ON";
  p.pro.flight.GroundStep = 6;
}

class GroupHandOverCleanUpTest : public test::GroupTest {
 protected:
  GroupHandOverCleanUpTest() : GroupTest(kNone) {
    p.pro.main.ViewSwitchOption = "ON";
    auto& files = p.pro.files;
    files.RouteAirports[0].slot = "1";
    files.RouteAirports[1].slot = "5";
    files.AirportTable[1].空港名パタパタ = "東京";
    files.AirportTable[5].空港名パタパタ = "福岡";
    OnTheGroundAt(p, 9, 40, -540);
    MusicRunning();
    p.Watch({std::begin(kFiles), std::end(kFiles)});
    p.SetOrigin();
  }

  // The call-out program takes every hand-over file but `kept` a second after it
  // appears; the first pump after the one that saw `kept` raises an error, as a fault in
  // the group after its write would.
  void ErrorAfter(const std::string& kept) {
    for (const char* file : kFiles) p.paths.DeleteIfExists(file);
    taken_.clear();
    p.alsoOnPump = [this, kept] {
      for (const char* other : kFiles) {
        if (other == kept || !p.Exists(other) || taken_.count(other)) continue;
        taken_.insert(other);
        const std::string name = other;
        p.pump.After(std::chrono::seconds(1), [this, name] { p.paths.DeleteIfExists(name); });
      }
      if (raised_ || !p.Exists(kept)) return;
      if (!seen_) {
        seen_ = true;
        return;
      }
      raised_ = true;
      throw runtime::RuntimeError(runtime::kTypeMismatch);
    };
  }

  static constexpr const char* kFiles[] = {"\\EyeCheck.cfg", "\\EyeCargo.cfg", "\\EyeDoor.cfg", "\\vexlorPB.cfg"};
  std::set<std::string> taken_;
  bool seen_ = false;
  bool raised_ = false;
};

TEST_F(GroupHandOverCleanUpTest, AnErrorAfterTheWriteTakesTheGroupsHandOverFileAway) {
  const Case cases[] = {
      {"boarding", 10, "\\EyeCheck.cfg", Boarding},
      {"take-off briefing, cargo door", 11, "\\EyeCargo.cfg", TakeoffBriefing},
      {"take-off briefing, boarding door", 11, "\\EyeDoor.cfg", TakeoffBriefing},
      {"pushback", 12, "\\vexlorPB.cfg", Pushback},
      {"arrival guidance, cargo door", 16, "\\EyeCargo.cfg", ArrivalFinal},
      {"arrival guidance, boarding door", 16, "\\EyeDoor.cfg", ArrivalFinal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    seen_ = raised_ = false;
    c.setUp(p);
    ErrorAfter(c.file);
    p.boxes.Expect("VexlorPro", ui::Answer::Ok, "型が一致しません。");
    const std::size_t marksBefore = p.Marks().size();
    p.Serve(c.request);

    EXPECT_TRUE(raised_) << "the error came after the file was written";
    EXPECT_EQ(p.boxes.PendingExpectations(), 0u);
    EXPECT_FALSE(p.Exists(c.file));
    bool appeared = false, gone = false;
    const auto marks = p.Marks();
    for (std::size_t i = marksBefore; i < marks.size(); ++i) {
      appeared |= marks[i].what == std::string("+") + c.file;
      gone |= appeared && marks[i].what == std::string("-") + c.file;
    }
    EXPECT_TRUE(appeared && gone);
    EXPECT_FALSE(p.pro.engine.groupOpen);
    EXPECT_FALSE(p.pro.engine.DispatcherBusy);
    p.alsoOnPump = nullptr;
  }
}

}  // namespace
}  // namespace vx::announce
