// The grammar of the positional settings text, and storing values by position.
#include "datafiles/positional_text.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>

#include "datafiles/eye_check_file.h"
#include "datafiles/pushback_file.h"
#include "datafiles/sound_settings_file.h"
#include "runtime/cp932.h"
#include "runtime/runtime_error.h"
#include "support/temp_dir.h"

namespace vx::datafiles {
namespace {

using Items = std::vector<std::string>;

struct SplitCase {
  const char* text;
  Items items;
};

TEST(PositionalText, SplitsItemsAtCommasAndLineEnds) {
  const SplitCase cases[] = {
      {"", {}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n", {"a"}},
      {"\r\n", {""}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {";x,=5\r\n", {";x", "=5"}},
      {"a,\r\n", {"a", ""}},
      {"  =5", {"=5"}},
      {"=x, y", {"=x", "y"}},
      {"= x ", {"= x "}},
      {"\"=a,b\",c", {"=a,b", "c"}},
      {"\"=a\" tail,=b", {"=a", "=b"}},
      {"\"=unclosed,x", {"=unclosed,x"}},
      {"=右,=左", {"=右", "=左"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitItems(c.text), c.items);
  }
}

TEST(PositionalText, ValuesAreTheItemsBeginningWithEquals) {
  EXPECT_EQ(ExtractValues(";comment\r\n=ON\r\n;\r\n=\r\n=12\r\n"), (Items{"ON", "", "12"}));
  // A comma cuts a value; text after it that begins with "=" counts as the next value.
  EXPECT_EQ(ExtractValues("=a,b\r\n=c,=d\r\n"), (Items{"a", "c", "d"}));
  // A comment with a comma: its second item is skipped unless it begins with "=".
  EXPECT_EQ(ExtractValues(";x,y\r\n;x,=z\r\n"), (Items{"z"}));
  EXPECT_EQ(ExtractValues("x=1\r\n"), Items{});
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VX_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VX_ADDRESS_SANITIZER 1
#endif

// Not built with the address sanitizer: it reserves its heap and shadow up front, so RLIMIT_AS bounds nothing.
#if !defined(VX_ADDRESS_SANITIZER)
// A 20 MB comment line of empty items is read within a memory of a few times its length
// (each item built first took over 640 MB).
TEST(PositionalText, ManyEmptyItemsCostNoMoreThanTheirLine) {
  const std::string text = ";" + std::string(20'000'000, ',') + "\r\n=1\r\n";
  const auto extractWithin512Mb = [&text] {
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = rlim_t{512} << 20;
    ::setrlimit(RLIMIT_AS, &limit);
    const auto values = ExtractValues(text);
    std::_Exit(values.size() == 1 && values[0] == "1" ? 0 : 1);
  };
  EXPECT_EXIT(extractWithin512Mb(), ::testing::ExitedWithCode(0), "");
}
#endif

TEST(PositionalText, ReadsTheCodePageOfTheFile) {
  vx::test::TempDir dir;
  dir.WriteBytes("a.cfg", runtime::Utf8ToCp932(";ＡＰＵ\r\n=右\r\n=左"));
  EXPECT_EQ(ReadPositionalFile(dir.Path() / "a.cfg"), (Items{"右", "左"}));
  try {
    ReadPositionalFile(dir.Path() / "missing.cfg");
    FAIL() << "no error";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::kFileNotFound);
  }
}

TEST(PositionalText, WritableValueKeepsValuesWhole) {
  EXPECT_EQ(WritableValue("a,b,"), "a，b，");
  EXPECT_EQ(WritableValue("x\r\ny"), "x  y");
  EXPECT_EQ(WritableValue("羽田　東京"), "羽田　東京");
  EXPECT_EQ(ExtractValues("=" + WritableValue("A, =B")), Items{"A， =B"});
}

TEST(StoreValues, MissingValuesKeepTheTargetsAndExtraOnesAreIgnored) {
  VexlorPbCfg pb;
  pb.PushbackSide = "keep";
  pb.PushbackFixedHeading = 77;
  StoreVexlorPbCfgValues({"1", "1", "5", "3", "2", "80"}, pb);
  EXPECT_EQ(pb.PushbackDistance, 80);
  EXPECT_EQ(pb.PushbackSide, "keep");
  EXPECT_EQ(pb.PushbackFixedHeading, 77);

  Items many(20, "4");
  many[6] = "左";
  many[9] = "北";
  StoreVexlorPbCfgValues(many, pb);
  EXPECT_EQ(pb.PushbackFixedHeading, 4);
  EXPECT_EQ(pb.PushbackCompassWord, "北");
}

struct ConversionCase {
  std::size_t badPosition;
  const char* text;
  int error;
};

TEST(StoreValues, ConversionErrorsStopAtTheValueAndKeepWhatWasStored) {
  const ConversionCase cases[] = {
      {2, "abc", runtime::kTypeMismatch},
      {2, "", runtime::kTypeMismatch},
      {2, "40000", runtime::kOverflow},
      {5, "1e10", runtime::kOverflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    VexlorPbCfg pb;
    pb.PushbackDistance = -1;
    Items values{"1", "1", "7", "3", "2", "80", "右"};
    values[c.badPosition] = c.text;
    try {
      StoreVexlorPbCfgValues(values, pb);
      FAIL() << "no error";
    } catch (const runtime::RuntimeError& e) {
      EXPECT_EQ(e.Number(), c.error);
    }
    EXPECT_EQ(pb.PushbackMode, 1);  // value 1, before the bad one
    if (c.badPosition == 2) {
      EXPECT_EQ(pb.PushbackDistance, -1);
    } else {
      EXPECT_EQ(pb.SlewTurnByte, 2);
    }
    EXPECT_EQ(pb.PushbackSide, "");  // after the bad one
  }
}

TEST(StoreValues, NumbersTakeTheWidthOfTheirPosition) {
  VexlorSdCfg sd;
  Items values(49, "0");
  values[11] = "100000";        // 32-bit position
  values[45] = "09";            // runway digits through a 16-bit number
  values[42] = " -2147483648";  // blanks accepted by the runtime's conversion
  StoreVexlorSdCfgValues(values, sd);
  EXPECT_EQ(sd.ExpWindowTop, 100000);
  EXPECT_EQ(sd.landingRunwayNumber, "9");
  EXPECT_EQ(sd.ArrivalLatitudeRaw, -2147483648);

  values[10] = "100000";  // 16-bit position
  EXPECT_THROW(StoreVexlorSdCfgValues(values, sd), runtime::RuntimeError);
}

TEST(StoreValues, TextsReadThroughANumberLoseLeadingZerosAndMustBeNumbers) {
  EyeCheckCfg check;
  StoreEyeCheckCfgValues({"ON", "1", "出発", "5", "007", "0123"}, check);
  EXPECT_EQ(check.airlineSlot, "7");
  EXPECT_EQ(check.flightNumber, "123");
  try {
    StoreEyeCheckCfgValues({"ON", "1", "出発", "5", "7", "12a"}, check);
    FAIL() << "no error";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::kTypeMismatch);
  }
}

}  // namespace
}  // namespace vx::datafiles
