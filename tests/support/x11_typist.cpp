#include "support/x11_typist.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <thread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace vx::test {

struct X11Typist::Impl {
  Display* display = nullptr;
  Window window = 0;
  std::vector<int> received;

  ~Impl() {
    if (!display) return;
    if (window) XDestroyWindow(display, window);
    XCloseDisplay(display);
  }

  void Drain() {
    XSync(display, False);
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == KeyPress) received.push_back(static_cast<int>(event.xkey.keycode));
      if (event.type == KeyRelease) received.push_back(-static_cast<int>(event.xkey.keycode));
    }
  }
};

X11Typist::X11Typist(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
X11Typist::~X11Typist() = default;

std::unique_ptr<X11Typist> X11Typist::Open() {
  auto impl = std::make_unique<Impl>();
  impl->display = XOpenDisplay(nullptr);
  if (!impl->display) return nullptr;
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(impl->display, &eventBase, &errorBase, &major, &minor)) return nullptr;
  Display* d = impl->display;
  impl->window = XCreateSimpleWindow(d, DefaultRootWindow(d), 10, 10, 200, 100, 0, 0, 0);
  XSelectInput(d, impl->window, KeyPressMask | KeyReleaseMask | ExposureMask | StructureNotifyMask);
  XMapRaised(d, impl->window);
  // Wait until the window is mapped, then give it the focus.
  for (;;) {
    XEvent event;
    XNextEvent(d, &event);
    if (event.type == MapNotify) break;
  }
  XSetInputFocus(d, impl->window, RevertToParent, CurrentTime);
  XSync(d, False);
  return std::unique_ptr<X11Typist>(new X11Typist(std::move(impl)));
}

unsigned X11Typist::KeycodeOf(unsigned long keysym) const { return XKeysymToKeycode(impl_->display, keysym); }

void X11Typist::Press(unsigned long keysym) {
  XTestFakeKeyEvent(impl_->display, KeycodeOf(keysym), True, CurrentTime);
  XSync(impl_->display, False);
}

void X11Typist::Release(unsigned long keysym) {
  XTestFakeKeyEvent(impl_->display, KeycodeOf(keysym), False, CurrentTime);
  XSync(impl_->display, False);
}

void X11Typist::Type(unsigned long keysym) {
  Press(keysym);
  Release(keysym);
}

std::vector<int> X11Typist::ReceivedKeys() {
  impl_->Drain();
  return impl_->received;
}

void KeepDisplayOpen() {
  static Display* keeper = XOpenDisplay(nullptr);
  (void)keeper;
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace vx::test
