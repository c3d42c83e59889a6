#pragma once
// Menus of a form: the menus of its menu bar, their entries and submenus, and menus
// kept hidden on the bar to be shown as popups (Form::PopupMenu).
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace vx::ui {

class Form;

class Menu {
 public:
  // A menu of the form's menu bar (hide it in Design() to keep it for popups only).
  Menu(Form& form, std::string name, std::string caption);
  // An entry of `parent`; the caption "-" makes a separator.
  Menu(Menu& parent, std::string name, std::string caption);
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  const std::string& Name() const { return name_; }
  Form& OwnerForm() const { return form_; }
  const std::vector<Menu*>& Entries() const { return entries_; }
  bool IsSeparator() const { return caption_ == "-"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // Runs at the event boundary when the entry is chosen.
  std::function<void()> onClick;

  // The entry's action while the form is loaded (tests trigger it), else null.
  QAction* Action() const { return action_; }

 private:
  friend class Form;
  void Reset();
  void MaterialiseOnBar(QMenuBar& bar);
  void MaterialiseIn(QMenu& menu);
  void Dematerialise();
  void ApplyState();
  void Connect();

  Form& form_;
  Menu* parent_ = nullptr;
  std::string name_;
  std::string designCaption_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  std::vector<Menu*> entries_;
  QAction* action_ = nullptr;
};

}  // namespace vx::ui
