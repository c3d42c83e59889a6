#include "platform/x11_key_hook.h"

#include <QMetaObject>
#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <deque>
#include <map>
#include <set>

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
  bool grabbed = false;  // came through our grab: the keyboard waits for our answer
  Time time = CurrentTime;
};

// A key press as the server stamped it; the recorded copy and the grabbed copy of one
// press carry the same time.
struct PressId {
  unsigned keycode;
  Time time;
  auto operator<=>(const PressId&) const = default;
};

// Answers kept for grabbed presses that have not arrived yet; older ones are dropped
// (the press went to another client's grab).
constexpr std::size_t kMaxPendingAnswers = 64;

std::uint32_t ServerTime(const unsigned char* bytes, bool swapped) {
  const std::uint32_t b0 = bytes[4], b1 = bytes[5], b2 = bytes[6], b3 = bytes[7];
  std::uint32_t little = b0 | (b1 << 8) | (b2 << 16) | (b3 << 24);
  std::uint32_t big = b3 | (b2 << 8) | (b1 << 16) | (b0 << 24);
  const bool littleHost = std::endian::native == std::endian::little;
  return (littleHost != swapped) ? little : big;
}

}  // namespace

struct X11KeyHook::Impl {
  Display* control = nullptr;  // grabs, the record context, our answers to grabbed keys
  Display* data = nullptr;     // the recorded key events
  XRecordContext context = 0;
  XErrorHandler previousErrorHandler = nullptr;
  bool errorHandlerSet = false;
  std::unique_ptr<QSocketNotifier> controlNotifier;
  std::unique_ptr<QSocketNotifier> dataNotifier;

  std::array<int, 256> virtualKeyOf{};  // by keycode
  std::bitset<256> grabbed;
  std::bitset<256> down;
  std::deque<RawKey> queue;
  std::map<PressId, bool> answers;  // recorded grabbed presses: swallowed or not
  std::set<PressId> answeredEarly;  // grabbed presses handled before their recorded copy
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
    if (errorHandlerSet) XSetErrorHandler(previousErrorHandler);
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
      if (vk == 0 || std::find(keys.begin(), keys.end(), vk) == keys.end()) continue;
      XGrabKey(control, static_cast<int>(code), AnyModifier, root, False, GrabModeAsync, GrabModeSync);
      grabbed.set(code);
    }
    XSync(control, False);
  }

  static void OnRecorded(XPointer closure, XRecordInterceptData* record) {
    auto* self = reinterpret_cast<Impl*>(closure);
    if (record->category == XRecordFromServer && record->data_len * 4 >= 8) {
      const unsigned char* bytes = record->data;
      const int type = bytes[0] & 0x7F;
      const unsigned code = bytes[1];
      if ((type == KeyPress || type == KeyRelease) && code < 256) {
        self->queue.push_back({code, type == KeyRelease, false, ServerTime(bytes, record->client_swapped)});
      }
    }
    XRecordFreeData(record);
  }

  void ReadServer() {
    // The recorded copy of a press is sent before the grabbed copy, so reading the
    // recording first keeps the events in the order they were typed.
    XRecordProcessReplies(data);
    while (XPending(control) > 0) {
      XEvent event;
      XNextEvent(control, &event);
      if (event.type == KeyPress) {
        queue.push_back({event.xkey.keycode, false, true, event.xkey.time});
      } else if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        BuildKeyMap();
      }
    }
  }

  bool Handle(const RawKey& key) {
    const std::size_t code = key.keycode;
    const KeyEvent event{virtualKeyOf[code], key.release, !key.release && down[code]};
    down.set(code, !key.release);
    if (!enabled || !handler || event.virtualKey == 0) return false;
    return handler(event);
  }

  void Answer(Time time, bool swallowed) {
    XAllowEvents(control, swallowed ? AsyncKeyboard : ReplayKeyboard, time);
    XFlush(control);
  }

  // Delivers the queued keys in order; a handler that pumps the events may deliver the
  // rest of them from inside. Every key reaches the handler from the recording once;
  // a grabbed press is answered with what the handler said of its recorded copy.
  void Deliver() {
    while (!queue.empty()) {
      const RawKey key = queue.front();
      queue.pop_front();
      const PressId id{key.keycode, key.time};
      if (key.grabbed) {
        if (auto it = answers.find(id); it != answers.end()) {
          const bool swallowed = it->second;
          answers.erase(it);
          Answer(key.time, swallowed);
        } else {
          answeredEarly.insert(id);
          if (answeredEarly.size() > kMaxPendingAnswers) answeredEarly.erase(answeredEarly.begin());
          Answer(key.time, Handle(key));
        }
        continue;
      }
      if (!key.release && answeredEarly.erase(id) > 0) continue;
      const bool wasGrabbed = !key.release && grabbed[key.keycode];
      const bool swallowed = Handle(key);
      if (wasGrabbed) {
        answers[id] = swallowed;
        if (answers.size() > kMaxPendingAnswers) answers.erase(answers.begin());
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
  impl->errorHandlerSet = true;
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
