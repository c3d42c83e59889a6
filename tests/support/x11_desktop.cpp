#include "support/x11_desktop.h"

#include <cctype>
#include <thread>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace vx::test {
namespace {

// Windows come and go while they are searched: their errors are not the test's.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

struct X11Desktop::Impl {
  Display* display = nullptr;
  ~Impl() {
    if (display) XCloseDisplay(display);
  }

  std::string Title(Window w) const {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
        Success) {
      if (data && type == utf8 && count > 0) title.assign(reinterpret_cast<char*>(data), count);
      if (data) XFree(data);
      if (!title.empty()) return title;
    }
    char* name = nullptr;
    if (XFetchName(display, w, &name) && name) {
      title = name;
      XFree(name);
    }
    return title;
  }

  Window Find(Window parent, const std::string& title, Window except) const {
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &n)) return 0;
    std::vector<Window> list(children, children + n);
    if (children) XFree(children);
    for (Window w : list) {
      XWindowAttributes a;
      if (!XGetWindowAttributes(display, w, &a) || a.map_state != IsViewable) continue;
      if (w != except && Title(w) == title) return w;
      if (Window inner = Find(w, title, except)) return inner;
    }
    return 0;
  }

  // The root's child that holds the window (its frame under a window manager).
  Window TopLevel(Window w) const {
    const Window rootWindow = DefaultRootWindow(display);
    for (;;) {
      Window root = 0, up = 0;
      Window* children = nullptr;
      unsigned int n = 0;
      if (!XQueryTree(display, w, &root, &up, &children, &n)) return 0;
      if (children) XFree(children);
      if (up == rootWindow || up == 0) return w;
      w = up;
    }
  }

  void Key(unsigned long keysym, bool down) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, keysym), down ? True : False, CurrentTime);
    XSync(display, False);
  }
};

X11Desktop::X11Desktop(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
X11Desktop::~X11Desktop() = default;

std::unique_ptr<X11Desktop> X11Desktop::Open() {
  auto impl = std::make_unique<Impl>();
  impl->display = XOpenDisplay(nullptr);
  if (!impl->display) return nullptr;
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(impl->display, &eventBase, &errorBase, &major, &minor)) return nullptr;
  XSetErrorHandler(IgnoreErrors);
  return std::unique_ptr<X11Desktop>(new X11Desktop(std::move(impl)));
}

X11Desktop::WindowId X11Desktop::FindWindow(const std::string& title, WindowId except) {
  XSync(impl_->display, False);
  return impl_->Find(DefaultRootWindow(impl_->display), title, except);
}

X11Desktop::WindowId X11Desktop::WaitForWindow(const std::string& title, std::chrono::milliseconds limit,
                                               WindowId except) {
  const auto end = std::chrono::steady_clock::now() + limit;
  do {
    if (WindowId w = FindWindow(title, except)) return w;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  } while (std::chrono::steady_clock::now() < end);
  return 0;
}

void X11Desktop::Focus(WindowId window) {
  XSetInputFocus(impl_->display, window, RevertToParent, CurrentTime);
  XSync(impl_->display, False);
}

void X11Desktop::Raise(WindowId window) {
  XRaiseWindow(impl_->display, window);
  XSync(impl_->display, False);
}

void X11Desktop::Move(WindowId window, int x, int y) {
  XMoveWindow(impl_->display, window, x, y);
  XSync(impl_->display, False);
}

bool X11Desktop::Click(WindowId window, int x, int y) {
  Display* d = impl_->display;
  int rootX = 0, rootY = 0;
  Window onTop = 0;  // the root's child that shows at the point
  XTranslateCoordinates(d, window, DefaultRootWindow(d), x, y, &rootX, &rootY, &onTop);
  XTestFakeMotionEvent(d, DefaultScreen(d), rootX, rootY, CurrentTime);
  XTestFakeButtonEvent(d, 1, True, CurrentTime);
  XTestFakeButtonEvent(d, 1, False, CurrentTime);
  XSync(d, False);
  return onTop != 0 && onTop == impl_->TopLevel(window);
}

void X11Desktop::Type(unsigned long keysym, unsigned long modifier) {
  if (modifier) impl_->Key(modifier, true);
  impl_->Key(keysym, true);
  impl_->Key(keysym, false);
  if (modifier) impl_->Key(modifier, false);
}

void X11Desktop::TypeText(const std::string& text) {
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isupper(u)) {
      Type(XK_a + static_cast<unsigned long>(u - 'A'), XK_Shift_L);
    } else if (std::islower(u)) {
      Type(XK_a + static_cast<unsigned long>(u - 'a'));
    } else if (std::isdigit(u)) {
      Type(XK_0 + static_cast<unsigned long>(u - '0'));
    } else if (c == ' ') {
      Type(XK_space);
    }
  }
}

}  // namespace vx::test
