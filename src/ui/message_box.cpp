#include "ui/message_box.h"

#include "ui/scope_guard.h"

namespace vx::ui {

Answer MessageBoxes::Show(std::string_view text, Buttons buttons, Icon icon, std::string_view title) {
  ++open_;
  ++shown_;
  ScopeGuard closed([this] { --open_; });
  return ShowBox(text, buttons, icon, title);
}

Answer ScriptedMessageBoxes::ShowBox(std::string_view text, Buttons buttons, Icon icon, std::string_view title) {
  Shown box{std::string(text), buttons, icon, title.empty() ? programName : std::string(title)};
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
