#pragma once
// Horizontal alignment of text in text boxes and labels.
namespace vx::ui {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

}  // namespace vx::ui
