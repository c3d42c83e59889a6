#include "runtime/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

#include "runtime/runtime_error.h"

namespace vx::runtime {
namespace {

// A finite non-zero magnitude as significant digits d1 d2 ... (no trailing zeros) and the
// decimal exponent of d1: value = d1.d2d3... x 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;  // empty for zero
  int exponent = 0;
};

// The runtime worked with 15 significant digits when a Double became text.
Decimal ToDecimal15(double value) {
  if (!std::isfinite(value)) throw RuntimeError(kOverflow);
  Decimal d;
  d.negative = std::signbit(value) && value != 0.0;
  if (value == 0.0) return d;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));  // "d.dddddddddddddde+XX"
  const std::string_view text(buf);
  const std::size_t e = text.find('e');
  d.digits.push_back(text[0]);
  d.digits.append(text.substr(2, e - 2));
  d.exponent = std::stoi(std::string(text.substr(e + 1)));
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::int64_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double rest = value - floor;
  double r = floor;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0.0)) r = floor + 1.0;
  return static_cast<std::int64_t>(r);
}

template <typename T>
T ToIntegerType(double value) {
  // Anything beyond +-2^62 is out of range for every target and must not reach the cast.
  if (!(std::fabs(value) < 4.0e18)) throw RuntimeError(kOverflow);
  const std::int64_t r = RoundHalfEven(value);
  if (r < std::numeric_limits<T>::min() || r > std::numeric_limits<T>::max()) throw RuntimeError(kOverflow);
  return static_cast<T>(r);
}

// --- Numeric text -------------------------------------------------------------------

// The numeric characters of the text with full-width digits, signs, point and comma
// (U+FF0B..U+FF19) taken as their ASCII forms; other characters are kept.
std::string NarrowNumericText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c0 = static_cast<unsigned char>(text[i]);
    if (c0 == 0xEF && i + 2 < text.size()) {
      const auto c1 = static_cast<unsigned char>(text[i + 1]);
      const auto c2 = static_cast<unsigned char>(text[i + 2]);
      const unsigned cp = ((c0 & 0x0Fu) << 12) | ((c1 & 0x3Fu) << 6) | (c2 & 0x3Fu);
      if (c1 >= 0x80 && c1 < 0xC0 && c2 >= 0x80 && c2 < 0xC0 && cp >= 0xFF0B && cp <= 0xFF19 && cp != 0xFF0F) {
        out.push_back(static_cast<char>(cp - 0xFF0B + '+'));
        i += 2;
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "&H" hex or "&O" octal: up to 16 bits read as an Integer (&HFFFF is -1), up to 32 bits
// as a Long. Returns nullopt when the text is not of that form.
std::optional<double> ParseRadixNumber(std::string_view s) {
  if (s.size() < 3 || s[0] != '&') return std::nullopt;
  int radix = 0;
  if (s[1] == 'H' || s[1] == 'h') radix = 16;
  if (s[1] == 'O' || s[1] == 'o') radix = 8;
  if (radix == 0) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : s.substr(2)) {
    const int digit = HexDigitValue(c);
    if (digit < 0 || digit >= radix) return std::nullopt;
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFu) throw RuntimeError(kOverflow);
  }
  if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// The runtime's conversion of a whole text into a number. nullopt when the text is not a
// number; RuntimeError 6 when it is beyond the range of a Double.
std::optional<double> ParseNumber(std::string_view raw) {
  const std::string text = NarrowNumericText(raw);
  std::string_view s(text);
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  if (s.empty()) return std::nullopt;
  if (s[0] == '&') return ParseRadixNumber(s);

  bool negative = false;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  std::string mantissa;  // digits and point, separators removed
  std::size_t i = 0;
  int intDigits = 0;
  int fracDigits = 0;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      mantissa.push_back(s[i]);
      ++intDigits;
    } else if (s[i] == ',' && intDigits > 0) {
      continue;
    } else {
      break;
    }
  }
  if (i < s.size() && s[i] == '.') {
    mantissa.push_back('.');
    for (++i; i < s.size() && IsDigit(s[i]); ++i) {
      mantissa.push_back(s[i]);
      ++fracDigits;
    }
  }
  if (intDigits + fracDigits == 0) return std::nullopt;

  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    bool expNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
    if (i >= s.size() || !IsDigit(s[i])) return std::nullopt;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
    }
    if (expNegative) exponent = -exponent;
  }
  if (i != s.size()) return std::nullopt;

  const std::string number = mantissa + "e" + std::to_string(exponent);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too large, or so small that it is zero: tell them apart by the decimal exponent of
    // the first significant digit.
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    const std::size_t point = mantissa.find('.');
    const long long pointPos = point == std::string::npos ? static_cast<long long>(mantissa.size()) : static_cast<long long>(point);
    const long long pos = static_cast<long long>(firstSignificant);
    const long long magnitude = exponent + (pos < pointPos ? pointPos - pos : pointPos - pos + 1);
    if (magnitude > 0) throw RuntimeError(kOverflow);
    value = 0.0;
  } else if (ec != std::errc() || end != number.data() + number.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

double NumberOrMismatch(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) throw RuntimeError(kTypeMismatch);
  return *value;
}

// --- Patterns -----------------------------------------------------------------------

struct Pattern {
  int minIntDigits = 0;   // "0" placeholders before the point
  bool grouped = false;   // a "," among the placeholders before the point
  int minFracDigits = 0;  // "0" placeholders after the point
  int maxFracDigits = 0;  // "0" and "#" placeholders after the point
};

Pattern ParsePattern(std::string_view pattern) {
  Pattern p;
  bool afterPoint = false;
  for (const char c : pattern) {
    if (c == '.' && !afterPoint) {
      afterPoint = true;
    } else if (c == '0') {
      if (afterPoint) {
        ++p.minFracDigits;
        ++p.maxFracDigits;
      } else {
        ++p.minIntDigits;
      }
    } else if (c == '#') {
      if (afterPoint) ++p.maxFracDigits;
    } else if (c == ',' && !afterPoint) {
      p.grouped = true;
    } else {
      throw std::invalid_argument("unsupported number pattern: " + std::string(pattern));
    }
  }
  return p;
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace

std::int16_t CInt(double value) { return ToIntegerType<std::int16_t>(value); }
std::int32_t CLng(double value) { return ToIntegerType<std::int32_t>(value); }

std::int16_t CInt(std::string_view text) { return CInt(NumberOrMismatch(text)); }
std::int32_t CLng(std::string_view text) { return CLng(NumberOrMismatch(text)); }
double CDbl(std::string_view text) { return NumberOrMismatch(text); }

bool IsNumeric(std::string_view text) {
  try {
    return ParseNumber(text).has_value();
  } catch (const RuntimeError&) {
    return false;
  }
}

double Val(std::string_view text) {
  // Val skips blanks, tabs and line feeds anywhere and reads as far as a number goes.
  std::string s;
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
  }
  if (s.size() >= 2 && s[0] == '&') {
    std::size_t end = 2;
    const int radix = (s[1] == 'H' || s[1] == 'h') ? 16 : (s[1] == 'O' || s[1] == 'o') ? 8 : 0;
    if (radix == 0) return 0.0;
    while (end < s.size() && HexDigitValue(s[end]) >= 0 && HexDigitValue(s[end]) < radix) ++end;
    if (end == 2) return 0.0;
    return ParseRadixNumber(std::string_view(s).substr(0, end)).value_or(0.0);
  }
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::string number = s.substr(0, i);
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      number += "E" + s.substr(i + 1, j - i - 1);
    }
  }
  return ParseNumber(number).value_or(0.0);
}

double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }

std::string Format(double value, std::string_view pattern) {
  if (pattern.empty()) return GeneralNumber(value);
  const Pattern p = ParsePattern(pattern);
  const Decimal d = ToDecimal15(value);

  // All digits of the magnitude up to the last kept decimal place, then rounded half away
  // from zero on the decimal digits (so 2.675 gives 2.68, as the runtime printed it).
  const int intCount = d.digits.empty() ? 0 : d.exponent + 1;
  std::string intPart;
  std::string fracPart;
  bool roundUp = false;
  for (int pos = 0; pos < intCount; ++pos) {
    intPart.push_back(pos < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(pos)] : '0');
  }
  for (int place = 1; place <= p.maxFracDigits + 1; ++place) {
    const int pos = intCount + place - 1;  // index into d.digits
    char c = '0';
    if (!d.digits.empty() && pos >= 0 && pos < static_cast<int>(d.digits.size())) c = d.digits[static_cast<std::size_t>(pos)];
    if (place <= p.maxFracDigits) {
      fracPart.push_back(c);
    } else {
      roundUp = c >= '5';
    }
  }
  if (roundUp) {
    std::string all = intPart + fracPart;
    int k = static_cast<int>(all.size()) - 1;
    while (k >= 0 && all[static_cast<std::size_t>(k)] == '9') all[static_cast<std::size_t>(k--)] = '0';
    if (k >= 0) {
      ++all[static_cast<std::size_t>(k)];
    } else {
      all.insert(all.begin(), '1');
    }
    const std::size_t intLen = all.size() - fracPart.size();
    intPart = all.substr(0, intLen);
    fracPart = all.substr(intLen);
  }

  while (!intPart.empty() && intPart.front() == '0') intPart.erase(intPart.begin());
  while (static_cast<int>(intPart.size()) < p.minIntDigits) intPart.insert(intPart.begin(), '0');
  while (static_cast<int>(fracPart.size()) > p.minFracDigits && fracPart.back() == '0') fracPart.pop_back();

  const bool nonZero = intPart.find_first_not_of('0') != std::string::npos ||
                       fracPart.find_first_not_of('0') != std::string::npos;
  std::string out;
  if (d.negative && nonZero) out.push_back('-');
  out += p.grouped ? GroupThousands(intPart) : intPart;
  if (!fracPart.empty()) out += "." + fracPart;
  return out;
}

std::string GeneralNumber(double value) {
  const Decimal d = ToDecimal15(value);
  if (d.digits.empty()) return "0";
  std::string out = d.negative ? "-" : "";
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent >= 15 || d.exponent < -4) {
    out.push_back(d.digits[0]);
    if (digitCount > 1) out += "." + d.digits.substr(1);
    const std::string expDigits = std::to_string(std::abs(d.exponent));
    out += d.exponent < 0 ? "E-" : "E+";
    if (expDigits.size() < 2) out.push_back('0');
    return out + expDigits;
  }
  if (d.exponent < 0) return out + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  const int intCount = d.exponent + 1;
  if (digitCount <= intCount) return out + d.digits + std::string(static_cast<std::size_t>(intCount - digitCount), '0');
  return out + d.digits.substr(0, static_cast<std::size_t>(intCount)) + "." + d.digits.substr(static_cast<std::size_t>(intCount));
}

std::string IntText(std::int64_t value) { return std::to_string(value); }

}  // namespace vx::runtime
