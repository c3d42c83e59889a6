#pragma once
// What the engine writes into the flight window (frmSound), the windows it opens and
// closes from the flight, and what it asks of the main window.
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

// The flight window's place on the screen in twips.
struct WindowTwips {
  double top = 0;
  double left = 0;
  double width = 0;
};

class FlightWindowView {
 public:
  virtual ~FlightWindowView() = default;
  virtual void SetText(FlightBox box, std::string_view text) = 0;
  // Back and text colour, as colours of the 16-colour palette (the rotating-view box).
  virtual void SetColours(FlightBox /*box*/, int /*backPalette*/, int /*forePalette*/) {}
  virtual WindowTwips Place() const = 0;
};

// The windows the flight opens: the setting windows of requests 51 to 54, the cabin
// status strip, the take-off briefing sheet, the captain's greeting prompt, the mileage
// window and the landing briefing prompt.
enum class FlightForm { frmHelp, frmPB, frm音声設定, frmキー設定, frmCabin, frmTOB, frmCPAnounce, frmマイル達成, frmLDB };
inline constexpr int kFlightFormCount = 9;

class FlightForms {
 public:
  virtual ~FlightForms() = default;
  // The window's handle, loading the form when it is not loaded.
  virtual std::int64_t Handle(FlightForm form) = 0;
  // Shows the form without waiting for it.
  virtual void ShowModeless(FlightForm form) = 0;
  // Unloads the form when it is loaded.
  virtual void Unload(FlightForm form) = 0;
};

// The take-off briefing card (frmTOB2) as the take-off briefing group moves it: 31 rows,
// each with a marker line (Line1) and a picture (Image1).
class BriefingCard {
 public:
  virtual ~BriefingCard() = default;
  // Creates the card when there is none (its load hides every marker and fills the
  // values), places it above all windows and shows it without waiting.
  virtual void ShowTopmost() = 0;
  // Hides the card and shows it again (while the cargo door closes).
  virtual void SetVisible(bool visible) = 0;
  // Line1(row) shown or hidden.
  virtual void Mark(int row, bool on) = 0;
  // Image1(row) shown.
  virtual void Reveal(int row) = 0;
  // Unloads the card when there is one; the next ShowTopmost creates it anew.
  virtual void Unload() = 0;
};

// The main window (frmMain) and its key handler, as the flight window needs them.
class MainWindowLink {
 public:
  virtual ~MainWindowLink() = default;
  // Brings the minimised main window back (window state normal).
  virtual void RestoreWindowState() = 0;
  // Forgets a half-typed command key sequence.
  virtual void ClearKeySequence() = 0;
};

}  // namespace vx::announce
