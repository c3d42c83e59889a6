#include "announce/cabin_attendant.h"

#include <cmath>
#include <optional>
#include <vector>

#include "datafiles/table_entries.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "state/pro_context.h"

namespace vx::announce {
namespace {

constexpr int kDrawsBeforeVoiceOne = 21;

int Draw(state::ProContext& pro, int voices) {
  const int n = static_cast<int>(std::floor(pro.svc.random->Next() * voices)) + 1;
  return n < 1 ? 1 : (n > voices ? voices : n);
}

}  // namespace

std::string CabinAttendantFolder(int n) { return "\\Wav\\CA" + std::to_string(n); }

std::string CabinAttendantFile(int n, std::string_view name) {
  return name.empty() ? std::string() : CabinAttendantFolder(n) + std::string(name);
}

int ChooseCabinAttendant(state::ProContext& pro, const std::function<bool(int)>& has, VoiceDraw draw) {
  const int voices = draw.voices < 1 ? 1 : draw.voices;
  const std::optional<int> fixed = datafiles::FixedCabinAttendant(pro.briefing.CabinAttendantChoice);
  if (fixed && has(*fixed)) return *fixed;

  if (draw.limit == VoiceDrawLimit::VoiceOneAfter21Draws) {
    for (int i = 0; i < kDrawsBeforeVoiceOne; ++i) {
      const int n = Draw(pro, voices);
      if (has(n)) return n;
    }
    return draw.afterDraws;
  }
  // Each voice once: a drawn voice already tried gives way to the next untried one.
  std::vector<bool> tried(static_cast<std::size_t>(voices) + 1, false);
  if (fixed && *fixed <= voices) tried[static_cast<std::size_t>(*fixed)] = true;
  for (;;) {
    int untried = 0;
    for (int n = 1; n <= voices; ++n) untried += tried[static_cast<std::size_t>(n)] ? 0 : 1;
    if (untried == 0) return 0;
    int n = Draw(pro, voices);
    while (tried[static_cast<std::size_t>(n)]) n = n % voices + 1;
    tried[static_cast<std::size_t>(n)] = true;
    if (has(n)) return n;
  }
}

bool CabinAttendantHas(const state::ProContext& pro, int n, std::initializer_list<std::string_view> files) {
  const std::string folder = CabinAttendantFolder(n);
  for (std::string_view file : files)
    if (!file.empty() && !pro.svc.paths->Exists(folder + std::string(file))) return false;
  return true;
}

}  // namespace vx::announce
