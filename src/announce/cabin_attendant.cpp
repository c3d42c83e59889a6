#include "announce/cabin_attendant.h"

#include <cmath>
#include <vector>

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

int ChooseCabinAttendant(state::ProContext& pro, const std::function<bool(int)>& has, VoiceDraw draw) {
  const int voices = draw.voices < 1 ? 1 : draw.voices;
  const int choice = pro.briefing.CabinAttendantChoice;
  if (choice != 0 && has(choice)) return choice;

  if (draw.limit == VoiceDrawLimit::VoiceOneAfter21Draws) {
    for (int i = 0; i < kDrawsBeforeVoiceOne; ++i) {
      const int n = Draw(pro, voices);
      if (has(n)) return n;
    }
    return draw.afterDraws;
  }
  // Each voice once: a drawn voice already tried gives way to the next untried one.
  std::vector<bool> tried(static_cast<std::size_t>(voices) + 1, false);
  if (choice >= 1 && choice <= voices) tried[static_cast<std::size_t>(choice)] = true;
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
    if (!pro.svc.paths->Exists(folder + std::string(file))) return false;
  return true;
}

}  // namespace vx::announce
