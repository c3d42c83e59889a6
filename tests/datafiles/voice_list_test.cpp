// The voice inventory against a golden file written by hand for a tiny sound tree: two
// airlines, two airports, names of 4 and 16 bytes, recordings spelled in other letter
// cases than the inventory spells them.
#include "datafiles/voice_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "datafiles/pro_fixture.h"
#include "support/same_text.h"

namespace vx::datafiles {
namespace {

class VoiceListTest : public test::ProFixture {
 protected:
  void Touch(const std::string& relative) {
    const auto file = dir.Path() / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "RIFF";
  }
};

TEST_F(VoiceListTest, MarksEveryRecordingOfEverySlotIgnoringLetterCase) {
  for (const char* f : {"wav/ca1/g1_1.wav", "wav/CA4/G1_1_1.WAV", "wav/ca2/a9.wav", "wav/Lob/Cmp/japan/LCOMP_00.wav",
                        "wav/cp/cmp/world/pcomp_01.wav", "wav/Lob/APT0/World/lapt_05.wav",
                        "wav/CA3/Apt/Japan/sapt_01.wav"}) {
    Touch(f);
  }
  state::AirlineTableArray airlines;
  airlines[0] = {1, "日航", "JAL 日本航空", ""};
  airlines[101] = {1, "ユナイテッド航空", "ユナイテッド航空 UA", ""};
  state::AirportTableArray airports;
  airports[1].選択ボタン = " 羽田 ";
  airports[1].ICAO = "RJTT";
  airports[1].空港名詳細 = "東京国際空港";
  airports[105].選択ボタン = "ABCDEFGHIJKLMNOP";
  airports[105].ICAO = "KJFK";
  airports[105].空港名詳細 = "ニューヨーク JFK";

  const std::filesystem::path file = WriteVoiceList(paths, airlines, airports);
  EXPECT_EQ(file, dir.Path() / "音声リスト.txt");
  EXPECT_TRUE(vx::test::SameFileBytes(Bytes("音声リスト.txt"), test::GoldenBytes("音声リスト.txt")));
}

}  // namespace
}  // namespace vx::datafiles
