#include "runtime/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "runtime/runtime_error.h"

namespace vx::runtime {
namespace {

// The error number a call raises, or nullopt when it returns.
template <typename F>
std::optional<int> ErrorOf(F call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return std::nullopt;
}

struct RoundCase {
  double value;
  std::optional<int> cint;  // nullopt: overflow
};

TEST(CIntOfDouble, RoundsHalvesToEvenAndChecksRangeAfterRounding) {
  const RoundCase cases[] = {
      {0.5, 0},        {1.5, 2},         {2.5, 2},          {3.5, 4},        {-0.5, 0},
      {-1.5, -2},      {-2.5, -2},       {2.4999, 2},       {2.5001, 3},     {-2.6, -3},
      {32767.4, 32767}, {32767.5, std::nullopt}, {-32768.5, -32768}, {-32768.6, std::nullopt},
      {-32767.5, -32768}, {1e300, std::nullopt},
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(c.value);
    if (c.cint) {
      EXPECT_EQ(CInt(c.value), *c.cint);
    } else {
      EXPECT_EQ(ErrorOf([&] { CInt(c.value); }), kOverflow);
    }
  }
}

TEST(CLngOfDouble, RoundsHalvesToEvenWithin32Bits) {
  EXPECT_EQ(CLng(100000.5), 100000);
  EXPECT_EQ(CLng(100001.5), 100002);
  EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(CLng(2147483646.5), 2147483646);
  EXPECT_EQ(ErrorOf([] { CLng(2147483647.5); }), kOverflow);
  EXPECT_EQ(ErrorOf([] { CLng(std::numeric_limits<double>::quiet_NaN()); }), kOverflow);
  EXPECT_EQ(ErrorOf([] { CLng(std::numeric_limits<double>::infinity()); }), kOverflow);
}

struct TextCase {
  const char* text;
  std::optional<int> value;  // nullopt: the error below
  int error;
};

TEST(CIntOfText, AcceptsBlanksSignSeparatorsDecimalsAndExponent) {
  const TextCase cases[] = {
      {" 12 ", 12, 0},       {"\t7\t", 7, 0},     {"-3", -3, 0},        {"+4", 4, 0},
      {"1,234", 1234, 0},    {"2.5", 2, 0},       {"3.5", 4, 0},        {"-2.5", -2, 0},
      {".5", 0, 0},          {"1.5E2", 150, 0},   {"25e-1", 2, 0},      {"32767", 32767, 0},
      {"-32768", -32768, 0}, {"&H10", 16, 0},     {"&HFFFF", -1, 0},    {"&o17", 15, 0},
      {"abc", std::nullopt, kTypeMismatch},  {"", std::nullopt, kTypeMismatch},
      {"   ", std::nullopt, kTypeMismatch},  {"12abc", std::nullopt, kTypeMismatch},
      {"1 2", std::nullopt, kTypeMismatch},  {",5", std::nullopt, kTypeMismatch},
      {"-", std::nullopt, kTypeMismatch},    {".", std::nullopt, kTypeMismatch},
      {"1e", std::nullopt, kTypeMismatch},   {"　12", std::nullopt, kTypeMismatch},
      {"99999", std::nullopt, kOverflow},    {"32767.5", std::nullopt, kOverflow},
      {"&H10000", std::nullopt, kOverflow},  {"1e400", std::nullopt, kOverflow},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    if (c.value) {
      EXPECT_EQ(CInt(std::string_view(c.text)), *c.value);
    } else {
      EXPECT_EQ(ErrorOf([&] { CInt(std::string_view(c.text)); }), c.error);
    }
  }
}

TEST(CLngOfText, WiderRangeSameRules) {
  EXPECT_EQ(CLng(std::string_view("99999")), 99999);
  EXPECT_EQ(CLng(std::string_view(" -2,147,483,648 ")), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(CLng(std::string_view("&HFFFF")), -1);  // four hex digits are an Integer
  EXPECT_EQ(CLng(std::string_view("&H10000")), 65536);
  EXPECT_EQ(CLng(std::string_view("&HFFFFFFFF")), -1);
  EXPECT_EQ(ErrorOf([] { CLng(std::string_view("2147483648")); }), kOverflow);
  EXPECT_EQ(ErrorOf([] { CLng(std::string_view("x")); }), kTypeMismatch);
}

// The original ran on a Japanese system whose conversion took full-width digits, signs,
// point and comma as numbers; typed input relies on it, so they are accepted. The
// ideographic space is not a blank for conversions.
TEST(CIntOfText, FullWidthDigitsConvertAsTheOriginalDid) {
  EXPECT_EQ(CInt(std::string_view("１２")), 12);
  EXPECT_EQ(CInt(std::string_view("－１，２３４．５")), -1234);
  EXPECT_EQ(CLng(std::string_view(" ３００ ")), 300);
  EXPECT_EQ(ErrorOf([] { CInt(std::string_view("１２　")); }), kTypeMismatch);
}

TEST(CDblOfText, ReadsTheWholeNumberOrRaises) {
  EXPECT_DOUBLE_EQ(CDbl(" 1,234.5 "), 1234.5);
  EXPECT_DOUBLE_EQ(CDbl("-0.001"), -0.001);
  EXPECT_DOUBLE_EQ(CDbl("1E-05"), 1e-5);
  EXPECT_DOUBLE_EQ(CDbl("5."), 5.0);
  EXPECT_EQ(CDbl("1e-400"), 0.0);
  EXPECT_EQ(ErrorOf([] { CDbl("1.2.3"); }), kTypeMismatch);
  EXPECT_EQ(ErrorOf([] { CDbl("1e400"); }), kOverflow);
  EXPECT_TRUE(IsNumeric(" 3.5 "));
  EXPECT_TRUE(IsNumeric("&HFF"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric("12a"));
  EXPECT_FALSE(IsNumeric("1e400"));
}

TEST(Val, ReadsTheLeadingNumberAndIgnoresBlanks) {
  EXPECT_DOUBLE_EQ(Val("  12abc"), 12);
  EXPECT_DOUBLE_EQ(Val(" 1 2 3"), 123);
  EXPECT_DOUBLE_EQ(Val("1,234"), 1);
  EXPECT_DOUBLE_EQ(Val("-.5x"), -0.5);
  EXPECT_DOUBLE_EQ(Val("1.5e2m"), 150);
  EXPECT_DOUBLE_EQ(Val("2D3"), 2000);
  EXPECT_DOUBLE_EQ(Val("7e"), 7);
  EXPECT_DOUBLE_EQ(Val("&HFF"), 255);
  EXPECT_DOUBLE_EQ(Val("abc"), 0);
  EXPECT_DOUBLE_EQ(Val(""), 0);
}

TEST(IntAndFix, RoundDownAndTowardZero) {
  EXPECT_EQ(Int(-2.5), -3);
  EXPECT_EQ(Fix(-2.5), -2);
  EXPECT_EQ(Int(2.7), 2);
  EXPECT_EQ(Fix(2.7), 2);
}

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(Format, EveryPatternOfTheSystem) {
  const FormatCase cases[] = {
      {1234567, "#,##0", "1,234,567"}, {999.5, "#,##0", "1,000"},   {0, "#,##0", "0"},
      {-1234.5, "#,##0", "-1,235"},    {12, "#,##0", "12"},
      {2.5, "0", "3"},                 {-2.5, "0", "-3"},            {0.49, "0", "0"},
      {123456, "0", "123456"},         {1e20, "0", "100000000000000000000"},
      {7, "00", "07"},                 {123, "00", "123"},           {0, "00", "00"},
      {5, "000", "005"},               {-5, "000", "-005"},
      {2024, "0000", "2024"},          {29.92, "0000", "0030"},      {1013.5, "0000", "1014"},
      {0, "#0", "0"},                  {3, "#0", "3"},               {42, "#0", "42"},
      {5, "#00", "05"},                {0, "#00", "00"},             {123, "#00", "123"},
      {0.785, "0.00", "0.79"},         {2.675, "0.00", "2.68"},      {0.005, "0.00", "0.01"},
      {-0.125, "0.00", "-0.13"},       {9.995, "0.00", "10.00"},     {3, "0.00", "3.00"},
      {0.5, "#0.00", "0.50"},          {12.345, "#0.00", "12.35"},
      {1500, "0,000", "1,500"},        {5, "0,000", "0,005"},        {12345, "0,000", "12,345"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.value));
    EXPECT_EQ(Format(c.value, c.pattern), c.expected);
  }
}

// A negative value that rounds to zero is written without a sign ("-0" in a report helps
// nobody).
TEST(Format, NegativeValueRoundingToZeroHasNoSign) {
  EXPECT_EQ(Format(-0.4, "0"), "0");
  EXPECT_EQ(Format(-0.001, "0.00"), "0.00");
  EXPECT_EQ(Format(-0.0, "#,##0"), "0");
}

TEST(Format, NonFiniteValueIsAnOverflow) {
  EXPECT_EQ(ErrorOf([] { Format(std::numeric_limits<double>::infinity(), "0"); }), kOverflow);
  EXPECT_EQ(ErrorOf([] { GeneralNumber(std::numeric_limits<double>::quiet_NaN()); }), kOverflow);
}

TEST(GeneralNumber, FifteenSignificantDigitsPlainOrExponent) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {-0.001, "-0.001"},
      {0.0001, "0.0001"},
      {1e-5, "1E-05"},
      {1.25e-7, "1.25E-07"},
      {12345.678, "12345.678"},
      {-42, "-42"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {123456789012345, "123456789012345"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1.5e16, "1.5E+16"},
      {1e20, "1E+20"},
      {-2.5e100, "-2.5E+100"},
      {100, "100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(GeneralNumber(c.value), c.expected);
  }
}

TEST(IntText, DecimalWithMinus) {
  EXPECT_EQ(IntText(0), "0");
  EXPECT_EQ(IntText(-32768), "-32768");
  EXPECT_EQ(IntText(2147483647), "2147483647");
}

}  // namespace
}  // namespace vx::runtime
