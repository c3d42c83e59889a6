#pragma once
// The faces and sizes the programs draw their texts in. Controls name their face as the
// system's forms do ("ＭＳ Ｐゴシック", the proportional gothic every control uses unless
// told otherwise, or "ＭＳ ゴシック", the fixed-pitch one); each name is drawn with an
// installed face of the same character widths (half-width digits, a narrow full-width
// colon in the proportional one): Ume P Gothic and Ume Gothic, of Debian's
// fonts-horai-umefont, which scripts/setup.sh installs. The faces are named outright, so
// every machine draws the same widths whatever its default font.
//
// Sizes are points of the 96-dpi screen the twips layout assumes: a point is 20 twips,
// 4/3 of a pixel, rounded to whole pixels as the system's window layer does (9 pt: 12 px).
// A text therefore measures against its twips box the same on every display.
#include <string_view>

#include <QFont>

namespace vx::ui {

inline constexpr std::string_view kProportionalGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kFixedGothic = "ＭＳ ゴシック";
inline constexpr double kDefaultFontPoints = 9;

// The installed face drawn for a face name of the forms; unknown names get the
// proportional gothic.
const char* InstalledFace(std::string_view faceName);

// Pixels of a font of `points` points on the layout's screen.
int FontPixels(double points);

QFont ProgramFont(std::string_view faceName = kProportionalGothic, double points = kDefaultFontPoints,
                  bool bold = false);

}  // namespace vx::ui
