#pragma once
// A control array: controls of one kind and name told apart by their index, such as
// Image1(0) to Image1(30). The array's handlers get the index of the control concerned.
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/ui_errors.h"

namespace vx::ui {

template <class T>
class ControlArray {
 public:
  // Elements `first` to `last`, placed in `parent` in index order.
  ControlArray(Container& parent, const std::string& name, int first, int last) {
    for (int i = first; i <= last; ++i) Add(parent, name, i);
  }
  ControlArray(Container& parent, const std::string& name, std::initializer_list<int> indexes) {
    for (int i : indexes) Add(parent, name, i);
  }
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  // The element with this index; a missing one raises the runtime's error 340.
  T& operator()(int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end()) throw NoSuchArrayElement(index);
    return *it->second;
  }
  T& operator[](int index) const { return (*this)(index); }
  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  std::vector<T*> Elements() const {
    std::vector<T*> all;
    for (const auto& [index, element] : elements_) all.push_back(element.get());
    return all;
  }

  std::function<void(int index)> onClick;
  std::function<void(int index)> onChange;
  std::function<void(int index)> onGotFocus;
  std::function<void(int index)> onLostFocus;
  std::function<void(int index, int keyCode, int shift)> onKeyDown;
  std::function<void(int index, const MouseArgs&)> onMouseDown;
  std::function<void(int index, const MouseArgs&)> onMouseUp;

 private:
  void Add(Container& parent, const std::string& name, int index) {
    auto element = std::make_unique<T>(parent, name, index);
    T& e = *element;
    e.onClick = [this, index] { if (onClick) onClick(index); };
    e.onChange = [this, index] { if (onChange) onChange(index); };
    e.onGotFocus = [this, index] { if (onGotFocus) onGotFocus(index); };
    e.onLostFocus = [this, index] { if (onLostFocus) onLostFocus(index); };
    e.onKeyDown = [this, index](int key, int shift) { if (onKeyDown) onKeyDown(index, key, shift); };
    e.onMouseDown = [this, index](const MouseArgs& a) { if (onMouseDown) onMouseDown(index, a); };
    e.onMouseUp = [this, index](const MouseArgs& a) { if (onMouseUp) onMouseUp(index, a); };
    elements_.emplace(index, std::move(element));
  }

  std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace vx::ui
