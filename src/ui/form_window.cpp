#include "ui/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/key_codes.h"
#include "ui/twips.h"

namespace vx::ui {

FormWindow::FormWindow(Form& form) : QWidget(nullptr, Qt::Window), form_(&form) {}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (!form_) {
    event->accept();
    return;
  }
  // The form decides: its QueryUnload may keep it; an unload hides and retires this window.
  event->ignore();
  form_->WindowCloseRequested();
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (form_) form_->WindowMoved(pos().x(), pos().y());
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (form_) form_->WindowResized(width(), height());
}

void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (form_ && event->type() == QEvent::WindowStateChange) form_->WindowStateChanged();
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  if (!form_) return;
  const QPoint local = event->position().toPoint();
  int button = 0;
  switch (event->button()) {
    case Qt::LeftButton: button = kLeftButton; break;
    case Qt::RightButton: button = kRightButton; break;
    case Qt::MiddleButton: button = kMiddleButton; break;
    default: break;
  }
  form_->WindowMousePressed(
      MouseArgs{button, ShiftStateOf(static_cast<int>(event->modifiers())), PixelsToTwips(local.x()),
                PixelsToTwips(local.y())},
      event->globalPosition().toPoint());
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  const int key = VirtualKeyOf(*event);
  // The form's own keys: those typed while no control has the focus.
  const QWidget* focus = QApplication::focusWidget();
  if (form_ && key != 0 && (!focus || focus == this)) form_->WindowKeyPressed(key, ShiftStateOf(static_cast<int>(event->modifiers())));
  QWidget::keyPressEvent(event);
}

void FormSession::Watch(QWidget* widget, Control& control) {
  watched_[widget] = &control;
  widget->installEventFilter(this);
}

void FormSession::Forget(const Control& control) {
  for (auto it = watched_.begin(); it != watched_.end();) {
    if (it->second == &control) {
      it->first->removeEventFilter(this);
      it = watched_.erase(it);
    } else {
      ++it;
    }
  }
}

void FormSession::Close() {
  for (auto& [object, control] : watched_) object->removeEventFilter(this);
  watched_.clear();
  closed_ = true;
}

bool FormSession::eventFilter(QObject* watched, QEvent* event) {
  if (closed_) return false;
  auto it = watched_.find(watched);
  if (it == watched_.end()) return false;
  return it->second->HandleWidgetEvent(static_cast<QWidget*>(watched), event);
}

}  // namespace vx::ui
