#pragma once
// The flight resume snapshot: the whole main settings file saved as "FlightRestart.cfg"
// with its summary "FlightRestart内容.cfg", loaded back when the user resumes an
// interrupted flight, and deleted once the flight has ended.
namespace vx::state {
struct ProContext;
}

namespace vx::state {
struct TobBriefingValues;
}

namespace vx::mainfiles {

// After the ground groups G2, G3, G4 and the in-flight groups A1, A4: the snapshot, then
// its summary. False (after the save's message) when the snapshot could not be written;
// no summary is written then.
bool SaveFlightRestart(state::ProContext& ctx);

// The flight window's resume: loads "FlightRestart.cfg" (not the mileage), takes
// `AircraftTypeCode` from the first two characters of the aircraft type text (kept
// when they are not a number) and deletes "BEGIN.cfg". False when the snapshot did not
// load (unreadable, another version or a damaged first line, a value that does not
// convert): the program then keeps the values it had, `ResumeRequested` is cleared and
// the box has said that the flight starts afresh.
bool LoadFlightRestart(state::ProContext& ctx);

// `AircraftTypeCode` from the first two characters of the aircraft type text
// ("04 B75/76 ..."); kept when they are not a number.
void TakeAircraftTypeCode(state::TobBriefingValues& tob);

// After the final arrival group: deletes the snapshot and its summary when the
// snapshot exists.
void DeleteFlightRestartFiles(state::ProContext& ctx);

}  // namespace vx::mainfiles
