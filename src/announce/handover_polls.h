#pragma once
// The polls of a group that hands work to the call-out program through a file under
// BaseFolder: until the file exists (the other side may take a moment to see it written)
// or until it is gone (the other side deletes it when the work is done).
#include <string_view>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// Whether a cut announcement ends the poll (true at once) or the poll goes on until the
// file changes; either way it sleeps between tests.
enum class PollCut { Ends, Ignored };

// Each round: pump, wait `everySeconds` (the main program's wait, running the progress
// tick), test again. False when the flight is over.
bool PollUntilFileExists(state::ProContext& pro, std::string_view literal, float everySeconds, PollCut cut);
bool PollUntilFileGone(state::ProContext& pro, std::string_view literal, float everySeconds, PollCut cut);

}  // namespace vx::announce
