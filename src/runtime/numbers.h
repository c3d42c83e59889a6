#pragma once
// Number rules of the original runtime: conversions into its integer types and the
// number patterns used in files and windows.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx::runtime {

// A floating value stored into an Integer (16-bit) or Long (32-bit): nearest whole
// number, halves to even (2.5 -> 2, 3.5 -> 4). Outside the type's range: RuntimeError 6.
std::int16_t CInt(double value);
std::int32_t CLng(double value);

// Text into an Integer or Long, as the runtime converted it: leading and trailing blanks,
// a sign, decimals (rounded halves to even), thousands separators "," and an exponent are
// accepted; an empty or non-numeric text raises RuntimeError 13, a value out of range 6.
std::int16_t CInt(std::string_view text);
std::int32_t CLng(std::string_view text);
// Text into a Double (RuntimeError 13 when not numeric).
double CDbl(std::string_view text);
bool IsNumeric(std::string_view text);
// The runtime's Val: the leading number of the text (blanks skipped), 0 when none.
double Val(std::string_view text);

// Int: rounded down; Fix: truncated toward zero.
double Int(double value);
double Fix(double value);

// Formats with the number patterns the system uses: "#,##0", "0", "00", "000", "0000",
// "#0", "#00", "0.00", "#0.00", "0,000". Halves round away from zero.
std::string Format(double value, std::string_view pattern);

// The general number form of the runtime (how a Double turns into text): up to 15
// significant digits, no trailing zeros, no leading "0" dropped ("0.5"), exponent form
// "1E+20" / "1E-05" beyond the plain range.
std::string GeneralNumber(double value);
// An Integer or Long as text: decimal, "-" when negative, no blanks.
std::string IntText(std::int64_t value);

}  // namespace vx::runtime
