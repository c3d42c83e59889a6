#include "ui/qt_message_boxes.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

namespace vx::ui {
namespace {

QMessageBox::Icon ToQt(Icon icon) {
  switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The widest line of `text` in the box's font, in pixels.
int WidestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The fitted text, cut shorter where its lines of wide characters would make the box wider
// than the screen (the box's icon, margins and frame take the rest).
QString FitToScreen(const QWidget& box, const std::string& text) {
  QString fitted = FromUtf8(text);
  const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
  if (!screen) return fitted;
  const int room = screen->availableGeometry().width() * 3 / 4;
  const QFontMetrics metrics(box.font());
  for (std::size_t chars = kBoxLineChars; chars > 8 && WidestLine(metrics, fitted) > room;) {
    chars = chars * 3 / 4;
    fitted = FromUtf8(FitBoxText(text, chars));
  }
  return fitted;
}

}  // namespace

Answer QtMessageBoxes::ShowFitted(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
  QMessageBox box;
  box.setWindowTitle(FromUtf8(title.empty() ? std::string_view(programName_) : std::string_view(title)));
  // Quoted values are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(FitToScreen(box, text));
  box.setIcon(ToQt(icon));
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  switch (buttons) {
    case Buttons::Ok:
      ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
      box.setEscapeButton(ok);
      break;
    case Buttons::OkCancel:
      ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
      cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
      box.setEscapeButton(cancel);
      break;
    case Buttons::YesNo:
      yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
      break;
  }
  box.setDefaultButton(ok ? ok : yes);
  box.exec();
  const auto* clicked = box.clickedButton();
  if (clicked && clicked == yes) return Answer::Yes;
  if (clicked && clicked == no) return Answer::No;
  if (clicked && clicked == ok) return Answer::Ok;
  // Closed some other way (the program ending): the safe answer.
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
  }
  return Answer::Ok;
}

}  // namespace vx::ui
