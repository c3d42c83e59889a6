#include "ui/qt_file_dialogs.h"

#include <QFileDialog>

namespace vx::ui {

std::optional<std::string> QtFileDialogs::Show(FileDialogKind kind, const FileDialogRequest& request) {
  QFileDialog dialog(nullptr, QString::fromStdString(request.title), QString::fromStdString(request.initialFolder),
                     QString::fromStdString(ToQtFileFilter(request.filter)));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (kind == FileDialogKind::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  }
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  return files.front().toStdString();
}

}  // namespace vx::ui
