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

// A file that cannot become a buffer is told with the runtime's error text, the file
// and the reason; one that is no WAV at all is refused by the device without a word, and
// one whose data runs past its end plays what is there.
TEST(LoadWaveBuffer, AnEmptyFileOrOneCutBeforeItsSamplesIsToldWithItsNameAndReason) {
  const auto whole = test::AsBytes(test::MakeToneWav({.sampleRate = 8000, .seconds = 0.5}));  // 8044 bytes
  struct Case {
    const char* name;
    std::string bytes;
    const char* errorText;
    const char* reason;
  };
  const Case cases[] = {
      {"empty.wav", "", "インデックスが有効範囲にありません。", "ファイルが空です（0 バイト）。"},
      {"nodata.wav", whole.substr(0, 44), "ファイルにこれ以上データがありません。",
       "ファイルが途中で切れています（8044 バイトのはずが 44 バイトしかありません）。"},
      {"header.wav", whole.substr(0, 30), "ファイルにこれ以上データがありません。",
       "ファイルが途中で切れています（36 バイトのはずが 30 バイトしかありません）。"},
      {"riff.wav", whole.substr(0, 6), "ファイルにこれ以上データがありません。",
       "ファイルが途中で切れています（12 バイトのはずが 6 バイトしかありません）。"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    test::SoundProgram p;
    test::TempDir dir;
    dir.WriteBytes(std::string("Wav/FO/") + k.name, k.bytes);
    p.boxes.Expect("VexlorPro", ui::Answer::Ok);
    EXPECT_EQ(LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "\\Wav\\FO\\" + k.name, 1), 0);
    ASSERT_EQ(p.boxes.shown.size(), 1u);
    EXPECT_EQ(p.boxes.shown[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(p.boxes.shown[0].text, std::string(k.errorText) + "\n\n音声ファイル「 " + dir.Str() + "/Wav/FO/" + k.name +
                                         " 」を読み込めません。\n" + k.reason +
                                         "\n\nこの音声は鳴りません。ファイルを入れ直してください。");
    EXPECT_EQ(p.sound.LiveBuffers(), 0);
  }
  test::SoundProgram p;
  test::TempDir dir;
  dir.WriteBytes("text.wav", "not a wave file");
  dir.WriteBytes("whole.wav", whole);
  dir.WriteBytes("cut.wav", whole.substr(0, 3000));  // 1478 of its 4000 samples
  EXPECT_EQ(LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "/text.wav", 1), 0);
  EXPECT_NE(LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "/whole.wav", 1), 0);
  const auto cut = LoadWaveBuffer(p.sound, p.boxes, dir.Str() + "/cut.wav", 1);
  ASSERT_NE(cut, 0);
  EXPECT_DOUBLE_EQ(p.sound.Find(cut)->durationSeconds, 1478.0 / 8000);
  EXPECT_TRUE(p.boxes.shown.empty());
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
