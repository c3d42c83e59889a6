#include "runtime/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "runtime/runtime_error.h"

namespace vx::runtime {
namespace {

// One conversion descriptor per direction and thread; iconv descriptors are not shareable.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: CP932 is not available");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts; on an invalid or unconvertible sequence calls onBad(in, left) which returns
  // how many input bytes to skip and appends its replacement to out.
  template <typename OnBad>
  std::string Run(std::string_view input, OnBad onBad) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(input.size() * 3 / 2 + 8);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buf[4096];
    while (inLeft > 0) {
      char* o = buf;
      size_t oLeft = sizeof buf;
      const size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
      out.append(buf, static_cast<size_t>(o - buf));
      if (r == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        const size_t skip = onBad(in, inLeft, out);
        in += skip;
        inLeft -= skip;
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

size_t Utf8SequenceLength(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

size_t SkipOneCharacter(const char* in, size_t left) {
  const size_t n = Utf8SequenceLength(static_cast<unsigned char>(*in));
  return n <= left ? n : left;
}

}  // namespace

size_t WellFormedUtf8Length(std::string_view s) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char c = byte(0);
  if (c < 0x80) return 1;
  size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < n || byte(1) < lo || byte(1) > hi) return 0;
  for (size_t i = 2; i < n; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return n;
}

std::string Utf8ToCp932(std::string_view utf8) {
  thread_local Converter conv("CP932", "UTF-8");
  return conv.Run(utf8, [](const char* in, size_t left, std::string& out) {
    out.push_back('?');
    return SkipOneCharacter(in, left);
  });
}

namespace {

[[noreturn]] void ThrowLacking(std::string_view character) {
  throw RuntimeError(kInvalidProcedureCall, "「" + std::string(character) + "」は Shift-JIS (CP932) で保存できない文字です。");
}

}  // namespace

std::string Utf8ToCp932Exact(std::string_view utf8) {
  thread_local Converter conv("CP932", "UTF-8");
  return conv.Run(utf8, [](const char* in, size_t left, std::string&) -> size_t {
    ThrowLacking(std::string_view(in, SkipOneCharacter(in, left)));
  });
}

void RefuseCharactersCp932Lacks(std::string_view utf8) {
  if (const std::string lacking = FirstCharacterCp932Lacks(utf8); !lacking.empty()) ThrowLacking(lacking);
}

std::string FirstCharacterCp932Lacks(std::string_view utf8) {
  thread_local Converter conv("CP932", "UTF-8");
  std::string first;
  conv.Run(utf8, [&](const char* in, size_t left, std::string&) {
    const size_t n = SkipOneCharacter(in, left);
    if (first.empty()) first.assign(in, n);
    return n;
  });
  return first;
}

std::string Cp932ToUtf8(std::string_view bytes) {
  thread_local Converter conv("UTF-8", "CP932");
  return conv.Run(bytes, [](const char* in, size_t left, std::string& out) {
    out.append("\xEF\xBF\xBD");
    // A lead byte followed by a bad trail byte drops only the lead byte, so the
    // trail byte is read again on its own.
    (void)in;
    (void)left;
    return size_t{1};
  });
}

std::size_t FirstNonCp932Byte(std::string_view bytes) {
  thread_local Converter conv("UTF-8", "CP932");
  std::size_t first = std::string_view::npos;
  conv.Run(bytes, [&](const char* in, size_t, std::string&) {
    first = std::min(first, static_cast<std::size_t>(in - bytes.data()));
    return size_t{1};
  });
  return first;
}

std::size_t FirstNonAsciiOfUtf8Text(std::string_view bytes) {
  std::size_t first = std::string_view::npos;
  for (std::size_t i = 0; i < bytes.size();) {
    const size_t n = WellFormedUtf8Length(bytes.substr(i));
    if (n == 0) return std::string_view::npos;
    if (n > 1) first = std::min(first, i);
    i += n;
  }
  return first;
}

std::vector<std::string> Cp932LostCharacters(std::string_view utf8) {
  std::vector<std::string> lost;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t n = std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    const std::string character(utf8.substr(i, n));
    i += n;
    if (Cp932ToUtf8(Utf8ToCp932(character)) == character) continue;
    if (std::find(lost.begin(), lost.end(), character) == lost.end()) lost.push_back(character);
  }
  return lost;
}

}  // namespace vx::runtime
