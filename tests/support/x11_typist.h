#pragma once
// A window of another program on the X display, holding the keyboard focus, and keys typed
// through XTEST as a user would type them. Needs $DISPLAY.
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace vx::test {

class X11Typist {
 public:
  // Null when no display can be opened or it lacks XTEST.
  static std::unique_ptr<X11Typist> Open();
  ~X11Typist();
  X11Typist(const X11Typist&) = delete;
  X11Typist& operator=(const X11Typist&) = delete;

  // Presses and releases the key of an X key symbol (XK_c, XK_KP_5, ...).
  void Type(unsigned long keysym);
  void Press(unsigned long keysym);
  void Release(unsigned long keysym);

  // Key events the focused window has received so far: keycode, negative for a release.
  std::vector<int> ReceivedKeys();
  unsigned KeycodeOf(unsigned long keysym) const;

 private:
  struct Impl;
  explicit X11Typist(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// Holds one connection to the display for the life of the test program: an X server
// resets when its last client leaves, and refuses connections meanwhile.
void KeepDisplayOpen();

// Runs the application's event loop until `done` holds or `limit` has passed.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(5));

}  // namespace vx::test
