#pragma once
// Messages for failed calls of the aircraft add-on.
#include <cstdint>

namespace vx::ui {
class MessageBoxes;
}

namespace vx::simlink {

// -2 "Level-D SDK バージョンエラー", -1 "Level-D SDK リクエストエラー", 0 "FSが起動していません"
// in a box with an OK button and the program's title; any other code shows nothing.
void LvldResultMessage(ui::MessageBoxes& boxes, std::int32_t resultCode);

}  // namespace vx::simlink
