#include "ui/popup_menu.h"

#include "ui/menu.h"

namespace vx::ui {
namespace {

Menu* FindEntry(Menu& menu, const std::string& name) {
  for (Menu* e : menu.Entries()) {
    if (e->Name() == name) return e;
    if (Menu* inner = FindEntry(*e, name)) return inner;
  }
  return nullptr;
}

}  // namespace

Menu* ScriptedPopupMenus::Choose(Menu& menu) {
  shown.push_back(menu.Name());
  auto unexpected = [&](const std::string& why) -> Menu* {
    if (onUnexpected) onUnexpected("unexpected popup menu [" + menu.Name() + "]" + why);
    return nullptr;
  };
  if (script_.empty() || script_.front().menuName != menu.Name()) return unexpected("");
  const Step step = script_.front();
  script_.pop_front();
  if (step.entryName.empty()) return nullptr;
  Menu* entry = FindEntry(menu, step.entryName);
  if (!entry || !entry->Enabled() || !entry->Visible() || entry->IsSeparator()) {
    return unexpected(": entry " + step.entryName + " cannot be chosen");
  }
  return entry;
}

}  // namespace vx::ui
