#pragma once
// The airport lobby's chime before an announcement of the boarding and arrival groups.
#include <string>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The airport's own chime (its table's chime column, trimmed) when that file exists in
// "\Wav\Lob\", as the folder spells it; otherwise one of the first 20 "\Wav\Lob\Type_*.wav"
// drawn at random (Int(random × count)). A table name that holds "\", "/" or ".." counts
// as missing. A literal under BaseFolder; empty when there is neither, so that the
// chime's slot stays silent (SetSlotSilent).
std::string LobbyChime(state::ProContext& pro, int airportSlot);

}  // namespace vx::announce
