#pragma once
// The engine's side of the flight window's life: a new flight, the announcement state
// reset at its start, the window's position handed on, and the end of the flight.
namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// A new flight begins (the flight window loads): it gets its own identity, so that code
// still unwinding from an earlier flight ends instead of running into this one, a free
// dispatcher, and a fresh `FlightState` (steps, volumes, music and loop marks, radio
// chatter, the windows opened from the flight, the landing briefing's defaults) with the
// music list at its start. This is the one place where a flight's state is reset.
void BeginNewFlight(state::ProContext& pro);

// Unless the flight window has closed: tbxKey shows the quiet-sound state ("音大" normal,
// "音小" quiet), the command key sequence and any request made while the window loaded
// are dropped, TakeoffStartedFlag 0 is written to VEXLORPRO_STAB, and the flight maxima
// start again.
void ResetAnnouncementState(state::ProContext& pro);

// When the flight window has moved: its Top, Left, Top again and Left + Width into
// SoundWindowPosition, vexlorSD.cfg written, one pump. An unmoved window costs two reads.
void StoreSoundWindowPosition(state::ProContext& pro);

// The end of the flight (the flight window's unload after its timer stopped): key mode 0,
// FlightWindowClosed set (every wait of the flight now ends), the add-on session closed,
// the cabin strip and a prompt still asking (frmLDB, frmCPAnounce) unloaded, a departure
// board still shown closed, the hand-over files deleted (EyeRet.cfg is kept), every sound
// slot stopped and freed and the music and sound devices closed, the main window brought
// back.
void EndFlight(state::ProContext& pro);

}  // namespace vx::announce
