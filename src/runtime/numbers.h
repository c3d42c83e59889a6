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

// Text into an Integer or Long, as the runtime converted it: leading and trailing blanks
// (space, tab), a sign, digits with thousands separators ",", decimals (rounded halves to
// even) and an exponent "E"; also "&H" hex and "&O" octal (up to four hex digits read as an
// Integer: "&HFFFF" is -1). Full-width digits, signs, point and comma count as their ASCII
// forms, as on the original Japanese system. An empty or non-numeric text raises
// RuntimeError 13, a value out of range 6.
std::int16_t CInt(std::string_view text);
std::int32_t CLng(std::string_view text);
// Text into a Double by the same rules (RuntimeError 13 when not numeric, 6 beyond a Double).
double CDbl(std::string_view text);
// True when CDbl would succeed.
bool IsNumeric(std::string_view text);
// The runtime's Val: blanks, tabs and line feeds anywhere are skipped, then the leading
// number ("E" or "D" exponent, "&H"/"&O") is read; 0 when there is none. ASCII only.
double Val(std::string_view text);

// Int: rounded down; Fix: truncated toward zero.
double Int(double value);
double Fix(double value);

// Formats with the number patterns the system uses: "#,##0", "0", "00", "000", "0000",
// "#0", "#00", "0.00", "#0.00", "0,000" (any pattern of "0", "#", "," before the point and
// "0", "#" after it). The value is taken at 15 significant digits, then halves round away
// from zero (2.675 -> "2.68"); "-" when negative, none when the result is all zeros.
// An empty pattern gives GeneralNumber. Any other character: std::invalid_argument.
// Infinity or NaN raise RuntimeError 6 (the original raised it where such values arose).
std::string Format(double value, std::string_view pattern);

// The general number form of the runtime (how a Double turns into text): up to 15
// significant digits, no trailing zeros, no leading "0" dropped ("0.5"), exponent form
// "1E+20" / "1E-05" / "1.5E+16" when the decimal exponent is 15 or more or below -4;
// 0 gives "0". Infinity or NaN raise RuntimeError 6.
std::string GeneralNumber(double value);
// An Integer or Long as text: decimal, "-" when negative, no blanks.
std::string IntText(std::int64_t value);

}  // namespace vx::runtime
