#pragma once
// The system-wide key hook of the main window: key events from anywhere on the desktop,
// with the means to swallow them. Sources: the X11 desktop (x11_key_hook.h), the
// program's own windows (ui/qt_window_key_hook.h), keys pushed by another program or a
// test (RecordingKeyHook); KeyHookGroup joins several.
#include <functional>
#include <string>
#include <vector>

#include "platform/key_event.h"

namespace vx::platform {

class KeyHook {
 public:
  // Runs for every key event while the hook is enabled; true swallows the key, so that
  // no other program receives it.
  using Handler = std::function<bool(const KeyEvent&)>;

  virtual ~KeyHook() = default;
  // Key events are delivered to the handler again.
  virtual void Enable() = 0;
  // No key event arrives until the next Enable.
  virtual void Disable() = 0;
  virtual void SetHandler(Handler handler) = 0;
  // The keys the handler may swallow now. A source that must take a key before it can
  // ask the handler (the X11 desktop) takes only these; every other key is only watched.
  virtual void SetSwallowCandidates(const std::vector<int>& /*virtualKeys*/) {}
};

// Test double and source of pushed keys: keeps the switching in order and delivers the
// keys it is given.
class RecordingKeyHook final : public KeyHook {
 public:
  void Enable() override {
    enabled = true;
    calls.emplace_back("Enable");
  }
  void Disable() override {
    enabled = false;
    calls.emplace_back("Disable");
  }
  void SetHandler(Handler h) override { handler = std::move(h); }
  void SetSwallowCandidates(const std::vector<int>& keys) override { swallowCandidates = keys; }

  // Delivers the event as the desktop would; true when the handler swallowed it. Nothing
  // is delivered while the hook is disabled.
  bool Send(const KeyEvent& event) {
    if (!enabled || !handler) return false;
    return handler(event);
  }
  // A press and its release; true when the press was swallowed.
  bool Type(int virtualKey) {
    const bool swallowed = Send(KeyPress(virtualKey));
    Send(KeyRelease(virtualKey));
    return swallowed;
  }

  bool enabled = false;
  std::vector<std::string> calls;
  Handler handler;
  std::vector<int> swallowCandidates;
};

// Several sources as one hook: switching, the handler and the swallow candidates go to
// each of them.
class KeyHookGroup final : public KeyHook {
 public:
  void Add(KeyHook& source) { sources_.push_back(&source); }
  void Enable() override {
    for (KeyHook* s : sources_) s->Enable();
  }
  void Disable() override {
    for (KeyHook* s : sources_) s->Disable();
  }
  void SetHandler(Handler handler) override {
    for (KeyHook* s : sources_) s->SetHandler(handler);
  }
  void SetSwallowCandidates(const std::vector<int>& keys) override {
    for (KeyHook* s : sources_) s->SetSwallowCandidates(keys);
  }

 private:
  std::vector<KeyHook*> sources_;
};

}  // namespace vx::platform
