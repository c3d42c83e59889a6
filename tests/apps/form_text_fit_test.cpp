// Every text of every form fits its control: each form is built from its design (without
// its load step), and each control's texts (its design text, its list items, and the
// widest texts the programs write into it) are measured in the control's own font against
// the room the control leaves for text inside its frame and margins.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <climits>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "form_text_fit_forms.h"
#include "ui/fonts.h"

namespace vx::form_text {
namespace {

// The room a widget leaves for one line of text: its contents rect less its frame and the
// margins it keeps around the text. Width -1: the widget shows no text.
QSize TextRoom(QWidget* w) {
  constexpr int kAnyHeight = INT_MAX / 2;
  QStyle* style = w->style();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.rect = edit->contentsRect();
    opt.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    const QRect r = style->subElementRect(QStyle::SE_LineEditContents, &opt, edit).marginsRemoved(edit->textMargins());
    constexpr int kLineEditInnerMargin = 2;  // QLineEdit's own, each side
    return {r.width() - 2 * kLineEditInnerMargin, r.height()};
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    // Scrolls: only the width counts.
    return {edit->viewport()->width() - 2 * static_cast<int>(edit->document()->documentMargin()), kAnyHeight};
  }
  if (auto* label = qobject_cast<QLabel*>(w)) {
    int indent = label->indent();
    if (indent < 0) indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const QRect r = label->contentsRect();
    return {r.width() - 2 * label->margin() - indent, r.height() - 2 * label->margin()};
  }
  if (auto* button = qobject_cast<QPushButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.rect = button->contentsRect();
    if (button->autoDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
    return style->subElementRect(QStyle::SE_PushButtonContents, &opt, button).size();
  }
  if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(w);
    opt.rect = w->contentsRect();
    const auto element = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
    return style->subElementRect(element, &opt, w).size();
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (QLineEdit* edit = combo->lineEdit()) return TextRoom(edit);
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.rect = combo->contentsRect();
    opt.editable = false;
    opt.frame = combo->hasFrame();
    constexpr int kLabelInset = 1;  // the label is drawn one pixel in from each side of its field
    const QRect r = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    return {r.width() - 2 * kLabelInset, r.height()};
  }
  if (auto* group = qobject_cast<QGroupBox*>(w)) {
    QStyleOptionGroupBox opt;
    opt.initFrom(group);
    opt.rect = group->contentsRect();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.lineWidth = 1;
    const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, group);
    return {group->contentsRect().width() - 2 * (label.left() - group->contentsRect().left()), kAnyHeight};
  }
  return {-1, -1};
}

// Labels and text areas break their lines; a text fits when each line fits the width and
// the lines fit the height (one line always may be shown, however low the label).
bool Wraps(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->wordWrap();
  return qobject_cast<QPlainTextEdit*>(w) != nullptr;
}

// One text that does not fit, as a line of the failure report. A line of text needs the
// font's height; labels may be lower than one line (they show that line all the same).
std::string Misfit(QWidget* w, const QString& text, QSize room) {
  const QFontMetrics fm(w->font());
  std::ostringstream s;
  if (Wraps(w)) {
    const int height = qobject_cast<QLabel*>(w) ? std::max(room.height(), fm.height()) : room.height();
    const QRect need = fm.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), Qt::TextWordWrap, text);
    if (need.width() <= room.width() && need.height() <= height) return {};
    s << "needs " << need.width() << "x" << need.height() << " px, has " << room.width() << "x" << height;
    return s.str();
  }
  int widest = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
  const int tall = static_cast<int>(lines.size()) * fm.height();
  if (widest <= room.width() && tall <= room.height()) return {};
  s << "needs " << widest << "x" << tall << " px, has " << room.width() << "x" << room.height();
  return s.str();
}

class FormTextFitTest : public ::testing::TestWithParam<FormEntry> {};

TEST_P(FormTextFitTest, EveryTextFitsItsControl) {
  Programs programs;
  std::unique_ptr<ui::Form> form = LoadDesign(programs, GetParam());
  ASSERT_EQ(form->Name(), GetParam().name);
  ASSERT_TRUE(form->Loaded());
  int measured = 0;
  std::vector<const WidestTexts*> used;
  Walk(*form, [&](ui::Control& c) {
    QWidget* w = c.Widget();
    if (!w || NeverShown(*form, c)) return;
    const QSize room = TextRoom(w);
    if (room.width() < 0) return;
    for (const QString& text : TextsOf(*form, c, used)) {
      ++measured;
      const std::string misfit = Misfit(w, text, room);
      EXPECT_TRUE(misfit.empty()) << form->Name() << "." << Describe(c) << " \"" << text.toStdString() << "\" "
                                  << misfit << " (" << w->font().family().toStdString() << " "
                                  << w->font().pixelSize() << " px)";
    }
  });
  EXPECT_GT(measured, 0);
  for (const WidestTexts& row : Widest()) {
    if (row.form == form->Name()) {
      EXPECT_NE(std::find(used.begin(), used.end(), &row), used.end()) << "no control " << row.control << " on " << row.form;
    }
  }
  form->Unload();
}

INSTANTIATE_TEST_SUITE_P(AllForms, FormTextFitTest, ::testing::ValuesIn(AllForms()), TestName);

// The faces the forms name are installed: a missing font package would silently fall back
// to another face of other widths. The rooms above are those of the programs' style.
TEST(ProgramFonts, TheFormsFacesAreInstalled) {
  EXPECT_EQ(QApplication::style()->name().toStdString(), "fusion");
  for (std::string_view face : {ui::kProportionalGothic, ui::kFixedGothic}) {
    const QFont font = ui::ProgramFont(face);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), ui::InstalledFace(face));
    EXPECT_EQ(QFontInfo(font).pixelSize(), 12);
  }
}

}  // namespace
}  // namespace vx::form_text
