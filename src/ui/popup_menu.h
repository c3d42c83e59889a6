#pragma once
// Popup menus shown at the mouse. The program's code waits until the user has chosen an
// entry or dismissed the menu; tests answer from a script, and a menu the script does
// not expect fails the test.
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vx::ui {

class Menu;

class PopupMenus {
 public:
  virtual ~PopupMenus() = default;
  // Shows the visible entries of `menu`; returns the chosen entry, or null when dismissed.
  virtual Menu* Choose(Menu& menu) = 0;
};

// Test double: answers by entry name, in order.
class ScriptedPopupMenus final : public PopupMenus {
 public:
  // The next popup must be `menuName`; it chooses the entry named `entryName` ("" dismisses).
  void Expect(std::string menuName, std::string entryName) {
    script_.push_back({std::move(menuName), std::move(entryName)});
  }
  // Called with a description when a popup comes that the script does not expect, or the
  // scripted entry is missing, disabled or hidden. The popup is then dismissed.
  std::function<void(const std::string&)> onUnexpected;

  Menu* Choose(Menu& menu) override;

  std::vector<std::string> shown;  // names of the menus shown
  std::size_t PendingExpectations() const { return script_.size(); }

 private:
  struct Step {
    std::string menuName;
    std::string entryName;
  };
  std::deque<Step> script_;
};

}  // namespace vx::ui
