#pragma once
// FlightRestart内容.cfg: the four texts that sum up an interrupted flight, shown when
// the next Start offers to resume it.
#include <filesystem>
#include <string>
#include <vector>

#include "state/restart_summary_texts.h"

namespace vx::datafiles {

void WriteFlightRestartContentsFile(const std::filesystem::path& path, const state::RestartSummaryTexts& summary);
// Values 0 to 3 into the texts; missing values keep what the record held.
void StoreFlightRestartContentsValues(const std::vector<std::string>& values, state::RestartSummaryTexts& summary);
void ReadFlightRestartContentsFile(const std::filesystem::path& path, state::RestartSummaryTexts& summary);

}  // namespace vx::datafiles
