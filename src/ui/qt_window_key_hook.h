#pragma once
// The key hook over the program's own windows: every key pressed or released in one of
// them, seen before the window handles it (a swallowed key never reaches the window).
// Where no desktop-wide source exists this is the hook's only source of typed keys.
#include <memory>

#include "platform/key_hook.h"

namespace vx::ui {

class QtWindowKeyHook final : public platform::KeyHook {
 public:
  // Needs the application object.
  QtWindowKeyHook();
  ~QtWindowKeyHook() override;
  QtWindowKeyHook(const QtWindowKeyHook&) = delete;
  QtWindowKeyHook& operator=(const QtWindowKeyHook&) = delete;

  void Enable() override { enabled_ = true; }
  void Disable() override { enabled_ = false; }
  void SetHandler(Handler handler) override { handler_ = std::move(handler); }

 private:
  class Filter;
  bool Deliver(const platform::KeyEvent& event);

  std::unique_ptr<Filter> filter_;
  bool enabled_ = false;
  Handler handler_;
};

}  // namespace vx::ui
