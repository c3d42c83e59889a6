#pragma once
// The cabin attendant whose voice a group speaks with: the chosen attendant when that
// voice has the group's probe recordings, otherwise a drawn one that has them.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vx::state {
struct ProContext;
}

namespace vx::announce {

// "\Wav\CA" followed by the attendant number n (1 to 4): the folder of voice n.
std::string CabinAttendantFolder(int n);
// A recording in the folder of voice n ("\Wav\CA2" & "\G6_1.wav"); empty for an empty
// name (the recording of a table entry that is not there).
std::string CabinAttendantFile(int n, std::string_view name);

// How far the draw goes when no voice has the recordings.
enum class VoiceDrawLimit {
  // After 21 draws without success, voice `afterDraws` (1 unless the group says) is
  // taken without a test.
  VoiceOneAfter21Draws,
  // Every voice is tried once at most; 0 (no voice) when none has the recordings.
  EachVoiceOnce,
};

struct VoiceDraw {
  int voices = 4;  // the draw is Int(random × voices) + 1
  VoiceDrawLimit limit = VoiceDrawLimit::VoiceOneAfter21Draws;
  int afterDraws = 1;  // the voice taken after 21 draws
};

// The fixed voice of CabinAttendantChoice (1 to 4) when `has` holds for it; otherwise
// (0, another value, or the voice without the recordings) the first drawn voice for which
// `has` holds, within the draw's limit.
int ChooseCabinAttendant(state::ProContext& pro, const std::function<bool(int)>& has, VoiceDraw draw = {});

// Whether every one of the files (literals under a voice's folder, such as "\G3.wav")
// exists for voice n; an empty name (no table entry) asks for nothing.
bool CabinAttendantHas(const state::ProContext& pro, int n, std::initializer_list<std::string_view> files);

}  // namespace vx::announce
