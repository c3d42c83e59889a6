#pragma once
// What the flight progress writes into the cabin status strip (frmCabin): the texts of its
// clock and route boxes, one text colour, and the strip's size and place in twips. The
// announcement engine also writes the progress box and the radio-chatter indicator, and
// reads the listening position.
#include <string>
#include <string_view>

namespace vx::simlink {

enum class CabinBox {
  tbxTime,        // scheduled arrival and current GMT
  tbx現在地時計,  // the simulator's local clock
  tbx出発地時計,  // the departure airport's clock
  tbxTime差,      // time to the scheduled arrival
  tbxICAO出発,
  tbxICAO到着,
  tbxDest,  // route progress
  tbxATC,   // radio-chatter indicator
};

class CabinStrip {
 public:
  virtual ~CabinStrip() = default;
  virtual void SetText(CabinBox box, std::string_view text) = 0;
  // A colour of the classic 16-colour palette.
  virtual void SetForeColour(CabinBox box, int paletteIndex) = 0;
  virtual void SetBackColour(CabinBox /*box*/, int /*paletteIndex*/) {}
  // "Cockpit" or "Cabin": whether the cockpit-side parts of the announcements play.
  virtual std::string CockpitText() const { return "Cockpit"; }
  virtual int Width() const = 0;
  virtual void SetWidth(int twips) = 0;
  virtual void SetTop(int twips) = 0;
  virtual void SetLeft(int twips) = 0;
  virtual int ScreenWidth() const = 0;
};

}  // namespace vx::simlink
