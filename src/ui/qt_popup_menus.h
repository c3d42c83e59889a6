#pragma once
// Popup menus on the window system: a menu at the mouse, waited for.
#include "ui/popup_menu.h"

namespace vx::ui {

class QtPopupMenus final : public PopupMenus {
 public:
  Menu* Choose(Menu& menu) override;
};

}  // namespace vx::ui
