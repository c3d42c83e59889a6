#include "datafiles/positional_text.h"

#include "platform/text_file.h"

namespace vx::datafiles {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Hands each item of one line (no line-end characters in it) to `emit` as a view into the
// line, so a caller keeps only what it needs.
template <class Emit>
void ForEachLineItem(std::string_view line, ItemRules rules, Emit&& emit) {
  if (rules.skipBlankLines && line.find_first_not_of(" \t") == std::string_view::npos) return;
  std::size_t pos = 0;
  for (;;) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    std::size_t comma;
    if (pos < line.size() && line[pos] == '"') {
      const std::size_t close = line.find('"', pos + 1);
      if (close == std::string_view::npos) {
        emit(line.substr(pos + 1));
        return;
      }
      emit(line.substr(pos + 1, close - pos - 1));
      comma = line.find(',', close + 1);
    } else {
      comma = line.find(',', pos);
      const std::string_view item = line.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
      emit(rules.trimUnquotedEnd ? TrimEnd(item) : item);
    }
    if (comma == std::string_view::npos) return;
    pos = comma + 1;
  }
}

}  // namespace

namespace {

template <class Emit>
void ForEachItem(std::string_view text, ItemRules rules, Emit&& emit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    ForEachLineItem(text.substr(start, i - start), rules, emit);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) ForEachLineItem(text.substr(start), rules, emit);
}

}  // namespace

std::vector<std::string> SplitItems(std::string_view text, ItemRules rules) {
  std::vector<std::string> items;
  ForEachItem(text, rules, [&](std::string_view item) { items.emplace_back(item); });
  return items;
}

// Only the value items are kept: a comment line of a million empty items costs nothing.
std::vector<std::string> ExtractValues(std::string_view text) {
  std::vector<std::string> values;
  ForEachItem(text, {}, [&](std::string_view item) {
    if (!item.empty() && item.front() == '=') values.emplace_back(item.substr(1));
  });
  return values;
}

std::vector<std::string> ReadPositionalFile(const std::filesystem::path& path) {
  return ExtractValues(platform::ReadCp932TextFile(path));
}

std::string WritableValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == ',') {
      out += "，";
    } else if (c == '\r' || c == '\n') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace vx::datafiles
