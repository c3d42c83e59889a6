#include "ui/window_drag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace vx::ui {
namespace {

// Follows the mouse until its button is released, then removes itself.
class MouseFollower final : public QObject {
 public:
  MouseFollower(QWidget* window, const QPoint& pressGlobal)
      : QObject(window), window_(window), pressGlobal_(pressGlobal), startPos_(window->pos()) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) {
      const auto* me = static_cast<QMouseEvent*>(event);
      if (window_) window_->move(startPos_ + (me->globalPosition().toPoint() - pressGlobal_));
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease || !window_) {
      qApp->removeEventFilter(this);
      deleteLater();
      return event->type() == QEvent::MouseButtonRelease;
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  QPoint pressGlobal_;
  QPoint startPos_;
};

}  // namespace

void StartWindowDrag(QWidget* window, const QPoint& pressGlobal) {
  if (!window) return;
  if (QWindow* handle = window->windowHandle(); handle && handle->startSystemMove()) return;
  qApp->installEventFilter(new MouseFollower(window, pressGlobal));
}

}  // namespace vx::ui
