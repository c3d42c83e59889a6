#include "ui/message_box.h"

#include "ui/scope_guard.h"

namespace vx::ui {

namespace {

bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

std::size_t CharacterCount(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s) n += StartsCharacter(c);
  return n;
}

// The byte offset where character `n` of `s` starts (the size when it has fewer).
std::size_t OffsetOfCharacter(std::string_view s, std::size_t n) {
  for (std::size_t at = 0; at < s.size(); ++at) {
    if (StartsCharacter(s[at]) && n-- == 0) return at;
  }
  return s.size();
}

std::string FitLine(std::string_view line) {
  const std::size_t chars = CharacterCount(line);
  if (chars <= kBoxLineChars) return std::string(line);
  // The start gets two thirds of what is kept, the end the rest, the mark one character.
  const std::size_t keep = kBoxLineChars - 1;
  const std::size_t head = keep * 2 / 3;
  const std::size_t tail = keep - head;
  std::string out(line.substr(0, OffsetOfCharacter(line, head)));
  out += kBoxCutMark;
  out += line.substr(OffsetOfCharacter(line, chars - tail));
  return out;
}

}  // namespace

std::string FitBoxText(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t from = 0;;) {
    const std::size_t end = text.find('\n', from);
    lines.push_back(text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
    if (end == std::string_view::npos) break;
    from = end + 1;
  }
  const bool cutLines = lines.size() > kBoxLines;
  const std::size_t tailFrom = cutLines ? lines.size() - (kBoxLines - 1) / 4 : lines.size();
  const std::size_t headLines = cutLines ? kBoxLines - 1 - (lines.size() - tailFrom) : lines.size();
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i >= headLines && i < tailFrom) {
      if (i == headLines) {
        out += kBoxCutMark;
        out += '\n';
      }
      continue;
    }
    out += FitLine(lines[i]);
    if (i + 1 < lines.size()) out += '\n';
  }
  return out;
}

Answer MessageBoxes::Show(std::string_view text, Buttons buttons, Icon icon, std::string_view title) {
  ++open_;
  ++shown_;
  ScopeGuard closed([this] { --open_; });
  return ShowFitted(FitBoxText(text), buttons, icon, FitBoxText(title));
}

Answer ScriptedMessageBoxes::ShowFitted(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
  Shown box{text, buttons, icon, title.empty() ? programName : title};
  shown.push_back(box);
  if (whileOpen) whileOpen(box);
  const Answer first = buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  if (script_.empty() || script_.front().title != box.title ||
      (!script_.front().textPart.empty() && box.text.find(script_.front().textPart) == std::string::npos)) {
    if (onUnexpected) onUnexpected("unexpected message box [" + box.title + "] " + box.text);
    return first;
  }
  const Answer a = script_.front().answer;
  script_.pop_front();
  return a;
}

}  // namespace vx::ui
