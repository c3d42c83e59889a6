#include "ui/menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/event_boundary.h"
#include "ui/form.h"

namespace vx::ui {

Menu::Menu(Form& form, std::string name, std::string caption)
    : form_(form), name_(std::move(name)), designCaption_(std::move(caption)), caption_(designCaption_) {
  form_.menus_.push_back(this);
}

Menu::Menu(Menu& parent, std::string name, std::string caption)
    : form_(parent.form_),
      parent_(&parent),
      name_(std::move(name)),
      designCaption_(std::move(caption)),
      caption_(designCaption_) {
  parent.entries_.push_back(this);
}

Menu::~Menu() {
  if (parent_) {
    std::erase(parent_->entries_, this);
  } else {
    std::erase(form_.menus_, this);
  }
}

void Menu::Reset() {
  caption_ = designCaption_;
  enabled_ = true;
  visible_ = true;
  checked_ = false;
  for (Menu* e : entries_) e->Reset();
}

void Menu::Connect() {
  // The session object is the context: the connection ends with the load.
  QObject::connect(action_, &QAction::triggered, form_.SessionObject(), [this] {
    if (action_) DispatchEvent(form_.Env(), onClick);
  });
}

void Menu::MaterialiseOnBar(QMenuBar& bar) {
  if (entries_.empty()) {
    action_ = bar.addAction(QString::fromStdString(caption_));
    Connect();
  } else {
    QMenu* menu = bar.addMenu(QString::fromStdString(caption_));
    action_ = menu->menuAction();
    for (Menu* e : entries_) e->MaterialiseIn(*menu);
  }
  ApplyState();
}

void Menu::MaterialiseIn(QMenu& menu) {
  if (IsSeparator()) {
    action_ = menu.addSeparator();
  } else if (entries_.empty()) {
    action_ = menu.addAction(QString::fromStdString(caption_));
    Connect();
  } else {
    QMenu* sub = menu.addMenu(QString::fromStdString(caption_));
    action_ = sub->menuAction();
    for (Menu* e : entries_) e->MaterialiseIn(*sub);
  }
  ApplyState();
}

void Menu::Dematerialise() {
  action_ = nullptr;
  for (Menu* e : entries_) e->Dematerialise();
}

void Menu::ApplyState() {
  if (!action_) return;
  if (!IsSeparator()) action_->setText(QString::fromStdString(caption_));
  action_->setEnabled(enabled_);
  action_->setVisible(visible_);
  action_->setCheckable(checked_ || action_->isCheckable());
  action_->setChecked(checked_);
}

void Menu::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  ApplyState();
}

void Menu::SetEnabled(bool enabled) {
  enabled_ = enabled;
  ApplyState();
}

void Menu::SetVisible(bool visible) {
  visible_ = visible;
  ApplyState();
  if (!parent_) form_.LayoutClient();
}

void Menu::SetChecked(bool checked) {
  checked_ = checked;
  ApplyState();
}

}  // namespace vx::ui
