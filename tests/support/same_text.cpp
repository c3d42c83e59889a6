#include "support/same_text.h"

#include <algorithm>
#include <vector>

#include "runtime/cp932.h"

namespace vx::test {
namespace {

// The lines as the bytes hold them (CR LF, or a lone LF, ends a line), decoded.
std::vector<std::string> DecodedLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      lines.push_back(runtime::Cp932ToUtf8(line));
      line.clear();
    } else if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
      line += bytes[i];
    }
  }
  if (!line.empty()) lines.push_back(runtime::Cp932ToUtf8(line));
  return lines;
}

std::string Quoted(const std::vector<std::string>& lines, std::size_t i) {
  return i < lines.size() ? "\"" + lines[i] + "\"" : "(no line)";
}

}  // namespace

::testing::AssertionResult SameFileBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  const auto a = DecodedLines(actual);
  const auto e = DecodedLines(expected);
  std::size_t line = 0;
  while (line < a.size() && line < e.size() && a[line] == e[line]) ++line;
  auto result = ::testing::AssertionFailure();
  result << actual.size() << " bytes written, " << expected.size() << " expected; ";
  if (line == a.size() && line == e.size()) {
    result << "the lines agree: the line ends or the last line's end differ";
    return result;
  }
  result << "first difference in line " << line + 1 << ":\n";
  if (line > 0) result << "  both:     " << Quoted(e, line - 1) << "\n";
  result << "  written:  " << Quoted(a, line) << "\n  expected: " << Quoted(e, line);
  return result;
}

}  // namespace vx::test
