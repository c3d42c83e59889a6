#pragma once
// The key handler of the main window: every key event of the desktop goes through it.
// In the viewpoint mode it forwards Esc, Tab and the keypad digits to the viewpoint
// program and swallows them; with the flight window up it turns the command keys into
// announcement requests and window commands; in every mode it stops the rotating outside
// view on an unrelated key.
#include <cstdint>

#include "platform/key_event.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

// One key event; true swallows the key. A key that comes in while the handler is still at
// an earlier one is answered at once and handled after it, unless a message box has come
// up in the handler's work at that key: the keys typed then are the box's and do nothing.
bool HandleDesktopKey(state::ProContext& pro, const platform::KeyEvent& key);

// Esc: closes the open ones of the windows Esc closes, in their order.
void CloseOpenDialogs(state::ProContext& pro);

// C-B (and the help panel's "C - B"): the running announcement is cut and the call-out
// program's pushback, inspection and rotating view are called off.
void CancelAnnouncement(state::ProContext& pro);

// Ends the rotating outside view: status text cleared, its box back to grey, EyeView.cfg
// deleted.
void StopRotatingView(state::ProContext& pro);

}  // namespace vx::mainwindow
