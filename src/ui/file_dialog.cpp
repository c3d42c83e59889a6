#include "ui/file_dialog.h"

namespace vx::ui {

std::optional<std::string> ScriptedFileDialogs::Show(FileDialogKind kind, const FileDialogRequest& request) {
  shown.push_back({kind, request});
  if (script_.empty() || script_.front().kind != kind || script_.front().title != request.title) {
    if (onUnexpected) {
      onUnexpected(std::string("unexpected ") + (kind == FileDialogKind::Open ? "open" : "save") + " dialog [" +
                   request.title + "]");
    }
    return std::nullopt;
  }
  auto answer = std::move(script_.front().answer);
  script_.pop_front();
  return answer;
}

namespace {

std::vector<std::string> SplitBar(const std::string& s) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = s.find('|', start);
    parts.push_back(s.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) return parts;
    start = bar + 1;
  }
}

}  // namespace

std::string ToQtFileFilter(const std::string& filter) {
  if (filter.empty()) return {};
  const auto parts = SplitBar(filter);
  std::string out;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    const std::string& description = parts[i];
    std::string patterns = i + 1 < parts.size() ? parts[i + 1] : std::string("*");
    for (char& c : patterns) {
      if (c == ';') c = ' ';
    }
    std::string entry = description;
    const std::string tail = "(" + patterns + ")";
    if (entry.size() < tail.size() || entry.compare(entry.size() - tail.size(), tail.size(), tail) != 0) {
      if (!entry.empty()) entry += ' ';
      entry += tail;
    }
    if (!out.empty()) out += ";;";
    out += entry;
  }
  return out;
}

}  // namespace vx::ui
