#pragma once
// The window handles of one program's loaded forms.
#include <cstdint>
#include <map>

namespace vx::ui {

class Form;

// A window's handle as the programs pass it around (0 = no window).
using WindowHandle = std::int64_t;

class WindowRegistry {
 public:
  void Add(WindowHandle handle, Form& form) { forms_[handle] = &form; }
  void Remove(WindowHandle handle) { forms_.erase(handle); }
  // The loaded form with this handle, or null (no such window, or another program's).
  Form* Find(WindowHandle handle) const {
    auto it = forms_.find(handle);
    return it == forms_.end() ? nullptr : it->second;
  }
  std::size_t LoadedCount() const { return forms_.size(); }

 private:
  std::map<WindowHandle, Form*> forms_;
};

}  // namespace vx::ui
