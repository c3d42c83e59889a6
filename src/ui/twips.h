#pragma once
// Lengths of the window layer: twips (1/1440 inch), 15 to a pixel at 96 dpi.
// Properties keep the twips value as set; only the window system gets pixels.
#include <cmath>

namespace vx::ui {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double PixelsToTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

struct TwipsSize {
  double width = 0;
  double height = 0;
};

}  // namespace vx::ui
