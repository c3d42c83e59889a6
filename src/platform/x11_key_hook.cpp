#include "platform/x11_key_hook.h"

#include <QMetaObject>
#include <QSocketNotifier>
#include <array>
#include <bitset>
#include <deque>

#include "platform/x11_virtual_keys.h"

// Last: the X11 headers define macros (KeyPress, Bool, Status) that the others must not see.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

namespace vx::platform {
namespace {

// A failed grab (another client holds the key) must not end the program, as Xlib's
// default error handler would.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

struct RawKey {
  unsigned keycode = 0;
  bool release = false;
  bool grabbed = false;  // came through our grab (the keyboard may wait for the answer)
  Time time = CurrentTime;
};

}  // namespace

struct X11KeyHook::Impl {
  Display* control = nullptr;  // grabs, the record context, our answers to grabbed keys
  Display* data = nullptr;     // the recorded key events
  XRecordContext context = 0;
  XErrorHandler previousErrorHandler = nullptr;
  std::unique_ptr<QSocketNotifier> controlNotifier;
  std::unique_ptr<QSocketNotifier> dataNotifier;

  std::array<int, 256> virtualKeyOf{};  // by keycode
  std::bitset<256> grabbed;
  std::bitset<256> down;
  std::deque<RawKey> queue;
  bool enabled = false;
  Handler handler;

  ~Impl() {
    controlNotifier.reset();
    dataNotifier.reset();
    if (control) {
      UngrabAll();
      if (context) {
        XRecordDisableContext(control, context);
        XRecordFreeContext(control, context);
      }
      XSync(control, False);
    }
    if (data) XCloseDisplay(data);
    if (control) XCloseDisplay(control);
    if (previousErrorHandler) XSetErrorHandler(previousErrorHandler);
  }

  void BuildKeyMap() {
    int minCode = 8, maxCode = 255;
    XDisplayKeycodes(control, &minCode, &maxCode);
    virtualKeyOf.fill(0);
    for (int code = minCode; code <= maxCode && code < 256; ++code) {
      std::array<std::uint32_t, 4> syms{};
      for (int level = 0; level < 4; ++level)
        syms[static_cast<std::size_t>(level)] =
            static_cast<std::uint32_t>(XkbKeycodeToKeysym(control, static_cast<KeyCode>(code), 0, level));
      virtualKeyOf[static_cast<std::size_t>(code)] = VirtualKeyOfKey(syms.data(), 4);
    }
  }

  void UngrabAll() {
    const Window root = DefaultRootWindow(control);
    for (std::size_t code = 0; code < grabbed.size(); ++code) {
      if (grabbed[code]) XUngrabKey(control, static_cast<int>(code), AnyModifier, root);
    }
    grabbed.reset();
  }

  void Grab(const std::vector<int>& keys) {
    UngrabAll();
    const Window root = DefaultRootWindow(control);
    for (std::size_t code = 0; code < virtualKeyOf.size(); ++code) {
      const int vk = virtualKeyOf[code];
      if (vk == 0) continue;
      for (int key : keys) {
        if (key != vk) continue;
        XGrabKey(control, static_cast<int>(code), AnyModifier, root, False, GrabModeAsync, GrabModeSync);
        grabbed.set(code);
      }
    }
    XSync(control, False);
  }

  static void OnRecorded(XPointer closure, XRecordInterceptData* record) {
    auto* self = reinterpret_cast<Impl*>(closure);
    if (record->category == XRecordFromServer && record->data_len * 4 >= 2) {
      const unsigned char* bytes = record->data;
      const int type = bytes[0] & 0x7F;
      const unsigned code = bytes[1];
      if ((type == KeyPress || type == KeyRelease) && code < 256) {
        self->queue.push_back({code, type == KeyRelease, false, CurrentTime});
      }
    }
    XRecordFreeData(record);
  }

  void ReadServer() {
    XRecordProcessReplies(data);
    while (XPending(control) > 0) {
      XEvent event;
      XNextEvent(control, &event);
      if (event.type == KeyPress || event.type == KeyRelease) {
        queue.push_back({event.xkey.keycode, event.type == KeyRelease, true, event.xkey.time});
      } else if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        BuildKeyMap();
      }
    }
  }

  // Delivers the queued keys in order; a handler that pumps the events may deliver the
  // rest of them from inside.
  void Deliver() {
    while (!queue.empty()) {
      const RawKey key = queue.front();
      queue.pop_front();
      const std::size_t code = key.keycode;
      if (!key.grabbed && grabbed[code]) {
        // A grabbed key comes through the grab; the recorded release still tells that the
        // key is up again when its press was passed on to another window.
        if (key.release) down.reset(code);
        continue;
      }
      KeyEvent event{virtualKeyOf[code], key.release, !key.release && down[code]};
      down.set(code, !key.release);
      bool swallowed = false;
      if (enabled && handler && event.virtualKey != 0) swallowed = handler(event);
      if (key.grabbed && !key.release) {
        XAllowEvents(control, swallowed ? AsyncKeyboard : ReplayKeyboard, key.time);
        XFlush(control);
      }
    }
  }
};

X11KeyHook::X11KeyHook(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

X11KeyHook::~X11KeyHook() = default;

std::unique_ptr<X11KeyHook> X11KeyHook::Open(const std::string& displayName) {
  auto impl = std::make_unique<Impl>();
  const char* name = displayName.empty() ? nullptr : displayName.c_str();
  impl->control = XOpenDisplay(name);
  if (!impl->control) return nullptr;
  int major = 0, minor = 0;
  if (!XRecordQueryVersion(impl->control, &major, &minor)) return nullptr;
  impl->data = XOpenDisplay(name);
  if (!impl->data) return nullptr;
  impl->previousErrorHandler = XSetErrorHandler(IgnoreXError);
  impl->BuildKeyMap();

  XRecordClientSpec clients = XRecordAllClients;
  XRecordRange* range = XRecordAllocRange();
  if (!range) return nullptr;
  range->device_events.first = KeyPress;
  range->device_events.last = KeyRelease;
  impl->context = XRecordCreateContext(impl->control, 0, &clients, 1, &range, 1);
  XFree(range);
  if (!impl->context) return nullptr;
  XSync(impl->control, False);
  if (!XRecordEnableContextAsync(impl->data, impl->context, &Impl::OnRecorded, reinterpret_cast<XPointer>(impl.get())))
    return nullptr;
  XFlush(impl->data);

  std::unique_ptr<X11KeyHook> hook(new X11KeyHook(std::move(impl)));
  Impl* raw = hook->impl_.get();
  X11KeyHook* self = hook.get();
  raw->controlNotifier = std::make_unique<QSocketNotifier>(ConnectionNumber(raw->control), QSocketNotifier::Read);
  raw->dataNotifier = std::make_unique<QSocketNotifier>(ConnectionNumber(raw->data), QSocketNotifier::Read);
  QObject::connect(raw->controlNotifier.get(), &QSocketNotifier::activated, [self] { self->ProcessPending(); });
  QObject::connect(raw->dataNotifier.get(), &QSocketNotifier::activated, [self] { self->ProcessPending(); });
  return hook;
}

void X11KeyHook::Enable() { impl_->enabled = true; }

void X11KeyHook::Disable() { impl_->enabled = false; }

void X11KeyHook::SetHandler(Handler handler) { impl_->handler = std::move(handler); }

void X11KeyHook::SetSwallowCandidates(const std::vector<int>& virtualKeys) {
  impl_->Grab(virtualKeys);
  // Events that the grab's round trip read in wait in Xlib's queue, where the socket
  // notifier does not see them.
  QMetaObject::invokeMethod(impl_->controlNotifier.get(), [this] { ProcessPending(); }, Qt::QueuedConnection);
}

void X11KeyHook::ProcessPending() {
  impl_->ReadServer();
  impl_->Deliver();
}

}  // namespace vx::platform
