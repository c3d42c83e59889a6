#include "ui/ui_env.h"

#include <QGuiApplication>
#include <QScreen>

namespace vx::ui {

TwipsSize UiEnv::Screen() const {
  if (screenSize) return *screenSize;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect r = screen->geometry();
  return {PixelsToTwips(r.width()), PixelsToTwips(r.height())};
}

}  // namespace vx::ui
