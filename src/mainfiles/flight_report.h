#pragma once
// The flight's three records written from the main program's state at the flight's end
// (datafiles/flight_report.h). Each writer pumps the window events once after its file.
#include "datafiles/flight_report.h"

namespace vx::state {
struct ProContext;
}

namespace vx::mainfiles {

// The values the records print, as the program holds them now.
datafiles::FlightReportInputs FlightReportInputsOf(const state::ProContext& pro);

datafiles::ReportWritten WriteFlightReport(state::ProContext& pro);
datafiles::ReportWritten WriteFlightReportValues(state::ProContext& pro);
datafiles::ReportWritten AppendFlightCsv(state::ProContext& pro);

}  // namespace vx::mainfiles
