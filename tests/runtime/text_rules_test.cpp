#include "runtime/text_rules.h"

#include <gtest/gtest.h>

#include "runtime/runtime_error.h"

namespace vx::runtime {
namespace {

TEST(Trim, RemovesHalfWidthSpacesOnly) {
  EXPECT_EQ(Trim("  RJTT  "), "RJTT");
  EXPECT_EQ(Trim("\tA\t"), "\tA\t");
  EXPECT_EQ(Trim("　羽田　"), "　羽田　");  // ideographic spaces stay
  EXPECT_EQ(Trim(" 羽 田 "), "羽 田");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
}

TEST(CharacterFunctions, CountCharactersNotBytes) {
  const std::string s = "東京ABC羽田";
  EXPECT_EQ(Len(s), 7u);
  EXPECT_EQ(Len(""), 0u);
  EXPECT_EQ(Left(s, 2), "東京");
  EXPECT_EQ(Left(s, 99), s);
  EXPECT_EQ(Right(s, 2), "羽田");
  EXPECT_EQ(Right(s, 0), "");
  EXPECT_EQ(Right(s, 99), s);
  EXPECT_EQ(Mid(s, 3, 3), "ABC");
  EXPECT_EQ(Mid(s, 6), "羽田");
  EXPECT_EQ(Mid(s, 8), "");
  EXPECT_EQ(Mid(s, 2, 0), "");
  EXPECT_EQ(UCase("rjtt東京"), "RJTT東京");
  EXPECT_EQ(LCase("RJTT"), "rjtt");
}

TEST(CharacterFunctions, InStrGivesCharacterPositions) {
  const std::string s = "東京ABC東京";
  EXPECT_EQ(InStr(s, "東京"), 1u);
  EXPECT_EQ(InStr(s, "東京", 2), 6u);
  EXPECT_EQ(InStr(s, "C"), 5u);
  EXPECT_EQ(InStr(s, "X"), 0u);
  EXPECT_EQ(InStr(s, "", 3), 3u);
  EXPECT_EQ(InStr(s, "", 9), 0u);
  EXPECT_EQ(InStr("", ""), 0u);
  // A match must start on a character: the tail bytes of "京" alone are not found.
  EXPECT_EQ(InStr("京", "\xBA\xAC"), 0u);
}

TEST(CharacterFunctions, StartBelowOneIsAnInvalidCall) {
  for (auto call : {+[] { Mid("abc", 0); }, +[] { InStr("abc", "a", 0); }, +[] { MidB("abc", 0); }}) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), kInvalidProcedureCall);
    }
  }
}

TEST(AnsiBytes, FullWidthCountsTwoHalfWidthOne) {
  EXPECT_EQ(AnsiByteLength("成田"), 4u);
  EXPECT_EQ(AnsiByteLength("ABC"), 3u);
  EXPECT_EQ(AnsiByteLength("ｶﾀｶﾅ"), 4u);  // half-width katakana: one byte each
  EXPECT_EQ(AnsiByteLength("Ａ１－"), 6u);
  EXPECT_EQ(AnsiByteLength(""), 0u);
}

TEST(AnsiBytes, ByteSlicesDropACharacterCutInHalf) {
  const std::string s = "A成田ｶB";  // bytes: A=1, 成=2-3, 田=4-5, ｶ=6, B=7
  EXPECT_EQ(LeftB(s, 1), "A");
  EXPECT_EQ(LeftB(s, 2), "A");
  EXPECT_EQ(LeftB(s, 3), "A成");
  EXPECT_EQ(LeftB(s, 6), "A成田ｶ");
  EXPECT_EQ(LeftB(s, 99), s);
  EXPECT_EQ(LeftB(s, 0), "");
  EXPECT_EQ(RightB(s, 1), "B");
  EXPECT_EQ(RightB(s, 3), "ｶB");
  EXPECT_EQ(RightB(s, 4), "田ｶB");
  EXPECT_EQ(RightB(s, 5), "田ｶB");
  EXPECT_EQ(RightB(s, 6), "成田ｶB");
  EXPECT_EQ(RightB(s, 99), s);
  EXPECT_EQ(MidB(s, 2, 2), "成");
  EXPECT_EQ(MidB(s, 2, 3), "成");
  EXPECT_EQ(MidB(s, 3, 4), "田ｶ");
  EXPECT_EQ(MidB(s, 3), "田ｶB");
  EXPECT_EQ(MidB(s, 8), "");
}

}  // namespace
}  // namespace vx::runtime
