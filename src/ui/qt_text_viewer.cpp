#include "ui/qt_text_viewer.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>

#include "platform/text_file.h"

namespace vx::ui {

struct QtTextViewer::Windows {
  std::vector<QPointer<QWidget>> list;
};

QtTextViewer::QtTextViewer() : windows_(std::make_unique<Windows>()) {}

QtTextViewer::~QtTextViewer() {
  for (auto& w : windows_->list) delete w.data();
}

void QtTextViewer::Show(const std::filesystem::path& file, bool onTop) {
  QString text = QString::fromStdString(platform::ReadTextFile(file));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  auto* view = new QPlainTextEdit();
  view->setAttribute(Qt::WA_DeleteOnClose);
  view->setWindowFlags(Qt::Window | (onTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
  view->setWindowTitle(QString::fromStdString(file.filename().string()));
  view->setReadOnly(true);
  view->setLineWrapMode(QPlainTextEdit::NoWrap);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view->setPlainText(text);
  view->resize(800, 600);
  std::erase_if(windows_->list, [](const QPointer<QWidget>& w) { return w.isNull(); });
  windows_->list.emplace_back(view);
  view->show();
  view->raise();
  view->activateWindow();
}

std::vector<QWidget*> QtTextViewer::OpenWindows() const {
  std::vector<QWidget*> open;
  for (const auto& w : windows_->list) {
    if (w) open.push_back(w.data());
  }
  return open;
}

}  // namespace vx::ui
