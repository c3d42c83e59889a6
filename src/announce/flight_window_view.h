#pragma once
// What the engine writes into the flight window (frmSound) and which windows it opens
// from the flight.
#include <cstdint>
#include <string_view>

namespace vx::announce {

enum class FlightBox {
  tbx処理内容,  // caption of the running group and part
  tbxBGM番号,   // music position "No." n "/" count
  tbxBGM名,     // music title
  tbxBGM音量,   // music level "BGM音量 " n
  tbxKey,       // quiet-sound state
  tbxAA,        // rotating-view indicator
};

class FlightWindowView {
 public:
  virtual ~FlightWindowView() = default;
  virtual void SetText(FlightBox box, std::string_view text) = 0;
  // Back and text colour, as colours of the 16-colour palette.
  virtual void SetColours(FlightBox /*box*/, int /*backPalette*/, int /*forePalette*/) {}
};

// The setting windows opened from the flight.
enum class FlightForm { frmHelp, frmPB, frm音声設定, frmキー設定 };

class FlightForms {
 public:
  virtual ~FlightForms() = default;
  // The window's handle, loading the form when it is not loaded.
  virtual std::int64_t Handle(FlightForm form) = 0;
  // Shows the form without waiting for it.
  virtual void ShowModeless(FlightForm form) = 0;
};

}  // namespace vx::announce
