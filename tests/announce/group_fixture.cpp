#include "announce/group_fixture.h"

#include "announce/background_music.h"
#include "announce/sound_slots.h"
#include "datafiles/volume_table.h"
#include "simlink/channels.h"

namespace vx::announce::test {

double ExpectedRun::Seconds(std::string_view literal) const {
  for (const Recording& r : recordings_)
    if (literal == r.literal) return r.seconds;
  ADD_FAILURE() << "no recording " << literal;
  return 0;
}

ExpectedRun& ExpectedRun::Part(std::string_view literal, std::string_view caption) {
  const double end = now_ + Seconds(literal) * 1000;
  played.push_back({std::string(literal), now_, end, volume_, 0, false});
  if (!caption.empty()) captions.push_back({now_, std::string(caption)});
  now_ = end;
  return *this;
}

ExpectedRun& ExpectedRun::Parts(std::initializer_list<std::string_view> literals) {
  for (std::string_view literal : literals) Part(literal);
  return *this;
}

ExpectedRun& ExpectedRun::Pause(double seconds) {
  now_ += seconds * 1000;
  return *this;
}

ExpectedRun& ExpectedRun::Note(std::string_view what) {
  captions.push_back({now_, std::string(what)});
  return *this;
}

ExpectedRun& ExpectedRun::Then(const ExpectedRun& other) {
  const double shift = now_ - other.played.front().startMs;
  for (Played p : other.played) {
    p.startMs += shift;
    p.endMs += shift;
    played.push_back(p);
  }
  for (Mark m : other.captions) {
    m.atMs += shift;
    captions.push_back(m);
  }
  now_ = other.now_ + shift;
  return *this;
}

std::vector<Mark> ExpectedRun::Captions(std::string_view groupCaption, double endMs) const {
  std::vector<Mark> out = {{0, std::string(groupCaption)}};
  out.insert(out.end(), captions.begin(), captions.end());
  out.push_back({endMs, ""});
  return out;
}

GroupTest::GroupTest(std::span<const Recording> recordings) : recordings_(recordings) {
  for (const Recording& r : recordings) p.Wav(r.literal, r.seconds);
  p.StartFlight();
}

void KnownTakeoffBriefing(EngineProgram& p) {
  auto& t = p.pro.briefing.TobBriefing;
  t.TakeoffRunwayDigit1 = "3";
  t.TakeoffRunwayDigit2 = "4";
  t.TakeoffRunwaySide = "ライト(R)";
  t.TakeoffRunway = "34R";
  t.WindDirectionText = "340";
  t.WindSpeedText = "7";
  t.WindWordText = "やや右よりの風";
  t.TemperatureText = "18";
  t.DewPointText = "11";
  t.QnhInHgText = "2992";
  t.TakeoffFlap = 5;
  t.TakeoffThrust = "Take1";
  t.ClimbThrust = "Climb1";
  t.ClimbMode = "LNAV/VNAV";
  t.TakeoffV1 = 140;
  t.TakeoffVr = 145;
  t.TakeoffV2 = 150;
  t.CruiseAltitude = 35000;
  t.EngineOutAccelerationHeight = 1500;
  t.AccelerationHeight = 3000;
  t.ReductionHeight = 1500;
  t.TroubleReturnAltitude = 3000;
  t.ReturnPattern = "ワイドパターン";
  t.ReturnApproach = "レーダーベクター";
  p.pro.sim.FuelTotals.FuelTotalLbs = 42000;
  p.pro.sim.ZeroFuelWeightLbs = 260000;
}

void OnTheGroundAt(EngineProgram& p, int localHour, int localMinute, int gmtAheadOfLocalMinutes) {
  const int gmt = ((localHour * 60 + localMinute + gmtAheadOfLocalMinutes) % 1440 + 1440) % 1440;
  state::FlightDataRecord r;
  r.localHour = localHour;
  r.localMinute = localMinute;
  r.gmtHour = gmt / 60;
  r.gmtMinute = gmt % 60;
  r.gmtAheadOfLocalMinutes = gmtAheadOfLocalMinutes;
  simlink::WriteDataChannel(r, p.pro.sim.ChannelHandles.data);
  p.pro.sim.HeightAboveGround = 0;
}

void GroupTest::MusicRunning() {
  auto& e = p.pro.engine;
  e.BgmEngine = 1;
  e.BgmPlaylist.count = 1;
  e.BgmPlaylist.paths[0] = "/music/a.mid";
  p.music.lengthMs["/music/a.mid"] = 600000;
  StartBgmByMode(p.pro);
}

void GroupTest::VolumeSetting(int index, int setting) {
  p.pro.briefing.VolumeSettings[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(setting);
  datafiles::BuildVolumeTable(p.pro.engine, p.pro.briefing.VolumeSettings);
}

void GroupTest::ExpectGroupDone(int firstSlot, int lastSlot) const {
  const state::EngineState& e = p.pro.engine;
  EXPECT_FALSE(e.DispatcherBusy);
  EXPECT_FALSE(e.AnnounceAbort);
  EXPECT_FALSE(e.groupOpen);
  EXPECT_FALSE(p.pro.flight.BgmLowered);
  for (int slot = firstSlot; slot <= lastSlot; ++slot) EXPECT_EQ(SlotBuffer(p.pro, slot), 0) << slot;
  EXPECT_TRUE(p.boxes.shown.empty());
}

void ExpectMarks(const std::vector<Mark>& actual, const std::vector<Mark>& expected, double toleranceMs) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].what, expected[i].what) << i;
    EXPECT_NEAR(actual[i].atMs, expected[i].atMs, toleranceMs) << i << " " << expected[i].what;
  }
}

}  // namespace vx::announce::test
