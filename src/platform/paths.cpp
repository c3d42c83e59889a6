#include "platform/paths.h"

#include <algorithm>
#include <system_error>

#include "platform/file_errors.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

// Case-insensitive order, ties broken by the exact bytes so the order is total.
bool LessIgnoringAsciiCase(const std::string& a, const std::string& b) {
  const int c = [&] {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      const auto x = static_cast<unsigned char>(FoldAscii(a[i]));
      const auto y = static_cast<unsigned char>(FoldAscii(b[i]));
      if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
  }();
  return c != 0 ? c < 0 : a < b;
}

std::vector<std::string> SplitComponents(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

bool Exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

// The entry of `folder` whose name equals `name` but for ASCII letter case, "" if none
// (the first in name order when several do).
std::string FindIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  std::string best;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualsIgnoringAsciiCase(entry, name) && (best.empty() || entry < best)) best = entry;
  }
  return best;
}

// One UTF-8 character from `s` at `i` (a lone byte when the sequence is broken).
std::string_view NextChar(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (i + len > s.size()) len = 1;
  return s.substr(i, len);
}

// "*" any run of characters, "?" one character; ASCII letters compared without case.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
  std::size_t p = 0, n = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starN = n;
      continue;
    }
    const auto nc = NextChar(name, n);
    if (p < pattern.size()) {
      const auto pc = NextChar(pattern, p);
      if (pc == "?" || EqualsIgnoringAsciiCase(pc, nc)) {
        p += pc.size();
        n += nc.size();
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    p = starP;
    starN += NextChar(name, starN).size();
    n = starN;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

fs::path BaseFolderFromProgramFolder(const fs::path& programFolder) {
  fs::path folder = programFolder;
  while (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
  if (EqualsIgnoringAsciiCase(folder.filename().string(), "ExePro")) return folder.parent_path();
  return folder;
}

fs::path ResolvePath(std::string_view path) {
  const bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
  const bool trailingSeparator = !path.empty() && (path.back() == '/' || path.back() == '\\');
  fs::path result = absolute ? fs::path("/") : fs::path();
  bool onDisk = true;
  for (const auto& part : SplitComponents(path)) {
    if (onDisk && part != "." && part != ".." && !Exists(result / part)) {
      const std::string found = FindIgnoringCase(result, part);
      if (found.empty()) {
        onDisk = false;
      } else {
        result /= found;
        continue;
      }
    }
    result /= part;
  }
  if (trailingSeparator && result.has_filename()) result /= "";
  return result;
}

std::vector<fs::path> ListMatching(std::string_view pattern) {
  const auto cut = pattern.find_last_of("\\/");
  const std::string_view folderPart = cut == std::string_view::npos ? std::string_view() : pattern.substr(0, cut + 1);
  std::string_view namePattern = cut == std::string_view::npos ? pattern : pattern.substr(cut + 1);
  if (namePattern.empty()) namePattern = "*";
  const fs::path folder = folderPart.empty() ? fs::path() : ResolvePath(folderPart);

  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    std::string name = it->path().filename().string();
    if (WildcardMatch(namePattern, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LessIgnoringAsciiCase);
  std::vector<fs::path> result;
  result.reserve(names.size());
  for (const auto& name : names) result.push_back(folder / name);
  return result;
}

bool FileExists(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

bool IsBareFileName(std::string_view name) {
  return !name.empty() && name.find_first_of("\\/") == std::string_view::npos &&
         name.find("..") == std::string_view::npos;
}

bool Paths::Exists(std::string_view literal) const { return FileExists(Under(literal)); }

bool Paths::DeleteIfExists(std::string_view literal) const {
  const fs::path p = Under(literal);
  if (!FileExists(p)) return false;
  std::error_code ec;
  if (!fs::remove(p, ec) && ec) ThrowFileError(ec.value(), p);
  return true;
}

}  // namespace vx::platform
