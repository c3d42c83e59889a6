#include "ui/fonts.h"

#include <algorithm>
#include <cmath>

#include <QString>

namespace vx::ui {

const char* InstalledFace(std::string_view faceName) {
  return faceName == kFixedGothic ? "Ume Gothic" : "Ume P Gothic";
}

int FontPixels(double points) { return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))); }

QFont ProgramFont(std::string_view faceName, double points, bool bold) {
  QFont font(QString::fromLatin1(InstalledFace(faceName)));
  font.setPixelSize(FontPixels(points));
  font.setBold(bold);
  return font;
}

}  // namespace vx::ui
