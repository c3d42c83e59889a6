#include "ui/combo_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "runtime/runtime_error.h"
#include "ui/ui_errors.h"

namespace vx::ui {

void ComboBox::ResetProperties() {
  Control::ResetProperties();
  style_ = ComboStyle::Editable;
  items_.clear();
  listIndex_ = -1;
  text_.clear();
}

QWidget* ComboBox::CreateWidget(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(style_ == ComboStyle::Editable);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo, &QComboBox::activated, Session(), [this, combo](int index) {
    if (widget_ == combo) UserChose(index);
  });
  if (QLineEdit* edit = combo->lineEdit()) {
    QObject::connect(edit, &QLineEdit::textEdited, Session(), [this, combo](const QString& t) {
      if (widget_ == combo) UserTyped(t.toStdString());
    });
  }
  widget_ = combo;
  Push();
  return combo;
}

void ComboBox::Push() {
  auto* combo = qobject_cast<QComboBox*>(widget_);
  if (!combo) return;
  const QSignalBlocker block(combo);
  if (combo->count() != ListCount()) {
    combo->clear();
    for (const auto& item : items_) combo->addItem(QString::fromStdString(item));
  } else {
    for (int i = 0; i < ListCount(); ++i) combo->setItemText(i, QString::fromStdString(items_[static_cast<std::size_t>(i)]));
  }
  combo->setCurrentIndex(listIndex_);
  if (combo->isEditable()) combo->setEditText(QString::fromStdString(text_));
}

int ComboBox::FindExact(const std::string& text) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == text) return static_cast<int>(i);
  }
  return -1;
}

void ComboBox::AddItem(std::string item, int index) {
  if (index < -1 || index > ListCount()) throw runtime::RuntimeError(runtime::kInvalidProcedureCall);
  if (index == -1) index = ListCount();
  items_.insert(items_.begin() + index, std::move(item));
  if (listIndex_ >= index) ++listIndex_;
  Push();
}

void ComboBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) throw runtime::RuntimeError(runtime::kInvalidProcedureCall);
  items_.erase(items_.begin() + index);
  if (listIndex_ == index) {
    listIndex_ = -1;
    if (style_ == ComboStyle::ListOnly) text_.clear();
  } else if (listIndex_ > index) {
    --listIndex_;
  }
  Push();
}

void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
  Push();
}

const std::string& ComboBox::List(int index) const {
  static const std::string kNone;
  if (index < 0 || index >= ListCount()) return kNone;
  return items_[static_cast<std::size_t>(index)];
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) throw InvalidPropertyValue();
  if (index == listIndex_) return;
  listIndex_ = index;
  const std::string before = text_;
  text_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
  Push();
  if (style_ == ComboStyle::Editable && text_ != before) RaiseFromCode(onChange);
  RaiseFromCode(onClick);
}

void ComboBox::SetText(std::string text) {
  const int match = FindExact(text);
  if (style_ == ComboStyle::ListOnly) {
    if (match < 0) throw TextPropertyReadOnly();
    SetListIndex(match);
    return;
  }
  if (text == text_) return;
  text_ = std::move(text);
  listIndex_ = match;
  Push();
  RaiseFromCode(onChange);
}

void ComboBox::UserChose(int index) {
  if (index < 0 || index >= ListCount()) return;
  const bool changed = index != listIndex_;
  listIndex_ = index;
  const std::string before = text_;
  text_ = items_[static_cast<std::size_t>(index)];
  if (changed || text_ != before) RaiseFromUser(onClick);
}

void ComboBox::UserTyped(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  listIndex_ = -1;
  RaiseFromUser(onChange);
}

}  // namespace vx::ui
