#pragma once
// Runtime errors that the window layer raises, with the runtime's texts.
#include <string>

#include "runtime/runtime_error.h"

namespace vx::ui {

inline runtime::RuntimeError InvalidPropertyValue() {
  return runtime::RuntimeError(380, "プロパティの値が不正です。");
}
inline runtime::RuntimeError TextPropertyReadOnly() {
  return runtime::RuntimeError(383, "'Text' プロパティは読み取り専用です。");
}
inline runtime::RuntimeError NoSuchArrayElement(int index) {
  return runtime::RuntimeError(340, "コントロール配列の要素 '" + std::to_string(index) + "' は存在しません。");
}
inline runtime::RuntimeError InvalidPicture() { return runtime::RuntimeError(481, "ピクチャが不正です。"); }

}  // namespace vx::ui
