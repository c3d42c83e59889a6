#pragma once
// A group that asks the user first: the prompt is shown without blocking, and the group
// polls the prompt's answer every half second while the program stays live.
#include <cstdint>

#include "announce/flight_window_view.h"

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// The prompt's answers in its state value.
inline constexpr std::int16_t kPromptAsked = 0;
inline constexpr std::int16_t kPromptConfirmed = 1;
inline constexpr std::int16_t kPromptCancelled = 2;

// Sets `answer` to kPromptAsked, shows `form` without waiting for it, pumps, and polls
// every 0.5 s until the prompt stores its answer (1 or more). True when confirmed, false
// when cancelled (2), and also when the program has no such prompt. The flight ending
// meanwhile throws FlightEnded. A cut announcement does not shorten the polls: the prompt
// is still open and its answer still to come.
bool AskPrompt(state::ProContext& pro, FlightForm form, std::int16_t& answer);

}  // namespace vx::announce
