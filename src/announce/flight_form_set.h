#pragma once
// The windows of the flight as the program has them: each FlightForm names a loaded-on-
// demand form of the program. The program puts its own forms in; a window left empty is
// neither shown nor closed, and a plain window (StandInForm) can take the place of one whose
// contents a flight does not need.
#include <array>
#include <string>

#include "announce/flight_window_view.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/form_layout.h"
#include "ui/label.h"

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

class FlightFormSet final : public FlightForms {
 public:
  void Set(FlightForm which, ui::Form& form) { forms_[static_cast<std::size_t>(which)] = &form; }
  ui::Form* Get(FlightForm which) const { return forms_[static_cast<std::size_t>(which)]; }

  std::int64_t Handle(FlightForm form) override;
  void ShowModeless(FlightForm form) override;
  void Unload(FlightForm form) override;

 private:
  std::array<ui::Form*, kFlightFormCount> forms_{};
};

// A plain window: its caption, a line marking it as in preparation, and a close button.
class StandInForm final : public ui::Form {
 public:
  StandInForm(ui::UiEnv& env, std::string name, std::string caption);
  ui::Label Label1{*this, "Label1"};
  // Closes the window, as its own commit or close button will.
  ui::CommandButton buttonClose{*this, "buttonClose"};

  // The window's controls as designed, for checks over every form.
  static ui::FormLayout Layout();

 protected:
  void Design() override;

 private:
  std::string caption_;
};

}  // namespace vx::announce
