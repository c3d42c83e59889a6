#pragma once
// Colours of windows and controls: an RGB value, given either directly or by its number
// in the 16-colour palette.
#include <cstdint>
#include <ostream>

namespace vx::ui {

class Colour {
 public:
  constexpr Colour() = default;
  static constexpr Colour Rgb(int red, int green, int blue) {
    return Colour((static_cast<std::uint32_t>(red & 0xFF) << 16) | (static_cast<std::uint32_t>(green & 0xFF) << 8) |
                  static_cast<std::uint32_t>(blue & 0xFF));
  }
  // Palette colour 0 to 15; any other number raises the runtime's invalid-call error (5).
  static Colour Palette(int index);

  int Red() const { return static_cast<int>(rgb_ >> 16 & 0xFF); }
  int Green() const { return static_cast<int>(rgb_ >> 8 & 0xFF); }
  int Blue() const { return static_cast<int>(rgb_ & 0xFF); }
  // 0xRRGGBB.
  std::uint32_t Value() const { return rgb_; }
  // The palette number of this colour, or -1 when it is not a palette colour.
  int PaletteIndex() const;

  bool operator==(const Colour&) const = default;

 private:
  constexpr explicit Colour(std::uint32_t rgb) : rgb_(rgb) {}
  std::uint32_t rgb_ = 0;
};

std::ostream& operator<<(std::ostream& out, const Colour& c);

}  // namespace vx::ui
