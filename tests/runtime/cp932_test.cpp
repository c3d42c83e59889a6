// Which characters of a text CP932 can keep.
#include "runtime/cp932.h"

#include <gtest/gtest.h>

namespace vx::runtime {
namespace {

struct LostCase {
  const char* text;
  std::vector<std::string> lost;
};

class Cp932LostTest : public ::testing::TestWithParam<LostCase> {};

TEST_P(Cp932LostTest, NamesEachCharacterThatDoesNotComeBackOnce) {
  EXPECT_EQ(Cp932LostCharacters(GetParam().text), GetParam().lost);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932LostTest,
    ::testing::Values(LostCase{"VexlorPro.cfg", {}}, LostCase{"羽田～千歳ｶﾅ①.cfg", {}},
                      LostCase{"café.cfg", {"é"}},                       // not in CP932
                      LostCase{"旅🛫行🛫.cfg", {"🛫"}},                  // once, however often
                      LostCase{"東京〜大阪.cfg", {"〜"}},                // comes back as "～"
                      LostCase{"한é.cfg", {"한", "é"}}));

TEST(Cp932, TheReplacementOfALostCharacterIsAQuestionMark) {
  EXPECT_EQ(Utf8ToCp932("café"), "caf?");
}

}  // namespace
}  // namespace vx::runtime
