#include "platform/x11_foreign_windows.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace vx::platform {

void X11ForeignWindows::BringToFront(std::int64_t windowId) {
  if (windowId <= 0 || !std::getenv("DISPLAY")) return;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return;
  // A window that does not exist (any more) must not end the program.
  XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const auto window = static_cast<Window>(windowId);
  const Window root = DefaultRootWindow(display);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 2;  // from a pager: the request is the user's
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XRaiseWindow(display, window);
  XSync(display, False);
  XSetErrorHandler(previous);
  XCloseDisplay(display);
}

}  // namespace vx::platform
