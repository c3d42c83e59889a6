// Every text of every form shows whole: no control drawn above a text paints over it. Each
// form is built from its design (without its load step); for each text a control may show
// (as in the fit test), the rectangle it is drawn in follows from the control's font
// metrics, its alignment and the room its style leaves; then every control drawn after it
// (a later sibling of it or of one of its frames, and a frame's own controls over its
// caption) is rendered on its own, and none may paint a pixel inside that rectangle. A label
// or frame drawn above paints only its text and lines, so lying over a text is no fault of
// its own; a box or button paints its whole face.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QTextLayout>
#include <QTextOption>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <climits>
#include <functional>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "form_text_fit_forms.h"

namespace vx::form_text {
namespace {

constexpr int kAnyHeight = INT_MAX / 2;

// Where a text's lines are drawn with ink: the runs between blanks of each line, as the
// font lays the text out in `box` with `flags` (Qt's own line breaking; each line placed in
// the text's block by the horizontal alignment). Controls may lie over a text's blanks:
// the forms put their boxes into the blank run of a label's caption.
std::vector<QRect> InkRuns(const QFont& font, const QRect& box, int flags, const QString& text) {
  const QFontMetrics fm(font);
  const QRect block = fm.boundingRect(box, flags, text);
  const bool wraps = (flags & Qt::TextWordWrap) != 0;
  QString laid = text;
  laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(laid, font);
  QTextOption option;
  option.setWrapMode(wraps ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal y = -fm.leading();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(wraps ? box.width() : kAnyHeight);
    y = std::ceil(y + fm.leading());
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();
  std::vector<QRect> runs;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const int natural = static_cast<int>(std::ceil(line.naturalTextWidth()));
    int left = block.left();
    if (flags & Qt::AlignRight) left = block.right() + 1 - natural;
    if (flags & Qt::AlignHCenter) left = block.left() + (block.width() - natural) / 2;
    const int top = block.top() + static_cast<int>(line.y());
    const int end = line.textStart() + line.textLength();
    for (int a = line.textStart(); a < end;) {
      if (laid[a].isSpace()) {
        ++a;
        continue;
      }
      int b = a;
      while (b < end && !laid[b].isSpace()) ++b;
      const int x0 = static_cast<int>(std::floor(line.cursorToX(a)));
      const int x1 = static_cast<int>(std::ceil(line.cursorToX(b)));
      runs.emplace_back(left + x0, top, x1 - x0, static_cast<int>(std::ceil(line.height())));
      a = b;
    }
  }
  return runs;
}

// The one line of a line edit: the font's height in its contents, placed as QLineEdit
// places it (2 px in from the sides, 1 px from a top or bottom edge, centred otherwise);
// a text wider than the room shows from its start.
QRect LineEditLine(QLineEdit* edit, const QString& text, QRect* contents) {
  QStyleOptionFrame opt;
  opt.initFrom(edit);
  opt.rect = edit->contentsRect();
  opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
  const QRect r =
      edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit).marginsRemoved(edit->textMargins());
  *contents = r;
  constexpr int kHorizontalMargin = 2, kVerticalMargin = 1;
  const QFontMetrics fm(edit->font());
  const Qt::Alignment align = QStyle::visualAlignment(edit->layoutDirection(), edit->alignment());
  int y = r.y() + (r.height() - fm.height() + 1) / 2;
  if (align & Qt::AlignTop) y = r.y() + kVerticalMargin;
  if (align & Qt::AlignBottom) y = r.bottom() + 1 - fm.height() - kVerticalMargin;
  const QRect line(r.x() + kHorizontalMargin, y, r.width() - 2 * kHorizontalMargin, fm.height());
  const int width = fm.horizontalAdvance(text);
  int x = line.x();
  if (width < line.width()) {
    if (align & Qt::AlignRight) x = line.right() + 1 - width;
    if (align & Qt::AlignHCenter) x = line.x() + (line.width() - width) / 2;
  }
  return QRect(x, y, width, fm.height());
}

// Where a widget draws one of its texts with ink, in the widget's own coordinates, from
// its font, its alignment and the room its style leaves for the text; none when the
// widget draws no text.
std::vector<QRect> DrawnText(QWidget* w, const QString& text) {
  QStyle* style = w->style();
  const QFont& font = w->font();
  const QFontMetrics fm(font);
  QRect box;           // where the text is laid out
  int flags = 0;       // how
  QRect clip = w->rect();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    box = LineEditLine(edit, text, &clip);
    flags = Qt::AlignLeft | Qt::AlignTop;
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    // From the top left of the page, lines broken at its width.
    const int margin = static_cast<int>(edit->document()->documentMargin());
    clip = edit->viewport()->geometry();
    box = clip.adjusted(margin, margin, -margin, -margin);
    box.setHeight(kAnyHeight);
    flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    // As QLabel draws plain text: its contents less the margin, the indent on the sides
    // it aligns to.
    const int m = label->margin();
    box = label->contentsRect().adjusted(m, m, -m, -m);
    int indent = label->indent();
    if (indent < 0) indent = label->frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (align & Qt::AlignLeft) box.setLeft(box.left() + indent);
    if (align & Qt::AlignRight) box.setRight(box.right() - indent);
    if (align & Qt::AlignTop) box.setTop(box.top() + indent);
    if (align & Qt::AlignBottom) box.setBottom(box.bottom() - indent);
    flags = static_cast<int>(align) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.rect = button->contentsRect();
    box = style->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
    flags = Qt::AlignCenter | Qt::TextShowMnemonic;
  } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(w);
    opt.rect = w->contentsRect();
    const auto element = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
    box = style->subElementRect(element, &opt, w);
    flags = static_cast<int>(QStyle::visualAlignment(w->layoutDirection(), Qt::AlignLeft)) | Qt::AlignVCenter |
            Qt::TextShowMnemonic;
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (QLineEdit* edit = combo->lineEdit()) {
      box = LineEditLine(edit, text, &clip).translated(edit->pos());
      clip = clip.translated(edit->pos()) & edit->geometry();
      flags = Qt::AlignLeft | Qt::AlignTop;
    } else {
      QStyleOptionComboBox opt;
      opt.initFrom(combo);
      opt.rect = combo->contentsRect();
      opt.editable = false;
      opt.frame = combo->hasFrame();
      // The label is drawn one pixel in from each side of its field.
      box = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo).adjusted(1, 0, -1, 0);
      flags = Qt::AlignLeft | Qt::AlignVCenter;
    }
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    QStyleOptionGroupBox opt;
    opt.initFrom(group);
    opt.rect = group->contentsRect();
    opt.text = text;
    opt.textAlignment = group->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.lineWidth = 1;
    box = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, group);
    flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
  } else {
    return {};
  }
  std::vector<QRect> runs;
  for (const QRect& run : InkRuns(font, box, flags, text)) {
    if (const QRect shown = run & clip; !shown.isEmpty()) runs.push_back(shown);
  }
  return runs;
}

// The widget drawn on its own, its controls included.
QImage Drawn(QWidget* w) {
  QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

// True when the widget, drawn on its own with its controls, paints a pixel inside `area`
// (its own coordinates). A widget that fills its background paints all of it.
bool Paints(QWidget* w, const QRect& area) {
  if (w->autoFillBackground()) return true;
  const QImage image = Drawn(w);
  const QRect inside = area & image.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) return true;
    }
  }
  return false;
}

struct Cover {
  QWidget* by;
  QRect where;  // the overlap, in the covering widget's parent's coordinates
};

// The first widget drawn above `area` (in `below`'s coordinates) that paints inside it,
// among the widgets after `below` in its parent's stacking order, then after each of its
// ancestors in theirs, up to the window. What lies outside a parent is clipped away.
std::optional<Cover> DrawnAbove(QWidget* below, QRect area) {
  for (QWidget* x = below; !x->isWindow() && x->parentWidget() != nullptr; x = x->parentWidget()) {
    QWidget* parent = x->parentWidget();
    area = area.translated(x->pos()) & parent->rect();
    if (area.isEmpty()) return std::nullopt;
    const QObjectList& stack = parent->children();
    for (auto it = std::find(stack.begin(), stack.end(), x) + 1; it < stack.end(); ++it) {
      auto* w = qobject_cast<QWidget*>(*it);
      if (w == nullptr || w->isWindow() || !w->isVisibleTo(parent)) continue;
      const QRect overlap = area & w->geometry();
      if (!overlap.isEmpty() && Paints(w, overlap.translated(-w->pos()))) return Cover{w, overlap};
    }
  }
  return std::nullopt;
}

// A frame's caption lies under the frame's own controls as well.
std::optional<Cover> ControlsOfFrameOver(QGroupBox* frame, const QRect& area) {
  for (QObject* o : frame->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w == nullptr || w->isWindow() || !w->isVisibleTo(frame)) continue;
    const QRect overlap = area & w->geometry();
    if (!overlap.isEmpty() && Paints(w, overlap.translated(-w->pos()))) return Cover{w, overlap};
  }
  return std::nullopt;
}

std::string Rect(const QRect& r) {
  std::ostringstream s;
  s << r.width() << "x" << r.height() << " px at " << r.x() << "," << r.y();
  return s.str();
}

// The text a widget shows now, and a way to show another in its place. (A frame's caption
// is left out: its lines move with it.)
struct ShownText {
  QString text;
  std::function<void(const QString&)> show;
};
std::optional<ShownText> TextShownBy(QWidget* w) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    return ShownText{edit->text(), [edit](const QString& t) { edit->setText(t); }};
  }
  if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    return ShownText{edit->toPlainText(), [edit](const QString& t) { edit->setPlainText(t); }};
  }
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->pixmap().isNull()) return ShownText{label->text(), [label](const QString& t) { label->setText(t); }};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    return ShownText{button->text(), [button](const QString& t) { button->setText(t); }};
  }
  if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
    QLineEdit* edit = combo->lineEdit();
    return ShownText{edit->text(), [edit](const QString& t) { edit->setText(t); }};
  }
  if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->currentIndex() >= 0) {
    const int i = combo->currentIndex();
    return ShownText{combo->currentText(), [combo, i](const QString& t) { combo->setItemText(i, t); }};
  }
  return std::nullopt;
}

class FormTextCoverTest : public ::testing::TestWithParam<FormEntry> {};

TEST_P(FormTextCoverTest, NoTextLiesUnderAControlDrawnAboveIt) {
  Programs programs;
  std::unique_ptr<ui::Form> form = LoadDesign(programs, GetParam());
  ASSERT_TRUE(form->Loaded());
  // The controls by widget, to name the covering one.
  std::map<const QWidget*, const ui::Control*> controls;
  Walk(*form, [&](ui::Control& c) {
    if (c.Widget()) controls[c.Widget()] = &c;
  });
  auto name = [&](const QWidget* w) {
    auto it = controls.find(w);
    return it != controls.end() ? Describe(*it->second) : w->metaObject()->className();
  };
  int looked = 0;
  std::vector<const WidestTexts*> used;
  Walk(*form, [&](ui::Control& c) {
    QWidget* w = c.Widget();
    if (!w || NeverShown(*form, c) || !w->isVisibleTo(w->window())) return;
    for (const QString& text : TextsOf(*form, c, used)) {
      for (const QRect& drawn : DrawnText(w, text)) {
        ++looked;
        std::optional<Cover> cover;
        if (auto* frame = qobject_cast<QGroupBox*>(w)) cover = ControlsOfFrameOver(frame, drawn);
        if (!cover) cover = DrawnAbove(w, drawn);
        EXPECT_FALSE(cover) << form->Name() << "." << Describe(c) << " \"" << text.toStdString() << "\": ink drawn in "
                            << Rect(drawn.translated(w->mapTo(w->window(), QPoint()))) << " lies under "
                            << name(cover->by) << " (overlap " << Rect(cover->where) << " in "
                            << name(cover->by->parentWidget()) << ")";
      }
    }
  });
  EXPECT_GT(looked, 0);
  form->Unload();
}

// The rectangles above are where Qt draws: for the text each control shows as built, the
// pixels that change when the text is taken away lie in its ink runs (within a pixel, for
// glyphs that reach past their advance), and every run changes some.
TEST_P(FormTextCoverTest, InkRunsAreWhereTheTextIsDrawn) {
  Programs programs;
  std::unique_ptr<ui::Form> form = LoadDesign(programs, GetParam());
  ASSERT_TRUE(form->Loaded());
  int checked = 0;
  Walk(*form, [&](ui::Control& c) {
    QWidget* w = c.Widget();
    if (!w || NeverShown(*form, c)) return;
    const std::optional<ShownText> shown = TextShownBy(w);
    if (!shown || shown->text.isEmpty()) return;
    ++checked;
    const std::vector<QRect> runs = DrawnText(w, shown->text);
    const QImage with = Drawn(w);
    shown->show(QString());
    const QImage without = Drawn(w);
    shown->show(shown->text);
    std::vector<bool> inked(runs.size(), false);
    int stray = 0;
    QPoint firstStray;
    for (int y = 0; y < with.height(); ++y) {
      for (int x = 0; x < with.width(); ++x) {
        if (with.pixel(x, y) == without.pixel(x, y)) continue;
        bool near = false;
        for (std::size_t i = 0; i < runs.size(); ++i) {
          if (runs[i].contains(x, y)) inked[i] = true;
          near = near || runs[i].adjusted(-1, -1, 1, 1).contains(x, y);
        }
        if (!near && stray++ == 0) firstStray = QPoint(x, y);
      }
    }
    EXPECT_EQ(stray, 0) << form->Name() << "." << Describe(c) << " \"" << shown->text.toStdString() << "\" draws "
                        << stray << " px outside its ink runs, the first at " << firstStray.x() << ","
                        << firstStray.y();
    for (std::size_t i = 0; i < runs.size(); ++i) {
      EXPECT_TRUE(inked[i]) << form->Name() << "." << Describe(c) << " \"" << shown->text.toStdString()
                            << "\" draws nothing in its run " << Rect(runs[i]);
    }
  });
  EXPECT_GT(checked, 0);
  form->Unload();
}

INSTANTIATE_TEST_SUITE_P(AllForms, FormTextCoverTest, ::testing::ValuesIn(AllForms()), TestName);

}  // namespace
}  // namespace vx::form_text
