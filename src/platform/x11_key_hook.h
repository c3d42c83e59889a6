#pragma once
// The key hook on the X11 desktop. Every key event of the display is watched through the
// RECORD extension, whichever window has the focus. The keys that the handler may
// swallow (SetSwallowCandidates) are also grabbed on the root window in synchronous
// mode: their presses come to this hook first and the keyboard waits until the handler
// has answered; a swallowed press and its own release reach no other window, a press the
// handler does not swallow is replayed to the focused window as if never grabbed.
//
// The connections to the X server are watched from the application's event loop (a
// QCoreApplication must exist); ProcessPending does the same work on demand.
#include <memory>
#include <string>
#include <vector>

#include "platform/key_hook.h"

namespace vx::platform {

class X11KeyHook final : public KeyHook {
 public:
  // Null when the display cannot be opened or lacks the RECORD extension. An empty
  // name opens $DISPLAY.
  static std::unique_ptr<X11KeyHook> Open(const std::string& displayName = {});
  ~X11KeyHook() override;
  X11KeyHook(const X11KeyHook&) = delete;
  X11KeyHook& operator=(const X11KeyHook&) = delete;

  void Enable() override;
  void Disable() override;
  void SetHandler(Handler handler) override;
  void SetSwallowCandidates(const std::vector<int>& virtualKeys) override;

  // Reads what the server has sent and delivers the key events in order.
  void ProcessPending();

  struct Impl;

 private:
  explicit X11KeyHook(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace vx::platform
