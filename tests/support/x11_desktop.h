#pragma once
// Another program's windows on the X display, driven as a person would: found by their
// title, focused, raised, moved, clicked and typed into through XTEST. Needs $DISPLAY.
#include <chrono>
#include <memory>
#include <string>

namespace vx::test {

class X11Desktop {
 public:
  using WindowId = unsigned long;

  // Null when no display can be opened or it lacks XTEST.
  static std::unique_ptr<X11Desktop> Open();
  ~X11Desktop();
  X11Desktop(const X11Desktop&) = delete;
  X11Desktop& operator=(const X11Desktop&) = delete;

  // A viewable window with exactly this title (UTF-8) other than `except`, or 0.
  WindowId FindWindow(const std::string& title, WindowId except = 0);
  // Waits for one; 0 when none came within the limit.
  WindowId WaitForWindow(const std::string& title, std::chrono::milliseconds limit, WindowId except = 0);

  void Focus(WindowId window);
  void Raise(WindowId window);
  void Move(WindowId window, int x, int y);
  // A left click at a point of the window (pixels from its top left). The click goes to
  // whatever window shows at that point of the screen: false when another program window
  // covers it there (without a window manager a minimised window stays on the screen,
  // under the windows opened after it), so the click reached some other window.
  bool Click(WindowId window, int x, int y);
  // Presses and releases the key of an X key symbol, with a modifier key (XK_Shift_L,
  // XK_Control_L) held when one is given.
  void Type(unsigned long keysym, unsigned long modifier = 0);
  // Letters, digits and blanks, typed key by key.
  void TypeText(const std::string& text);

 private:
  struct Impl;
  explicit X11Desktop(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace vx::test
