#include "announce/lobby_chime.h"

#include <algorithm>
#include <cmath>

#include "datafiles/table_entries.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "runtime/text_rules.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr std::string_view kLobbyFolder = "\\Wav\\Lob\\";
constexpr std::size_t kChimeChoices = 20;

}  // namespace

std::string LobbyChime(state::ProContext& pro, std::optional<int> airportSlot) {
  const platform::Paths& paths = *pro.svc.paths;
  const std::string name = runtime::Trim(datafiles::AirportEntry(pro.files.AirportTable, airportSlot).チャイム);
  const std::string literal = std::string(kLobbyFolder) + name;
  if (platform::IsBareFileName(name) && paths.Exists(literal))
    return std::string(kLobbyFolder) + paths.Under(literal).filename().string();
  auto chimes = platform::ListMatching(paths.BaseText() + std::string(kLobbyFolder) + "Type_*.wav");
  if (chimes.empty()) return {};
  const std::size_t count = std::min(chimes.size(), kChimeChoices);
  const auto drawn = static_cast<std::size_t>(std::floor(pro.svc.random->Next() * static_cast<double>(count)));
  return std::string(kLobbyFolder) + chimes[std::min(drawn, count - 1)].filename().string();
}

}  // namespace vx::announce
