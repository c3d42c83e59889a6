#include "callout/exp_files.h"

#include <filesystem>
#include <string_view>

#include "datafiles/exp_settings_file.h"
#include "datafiles/eye_check_file.h"
#include "datafiles/pushback_file.h"
#include "datafiles/signal_files.h"
#include "datafiles/sound_settings_file.h"
#include "platform/file_errors.h"
#include "platform/paths.h"
#include "state/exp_context.h"

namespace vx::callout {
namespace {

using datafiles::BadValue;

std::filesystem::path InBase(const state::ExpContext& exp, std::string_view literal) {
  if (exp.svc.paths) return exp.svc.paths->Under(literal);
  return platform::Paths(exp.frame.BaseFolder).Under(literal);
}

}  // namespace

void ReadExpSettings(state::ExpContext& exp) {
  const auto file = InBase(exp, "\\vexlorEXP.cfg");
  if (!platform::FileExists(file)) WriteDefaultExpSettings(exp);
  state::ExpSettings& s = exp.settings;
  // The switches keep their state through the texts when their values are missing.
  datafiles::VexlorExpCfg record;
  record.SpeedCallOption = s.SpeedCallOn == -1 ? "ON" : "";
  record.AltitudeCallOption = s.AltitudeCallOn == -1 ? "ON" : "";
  record.ExpWindowTop = s.ExpWindowTop;
  record.ExpWindowLeft = s.ExpWindowLeft;
  record.ViewPresets = s.ViewPresets;
  record.ApuSoundSettings = s.ApuSoundSettings;
  datafiles::ReadVexlorExpCfgFile(file, record, BadValue::Keep);
  s.SpeedCallOn = datafiles::CallSwitch(record.SpeedCallOption);
  s.AltitudeCallOn = datafiles::CallSwitch(record.AltitudeCallOption);
  s.ExpWindowTop = record.ExpWindowTop;
  s.ExpWindowLeft = record.ExpWindowLeft;
  s.ViewPresets = record.ViewPresets;
  s.ApuSoundSettings = record.ApuSoundSettings;
}

void WriteDefaultExpSettings(state::ExpContext& exp) {
  datafiles::WriteDefaultVexlorExpCfgFile(InBase(exp, "\\vexlorEXP.cfg"));
}

// The hand-over files VexlorPro writes: a read that fails names the file in its box.
bool ReadSoundSettings(state::ExpContext& exp) {
  const auto file = InBase(exp, "\\vexlorSD.cfg");
  bool taken = false;
  platform::ReadNamingTheFile(file, "", [&] { taken = datafiles::TakeVexlorSdCfgFile(file, exp.sd, BadValue::Keep); });
  return taken;
}

void ReadPushbackSettings(state::ExpContext& exp) {
  const auto file = InBase(exp, "\\vexlorPB.cfg");
  platform::ReadNamingTheFile(file, "", [&] { datafiles::ReadVexlorPbCfgFile(file, exp.pushback, BadValue::Keep); });
}

void ReadInspectionSettings(state::ExpContext& exp) {
  const auto file = InBase(exp, "\\EyeCheck.cfg");
  platform::ReadNamingTheFile(file, "", [&] { datafiles::ReadEyeCheckCfgFile(file, exp.inspection, BadValue::Keep); });
}

void WriteLandedSignalFile(state::ExpContext& exp) {
  datafiles::WriteSignalFile(InBase(exp, datafiles::SignalFileLiteral(datafiles::SignalFile::Landed)),
                             datafiles::SignalFile::Landed);
}

}  // namespace vx::callout
