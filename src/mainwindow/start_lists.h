#pragma once
// What the main window lists when it loads: the background music of the chosen kind, the
// radio chatter of the six folders, and whether the flight reports need tidying.
namespace vx::state {
struct ProContext;
}

namespace vx::mainwindow {

inline constexpr int kBgmListMax = 200;
inline constexpr int kAtcListMax = 100;
// More report files than this earn the advice to tidy the folder.
inline constexpr int kFlightReportAdviceCount = 101;

// `BgmPlaylist` from "\midi\*.mid" with `BgmMode` "MIDI", "\mp3\*.mp3" with "MP3",
// nothing otherwise; at most 200 files, titles their file names.
void BuildBgmPlaylist(state::ProContext& pro);
// `AtcFileLists` from "\atc\del\*.wav", "\atc\gnd\", "\atc\twr\", "\atc\dep\", "\atc\ctr\",
// "\atc\apr\", at most 100 files each.
void BuildAtcFileLists(state::ProContext& pro);
// Counts "\FlightReport\*.txt" and shows the advice box when there are more than 101.
void AdviseOnFlightReportCount(state::ProContext& pro);

}  // namespace vx::mainwindow
