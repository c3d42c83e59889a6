#include "ui/message_box.h"

#include <algorithm>

#include "platform/event_pump.h"
#include "runtime/cp932.h"
#include "ui/scope_guard.h"

namespace vx::ui {

namespace {

// The bytes of the character at `at`: a whole UTF-8 sequence, or one byte where the text
// is no UTF-8 (the box shows such a byte as one replacement character).
std::size_t CharacterBytes(std::string_view s, std::size_t at) {
  const std::size_t length = runtime::WellFormedUtf8Length(s.substr(at));
  return length > 0 ? length : 1;
}

std::size_t CharacterCount(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t at = 0; at < s.size(); at += CharacterBytes(s, at)) ++n;
  return n;
}

// The byte offset where character `n` of `s` starts (the size when it has fewer).
std::size_t OffsetOfCharacter(std::string_view s, std::size_t n) {
  std::size_t at = 0;
  for (; at < s.size() && n > 0; --n) at += CharacterBytes(s, at);
  return at;
}

std::string FitLine(std::string_view line, std::size_t lineChars) {
  const std::size_t chars = CharacterCount(line);
  if (chars <= lineChars) return std::string(line);
  // The start gets two thirds of what is kept, the end the rest, the mark one character.
  const std::size_t keep = lineChars - 1;
  const std::size_t head = keep * 2 / 3;
  const std::size_t tail = keep - head;
  std::string out(line.substr(0, OffsetOfCharacter(line, head)));
  out += kBoxCutMark;
  out += line.substr(OffsetOfCharacter(line, chars - tail));
  return out;
}

// A line of a box's text and the line end after it ("" for the last line). The box breaks
// its lines at CR LF, LF and a lone CR alike.
struct TextLine {
  std::string_view text;
  std::string_view end;
};

std::vector<TextLine> SplitLines(std::string_view text) {
  std::vector<TextLine> lines;
  std::size_t from = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\n' && text[at] != '\r') continue;
    const std::size_t endLength = text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({text.substr(from, at - from), text.substr(at, endLength)});
    at += endLength - 1;
    from = at + 1;
  }
  lines.push_back({text.substr(from), {}});
  return lines;
}

}  // namespace

std::string FitBoxText(std::string_view text, std::size_t lineChars) {
  const std::vector<TextLine> lines = SplitLines(text);
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
    out += FitLine(lines[i].text, std::max<std::size_t>(lineChars, 2));
    out += lines[i].end;
  }
  return out;
}

void MessageBoxes::ThrowIfEnded() const {
  if (endingPump_ && endingPump_->Ended()) throw platform::ProgramEnding{endingPump_->ExitCode()};
}

Answer MessageBoxes::Show(std::string_view text, Buttons buttons, Icon icon, std::string_view title) {
  ThrowIfEnded();
  Answer answer;
  {
    ++open_;
    ++shown_;
    ScopeGuard closed([this] { --open_; });
    answer = ShowFitted(FitBoxText(text), buttons, icon, FitBoxText(title));
  }
  ThrowIfEnded();
  return answer;
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
