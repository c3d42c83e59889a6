#include "runtime/text_rules.h"

#include <vector>

#include "runtime/cp932.h"
#include "runtime/runtime_error.h"

namespace vx::runtime {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length in bytes of the UTF-8 character at i; a malformed sequence counts its first byte
// as one character.
std::size_t CharLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t n = 1;
  if ((c & 0xE0) == 0xC0) n = 2;
  else if ((c & 0xF0) == 0xE0) n = 3;
  else if ((c & 0xF8) == 0xF0) n = 4;
  if (i + n > s.size()) return 1;
  for (std::size_t k = 1; k < n; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(s[i + k]))) return 1;
  }
  return n;
}

// Byte offsets of the characters of s, with s.size() as the last entry.
std::vector<std::size_t> CharStarts(std::string_view s) {
  std::vector<std::size_t> starts;
  starts.reserve(s.size() + 1);
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) starts.push_back(i);
  starts.push_back(s.size());
  return starts;
}

std::size_t OffsetOfChar(std::string_view s, std::size_t chars) {
  std::size_t i = 0;
  for (; i < s.size() && chars > 0; --chars) i += CharLength(s, i);
  return i;
}

// One character of the text with its width in the CP932 form (1 or 2 bytes; a character
// CP932 lacks becomes "?" there and counts 1).
struct AnsiChar {
  std::size_t offset;
  std::size_t length;
  std::size_t width;
};

std::vector<AnsiChar> AnsiChars(std::string_view s) {
  std::vector<AnsiChar> chars;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = CharLength(s, i);
    const std::size_t width = static_cast<unsigned char>(s[i]) < 0x80 ? 1 : Utf8ToCp932(s.substr(i, n)).size();
    chars.push_back({i, n, width});
    i += n;
  }
  return chars;
}

// The characters whose CP932 bytes lie wholly within [first, last) of the CP932 form.
std::string AnsiRange(std::string_view s, std::size_t first, std::size_t last) {
  std::string out;
  std::size_t pos = 0;
  for (const AnsiChar& c : AnsiChars(s)) {
    if (pos >= first && pos + c.width <= last) out.append(s.substr(c.offset, c.length));
    pos += c.width;
  }
  return out;
}

}  // namespace

std::string LTrim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
  const std::size_t last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::size_t Len(std::string_view s) { return CharStarts(s).size() - 1; }

std::string Left(std::string_view s, std::size_t n) { return std::string(s.substr(0, OffsetOfChar(s, n))); }

std::string Right(std::string_view s, std::size_t n) {
  const std::vector<std::size_t> starts = CharStarts(s);
  const std::size_t count = starts.size() - 1;
  return n >= count ? std::string(s) : std::string(s.substr(starts[count - n]));
}

std::string Mid(std::string_view s, std::size_t start, std::size_t length) {
  if (start < 1) throw RuntimeError(kInvalidProcedureCall);
  const std::size_t from = OffsetOfChar(s, start - 1);
  const std::string_view rest = s.substr(from);
  return std::string(rest.substr(0, OffsetOfChar(rest, length)));
}

std::size_t InStr(std::string_view s, std::string_view what, std::size_t start) {
  if (start < 1) throw RuntimeError(kInvalidProcedureCall);
  if (s.empty()) return 0;
  const std::vector<std::size_t> starts = CharStarts(s);
  const std::size_t count = starts.size() - 1;
  if (start > count + 1) return 0;
  if (what.empty()) return start;
  // Only matches that begin on a character boundary count.
  for (std::size_t index = start - 1; index < count; ++index) {
    if (s.substr(starts[index]).starts_with(what)) return index + 1;
  }
  return 0;
}

std::string UCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string LCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::size_t AnsiByteLength(std::string_view s) { return Utf8ToCp932(s).size(); }

std::string LeftB(std::string_view s, std::size_t bytes) { return AnsiRange(s, 0, bytes); }

std::string MidB(std::string_view s, std::size_t startByte, std::size_t bytes) {
  if (startByte < 1) throw RuntimeError(kInvalidProcedureCall);
  const std::size_t first = startByte - 1;
  const std::size_t last = bytes > std::string_view::npos - first ? std::string_view::npos : first + bytes;
  return AnsiRange(s, first, last);
}

std::string RightB(std::string_view s, std::size_t bytes) {
  std::size_t total = 0;
  for (const AnsiChar& c : AnsiChars(s)) total += c.width;
  return AnsiRange(s, bytes >= total ? 0 : total - bytes, total);
}

}  // namespace vx::runtime
