#include "mainwindow/start_lists.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/paths.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::mainwindow {
namespace {

constexpr std::array<const char*, state::kAtcChannelCount> kAtcFolders = {
    "\\atc\\del\\", "\\atc\\gnd\\", "\\atc\\twr\\", "\\atc\\dep\\", "\\atc\\ctr\\", "\\atc\\apr\\"};

std::vector<std::filesystem::path> Matching(const state::ProContext& pro, const std::string& literal) {
  return platform::ListMatching(pro.svc.paths->BaseText() + literal);
}

}  // namespace

void BuildBgmPlaylist(state::ProContext& pro) {
  state::BgmPlaylistState& list = pro.engine.BgmPlaylist;
  list.count = 0;
  std::string pattern;
  if (pro.engine.BgmMode == "MIDI") {
    pattern = "\\midi\\*.mid";
  } else if (pro.engine.BgmMode == "MP3") {
    pattern = "\\mp3\\*.mp3";
  } else {
    return;
  }
  const auto files = Matching(pro, pattern);
  const std::size_t n = std::min<std::size_t>(files.size(), kBgmListMax);
  for (std::size_t i = 0; i < n; ++i) {
    list.paths[i] = files[i].string();
    list.titles[i] = files[i].filename().string();
  }
  list.count = static_cast<std::int16_t>(n);
}

void BuildAtcFileLists(state::ProContext& pro) {
  for (std::size_t folder = 0; folder < kAtcFolders.size(); ++folder) {
    state::AtcFileList& list = pro.engine.AtcFileLists[folder];
    const auto files = Matching(pro, std::string(kAtcFolders[folder]) + "*.wav");
    const std::size_t n = std::min<std::size_t>(files.size(), kAtcListMax);
    list.paths.clear();
    for (std::size_t i = 0; i < n; ++i) list.paths.push_back(files[i].string());
    list.count = static_cast<std::int16_t>(n);
  }
}

void AdviseOnFlightReportCount(state::ProContext& pro) {
  if (Matching(pro, "\\FlightReport\\*.txt").size() <= static_cast<std::size_t>(kFlightReportAdviceCount)) return;
  if (!pro.boxes) return;
  pro.boxes->Show(
      "フライトレポートのファイル数が１００を超えました。\n\nFlightReport フォルダー内のフライトレポートファイルを整理してください。",
      ui::Buttons::Ok, ui::Icon::Information, "フライトレポート");
}

}  // namespace vx::mainwindow
