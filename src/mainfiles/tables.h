#pragma once
// The main program's airport and airline tables (空港db.csv, 会社db.csv) in `AirportTable`
// and `AirlineTable`.
namespace vx::state {
struct ProContext;
}

namespace vx::mainfiles {

// The main program's tables; each pumps the window events once when done. Errors reach
// the caller.
void LoadAirportTable(state::ProContext& ctx);
void LoadAirlineTable(state::ProContext& ctx);
void SaveAirportTable(state::ProContext& ctx);
void SaveAirlineTable(state::ProContext& ctx);
// Shows that message (title "Start") and returns false when a table file is missing.
bool CheckTableFilesForStart(state::ProContext& ctx);

}  // namespace vx::mainfiles
