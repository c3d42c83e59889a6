// The main settings file as a user or another program may have left it: converted into
// the staging copy and stored; what is stored saves and loads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "datafiles/positional_text.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_loader.h"
#include "mainfiles/settings_table.h"
#include "runtime/cp932.h"
#include "state/pro_context.h"

namespace {

using vx::mainfiles::SettingsForm;

std::vector<std::string> Snapshot(vx::state::ProContext& ctx) {
  std::vector<std::string> texts;
  for (const auto& row : vx::mainfiles::kSettingsTable) texts.push_back(SettingsValueText(row, ctx, SettingsForm::Save));
  return texts;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx::mainfiles;
  using namespace vx::datafiles;
  const std::string text = vx::runtime::Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<StagedValue> staged;
  try {
    staged = StageSettingsValues(ExtractValues(text), true);
  } catch (const SettingsValueError&) {
    return 0;
  }
  if (staged.size() > static_cast<std::size_t>(kSettingsValueCount)) std::abort();

  vx::state::ProContext ctx;
  StoreStagedSettings(ctx, staged, true);
  if (!IsBareSettingsFileName(ctx.files.SettingsFileName)) std::abort();

  const auto saved = SettingsFileLines(ctx, SettingsForm::Save);
  if (saved.size() != 345) std::abort();
  vx::state::ProContext back;
  try {
    StoreStagedSettings(back, StageSettingsValues(ExtractValues(Joined(saved)), true), true);
  } catch (const SettingsValueError&) {
    std::abort();  // a save must always load
  }
  if (Snapshot(back) != Snapshot(ctx)) std::abort();
  return 0;
}
