#include "ui/qt_window_key_hook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>

#include "ui/key_codes.h"

namespace vx::ui {

// Sees each key event once, when it reaches a top-level window of the program.
class QtWindowKeyHook::Filter final : public QObject {
 public:
  explicit Filter(QtWindowKeyHook& hook) : hook_(hook) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const int virtualKey = VirtualKeyOf(key);
    if (virtualKey == 0) return false;
    return hook_.Deliver({virtualKey, type == QEvent::KeyRelease, type == QEvent::KeyPress && key.isAutoRepeat()});
  }

 private:
  QtWindowKeyHook& hook_;
};

QtWindowKeyHook::QtWindowKeyHook() : filter_(std::make_unique<Filter>(*this)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(filter_.get());
}

QtWindowKeyHook::~QtWindowKeyHook() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(filter_.get());
}

bool QtWindowKeyHook::Deliver(const platform::KeyEvent& event) {
  if (!enabled_ || !handler_) return false;
  return handler_(event);
}

}  // namespace vx::ui
