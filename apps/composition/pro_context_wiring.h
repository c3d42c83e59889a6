#pragma once
// The main program's context on the machine's services.
#include "composition/system_services.h"
#include "composition/system_sound.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::composition {

// Every service of `system` and `sound`, the message boxes and the window layer into
// `pro`. The add-on link and the key hook differ between the program and its tests and
// are set by the caller.
inline void WireProContext(state::ProContext& pro, SystemServices& system, SystemSound& sound, ui::MessageBoxes& boxes) {
  system.Fill(pro.svc);
  sound.Fill(pro.svc);
  pro.boxes = &boxes;
  pro.ui = &system.env;
}

}  // namespace vx::composition
