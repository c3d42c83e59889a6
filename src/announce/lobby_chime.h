#pragma once
// The airport lobby's chime before an announcement of the boarding and arrival groups.
#include <optional>
#include <string>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The airport's own chime (its table's chime column, trimmed) when that file exists in
// "\Wav\Lob\", as the folder spells it; otherwise one of the first 20 "\Wav\Lob\Type_*.wav"
// drawn at random (Int(random × count)). A table name that holds "\", "/" or ".." counts
// as missing, and so does an airport of no entry. A literal under BaseFolder; empty when
// there is neither, so that the chime's slot stays silent.
std::string LobbyChime(state::ProContext& pro, std::optional<int> airportSlot);

}  // namespace vx::announce
