#include <gtest/gtest.h>

#include "simlink/addon_messages.h"
#include "simlink/wave_buffer.h"
#include "support/sound_files.h"
#include "support/sound_program.h"
#include "support/temp_dir.h"

namespace vx::simlink {
namespace {

using announce::FlightBox;
using namespace std::chrono_literals;

TEST(LoadWaveBuffer, LoadsTheFileUnderItsWrittenNameAndFailsQuietlyWhenItIsMissing) {
  test::SoundProgram p;
  test::TempDir dir;
  dir.WriteBytes("Wav/Etc/wip_s.wav", test::AsBytes(test::MakeToneWav({.seconds = 1.5})));
  const std::string written = dir.Str() + "\\WAV\\etc\\WIP_S.wav";
  const auto b = LoadWaveBuffer(p.sound, p.boxes, written, 1);
  ASSERT_NE(b, 0);
  EXPECT_EQ(p.sound.Find(b)->label, written);
  EXPECT_EQ(p.sound.Find(b)->flags, 1);
  EXPECT_DOUBLE_EQ(p.sound.Find(b)->durationSeconds, 1.5);

  EXPECT_EQ(LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "\\Wav\\Etc\\none.wav", 1), 0);
  EXPECT_TRUE(p.boxes.shown.empty());
}

TEST(LoadWaveBuffer, AnEmptyFileShowsTheErrorTextAndANonWavIsRefusedSilently) {
  test::SoundProgram p;
  test::TempDir dir;
  dir.WriteBytes("empty.wav", "");
  dir.WriteBytes("text.wav", "not a wave file");
  p.boxes.Expect("VexlorPro", ui::Answer::Ok, "インデックスが有効範囲にありません。");
  EXPECT_EQ(LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "/empty.wav", 1), 0);
  ASSERT_EQ(p.boxes.shown.size(), 1u);
  EXPECT_EQ(p.boxes.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "/text.wav", 1), 0);
  EXPECT_EQ(p.boxes.shown.size(), 1u);
  EXPECT_EQ(p.sound.LiveBuffers(), 0);
}

TEST(LvldResultMessage, ThreeCodesHaveAMessageAndOthersNone) {
  test::SoundProgram p;
  const std::pair<int, const char*> withText[] = {
      {-2, "Level-D SDK バージョンエラー"}, {-1, "Level-D SDK リクエストエラー"}, {0, "FSが起動していません"}};
  for (const auto& [code, text] : withText) {
    p.boxes.Expect("VexlorPro", ui::Answer::Ok);
    LvldResultMessage(p.boxes, code);
    ASSERT_FALSE(p.boxes.shown.empty());
    EXPECT_EQ(p.boxes.shown.back().text, text);
    EXPECT_EQ(p.boxes.shown.back().buttons, ui::Buttons::Ok);
  }
  for (int code : {1, 2, -3, 202}) LvldResultMessage(p.boxes, code);
  EXPECT_EQ(p.boxes.shown.size(), 3u);
}

}  // namespace
}  // namespace vx::simlink
