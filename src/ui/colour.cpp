#include "ui/colour.h"

#include <array>
#include <iomanip>

#include "runtime/runtime_error.h"

namespace vx::ui {
namespace {

constexpr std::array<Colour, 16> kPalette{
    Colour::Rgb(0x00, 0x00, 0x00), Colour::Rgb(0x00, 0x00, 0x80), Colour::Rgb(0x00, 0x80, 0x00),
    Colour::Rgb(0x00, 0x80, 0x80), Colour::Rgb(0x80, 0x00, 0x00), Colour::Rgb(0x80, 0x00, 0x80),
    Colour::Rgb(0x80, 0x80, 0x00), Colour::Rgb(0xC0, 0xC0, 0xC0), Colour::Rgb(0x80, 0x80, 0x80),
    Colour::Rgb(0x00, 0x00, 0xFF), Colour::Rgb(0x00, 0xFF, 0x00), Colour::Rgb(0x00, 0xFF, 0xFF),
    Colour::Rgb(0xFF, 0x00, 0x00), Colour::Rgb(0xFF, 0x00, 0xFF), Colour::Rgb(0xFF, 0xFF, 0x00),
    Colour::Rgb(0xFF, 0xFF, 0xFF),
};

}  // namespace

Colour Colour::Palette(int index) {
  if (index < 0 || index >= static_cast<int>(kPalette.size())) {
    throw runtime::RuntimeError(runtime::kInvalidProcedureCall);
  }
  return kPalette[static_cast<std::size_t>(index)];
}

int Colour::PaletteIndex() const {
  for (std::size_t i = 0; i < kPalette.size(); ++i) {
    if (kPalette[i] == *this) return static_cast<int>(i);
  }
  return -1;
}

std::ostream& operator<<(std::ostream& out, const Colour& c) {
  return out << "#" << std::hex << std::uppercase << std::setw(6) << std::setfill('0') << c.Value() << std::dec;
}

}  // namespace vx::ui
