#pragma once
// The cabin status strip (frmCabin) as the main program's flight code sees it: the flight
// progress writes the texts of its clock and route boxes, one text colour, and the strip's
// size and place in twips; the dispatcher writes the progress text, the radio chatter the
// colours of its on/off box, and the groups read the listening position.
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
  tbxDest,     // progress text of the flight
  tbxATC,      // radio chatter on or off, by its colours
  tbxCockpit,  // the listening position, "Cockpit" or "Cabin"
};

class CabinStrip {
 public:
  virtual ~CabinStrip() = default;
  virtual void SetText(CabinBox box, std::string_view text) = 0;
  virtual std::string Text(CabinBox box) const = 0;
  // Colours of the classic 16-colour palette.
  virtual void SetForeColour(CabinBox box, int paletteIndex) = 0;
  virtual void SetBackColour(CabinBox box, int paletteIndex) = 0;
  virtual int Width() const = 0;
  virtual void SetWidth(int twips) = 0;
  virtual void SetTop(int twips) = 0;
  virtual void SetLeft(int twips) = 0;
  virtual int ScreenWidth() const = 0;
};

}  // namespace vx::simlink
