#pragma once
// Key symbols of the X11 desktop as the virtual-key codes of the original platform.
#include <cstdint>

namespace vx::platform {

// The virtual-key code of an X11 key symbol; 0 for symbols without one. Letters of
// either case give 65 to 90, both Shift keys 16, both Ctrl keys 17.
int VirtualKeyOfKeysym(std::uint32_t keysym);

// A key that carries a keypad digit on any level counts as that keypad digit (96 to
// 105), whether Num Lock is on or not: `levelSyms` are the key's symbols by level.
int VirtualKeyOfKey(const std::uint32_t* levelSyms, int levels);

}  // namespace vx::platform
