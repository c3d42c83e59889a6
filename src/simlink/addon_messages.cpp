#include "simlink/addon_messages.h"

#include "ui/message_box.h"

namespace vx::simlink {

void LvldResultMessage(ui::MessageBoxes& boxes, std::int32_t resultCode) {
  const char* text = nullptr;
  switch (resultCode) {
    case -2: text = "Level-D SDK バージョンエラー"; break;
    case -1: text = "Level-D SDK リクエストエラー"; break;
    case 0: text = "FSが起動していません"; break;
    default: return;
  }
  boxes.Show(text, ui::Buttons::Ok, ui::Icon::None);
}

}  // namespace vx::simlink
