// The played timeline: what the sound device did, line by line, on virtual time.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/recording_sound_device.h"
#include "platform/timeline_log.h"
#include "platform/timeline_sound_device.h"
#include "platform/virtual_time.h"
#include "support/sound_files.h"
#include "support/temp_dir.h"

namespace vx::platform {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> Lines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TimelineTest : public testing::Test {
 protected:
  void SetUp() override {
    log = TimelineLog::Open(file, clock);
    ASSERT_NE(log, nullptr);
    timeline.emplace(device, *log);
    ASSERT_TRUE(timeline->Init());
  }
  std::int32_t Load(double seconds, std::string_view label) {
    const auto image = test::MakeToneWav({.sampleRate = 22050, .seconds = seconds});
    return timeline->CreateBuffer(image, 1, label);
  }
  // The lines written so far, without their time of day (the virtual wall clock's).
  std::vector<std::string> Written() {
    std::vector<std::string> out;
    for (std::string line : Lines(file)) {
      const auto at = line.find(",\"clock\":\"");
      if (at != std::string::npos) line.erase(at, std::string(",\"clock\":\"12:00:00.000\"").size());
      out.push_back(line);
    }
    return out;
  }

  test::TempDir dir;
  std::filesystem::path file = dir.Path() / "timeline.jsonl";
  VirtualClock clock{{2024, 5, 1, 12, 0, 0, 0}};
  RecordingSoundDevice device{clock};
  std::unique_ptr<TimelineLog> log;
  std::optional<TimelineSoundDevice> timeline;
};

TEST_F(TimelineTest, PlaysAreLoggedWithTheirFileAndHowTheyFinished) {
  const auto chime = Load(1.0, "/base\\Wav\\Lob\\Type_1.wav");
  const auto murmur = Load(0.5, "/base\\Wav\\Lob\\zawazawa_m.wav");
  timeline->PlayLooping(murmur, -300, 0);
  clock.Advance(250ms);
  timeline->Play(chime, 0, 0);
  clock.Advance(500ms);
  EXPECT_TRUE(timeline->IsPlaying(chime));
  clock.Advance(500ms);
  EXPECT_FALSE(timeline->IsPlaying(chime));
  EXPECT_FALSE(timeline->IsPlaying(chime));  // seen once only
  timeline->Stop(murmur);
  timeline->Stop(murmur);  // no longer playing: nothing more
  timeline->Free(chime);
  timeline->Free(murmur);

  EXPECT_EQ(Written(), (std::vector<std::string>{
                           R"({"t":0.000,"kind":"load","buffer":1,"file":"/base\\Wav\\Lob\\Type_1.wav"})",
                           R"({"t":0.000,"kind":"load","buffer":2,"file":"/base\\Wav\\Lob\\zawazawa_m.wav"})",
                           R"({"t":0.000,"kind":"loop","buffer":2,"file":"/base\\Wav\\Lob\\zawazawa_m.wav","volume":-300,"pan":0})",
                           R"({"t":0.250,"kind":"play","buffer":1,"file":"/base\\Wav\\Lob\\Type_1.wav","volume":0,"pan":0})",
                           R"({"t":1.250,"kind":"end","buffer":1,"file":"/base\\Wav\\Lob\\Type_1.wav"})",
                           R"({"t":1.250,"kind":"stop","buffer":2,"file":"/base\\Wav\\Lob\\zawazawa_m.wav"})",
                       }));
  // Every call reached the real device.
  EXPECT_EQ(device.LiveBuffers(), 0);
  EXPECT_EQ(device.Find(murmur)->plays, 1);
}

TEST_F(TimelineTest, ARestartAFreeAndTheEndOfTheSoundSystemFinishThePlayThatRuns) {
  const auto a = Load(2.0, "a.wav");
  const auto b = Load(0.5, "b.wav");
  timeline->Play(b, 0, 0);
  timeline->Play(a, 0, -10000);
  clock.Advance(1s);
  timeline->Play(a, 0, 10000);  // plays again from its start
  timeline->Play(b, -900, 0);   // had ended unseen
  clock.Advance(400ms);
  timeline->Free(a);
  timeline->Quit();
  EXPECT_EQ(Written(), (std::vector<std::string>{
                           R"({"t":0.000,"kind":"load","buffer":1,"file":"a.wav"})",
                           R"({"t":0.000,"kind":"load","buffer":2,"file":"b.wav"})",
                           R"({"t":0.000,"kind":"play","buffer":2,"file":"b.wav","volume":0,"pan":0})",
                           R"({"t":0.000,"kind":"play","buffer":1,"file":"a.wav","volume":0,"pan":-10000})",
                           R"({"t":1.000,"kind":"stop","buffer":1,"file":"a.wav"})",
                           R"({"t":1.000,"kind":"play","buffer":1,"file":"a.wav","volume":0,"pan":10000})",
                           R"({"t":1.000,"kind":"end","buffer":2,"file":"b.wav"})",
                           R"({"t":1.000,"kind":"play","buffer":2,"file":"b.wav","volume":-900,"pan":0})",
                           R"({"t":1.400,"kind":"stop","buffer":1,"file":"a.wav"})",
                           R"({"t":1.400,"kind":"stop","buffer":2,"file":"b.wav"})",
                       }));
}

TEST_F(TimelineTest, ABufferThatCannotBeMadeIsLoggedAndNeverPlays) {
  device.failCreate = [](std::string_view label) { return label == "bad.wav"; };
  const auto bad = Load(1.0, "bad.wav");
  EXPECT_EQ(bad, 0);
  timeline->Play(bad, 0, 0);
  timeline->Stop(bad);
  EXPECT_EQ(Written(), (std::vector<std::string>{R"({"t":0.000,"kind":"load","buffer":0,"file":"bad.wav"})"}));
}

TEST_F(TimelineTest, TextsAreJsonStringsAndTheTimeOfDayIsGiven) {
  clock.Advance(1500ms);
  log->Add("caption", {{"text", "Ｇ０：チャイム \"1\"\tC:\\x\n"}, {"n", -3LL}});
  const auto lines = Lines(file);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0],
            R"({"t":1.500,"clock":"12:00:01.500","kind":"caption","text":"Ｇ０：チャイム \"1\"\tC:\\x\n","n":-3})");
}

TEST(TimelineLogTest, AFileThatCannotBeWrittenGivesNoLog) {
  VirtualClock clock;
  EXPECT_EQ(TimelineLog::Open("/nonexistent-folder/timeline.jsonl", clock), nullptr);
}

}  // namespace
}  // namespace vx::platform
