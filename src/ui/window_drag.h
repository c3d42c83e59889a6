#pragma once
// Dragging a window with the mouse from a press anywhere on it, for borderless windows.
class QPoint;
class QWidget;

namespace vx::ui {

// Starts moving `window` with the mouse whose button went down at `pressGlobal` (pixels).
// The window system moves it where it can; otherwise the window follows the mouse's
// moves until the button is released.
void StartWindowDrag(QWidget* window, const QPoint& pressGlobal);

}  // namespace vx::ui
