#include "datafiles/restart_summary.h"

#include <array>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"

namespace vx::datafiles {
namespace {

using R = state::RestartSummaryTexts;
using namespace lines;

constexpr std::array<LayoutLine<R>, 19> kLayout{
    Fixed<R>(kRule),
    Fixed<R>(";  VEXLOR-PRO 用　FlightRestart 内容"),
    Fixed<R>(kRule),
    Fixed<R>(kEmpty),
    Fixed<R>(kStart),
    Fixed<R>(";航空会社"),
    FieldLine<&R::airline>(),
    Fixed<R>(kEmpty),
    Fixed<R>(";使用機材"),
    FieldLine<&R::aircraft>(),
    Fixed<R>(kEmpty),
    Fixed<R>(";出発空港"),
    FieldLine<&R::departureAirport>(),
    Fixed<R>(kEmpty),
    Fixed<R>(";到着空港"),
    FieldLine<&R::arrivalAirport>(),
    Fixed<R>(kEmpty),
    Fixed<R>(kEnd),
    Fixed<R>(kEmpty),
};
static_assert(CountValues(kLayout) == 4);

}  // namespace

void WriteFlightRestartContentsFile(const std::filesystem::path& path, const state::RestartSummaryTexts& summary) {
  WriteLayout<R>(path, kLayout, summary);
}

void StoreFlightRestartContentsValues(const std::vector<std::string>& values, state::RestartSummaryTexts& summary) {
  StoreValues<R>(kLayout, values, summary);
}

void ReadFlightRestartContentsFile(const std::filesystem::path& path, state::RestartSummaryTexts& summary) {
  ReadLayout<R>(path, kLayout, summary);
}

}  // namespace vx::datafiles
