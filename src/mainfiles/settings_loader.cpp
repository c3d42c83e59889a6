#include "mainfiles/settings_loader.h"

#include <algorithm>
#include <optional>

#include "datafiles/positional_text.h"
#include "datafiles/volume_table.h"
#include "mainfiles/settings_file.h"
#include "mainfiles/settings_table.h"
#include "platform/event_pump.h"
#include "platform/file_errors.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::mainfiles {
namespace {

constexpr std::string_view kCfgRead = "CFG Read";

StagedValue Convert(const SettingsRow& row, const std::string& text) {
  switch (row.kind) {
    case SettingsKind::Text:
      return text;
    case SettingsKind::Integer:
      return runtime::CInt(text);
    case SettingsKind::Long:
      return runtime::CLng(text);
    case SettingsKind::Double:
      return runtime::CDbl(text);
  }
  return {};
}

void Store(const SettingsField& field, const StagedValue& value) {
  struct Assign {
    const StagedValue& value;
    void operator()(std::monostate) const {}
    void operator()(std::string* t) const { *t = std::get<std::string>(value); }
    void operator()(std::int16_t* v) const { *v = std::get<std::int16_t>(value); }
    void operator()(std::int32_t* v) const { *v = std::get<std::int32_t>(value); }
    void operator()(double* v) const { *v = std::get<double>(value); }
  };
  std::visit(Assign{value}, field);
}

void StoreRow(state::ProContext& ctx, const SettingsRow& row, StagedValue value) {
  if (row.rule == SettingsRule::Fixed || std::holds_alternative<std::monostate>(value)) return;
  if (row.rule == SettingsRule::FileName) value = BareSettingsFileName(std::get<std::string>(value));
  Store(row.field(ctx), value);
  if (row.control) *row.control(ctx.main.MainWindow) = std::get<std::string>(value);
}

bool IsCurrentVersion(std::string_view text) {
  const auto items = datafiles::SplitItems(text.substr(0, text.find_first_of("\r\n")));
  return !items.empty() && items.front() == kSettingsVersionLine;
}

void ShowCfgRead(state::ProContext& ctx, const std::string& text) {
  ctx.boxes->Show(text, ui::Buttons::Ok, ui::Icon::Exclamation, kCfgRead);
}

// A file that did not load is copied byte for byte beside itself (one copy, the latest),
// so that no later save can lose what the user had in it: whether the copy is there, and
// the sentence for the box.
struct KeptAside {
  bool kept = false;
  std::string sentence;
};

KeptAside KeepAside(state::ProContext& ctx, const std::string& file) {
  const std::string copy = file + std::string(kUnreadableCopySuffix);
  std::error_code ec;
  const auto from = ctx.svc.paths->Under("\\" + file);
  if (!std::filesystem::is_regular_file(from, ec)) return {};
  std::filesystem::copy_file(from, ctx.svc.paths->Under("\\" + copy), std::filesystem::copy_options::overwrite_existing,
                             ec);
  if (ec) return {false, "\n元のファイルを控えに残せませんでした。終了時にも上書きしません。"};
  return {true, "\n元のファイルは「 " + copy + " 」に残しました。"};
}

// The last sentence of a failure's box: what the program goes on with.
std::string AfterFailure(SettingsLoad purpose) {
  return purpose == SettingsLoad::Resume ? "\n\n前回フライトの途中からは再開しません。新しいフライトとして始めます。" : "";
}

void ReportUnreadableFile(state::ProContext& ctx, const std::string& file, const runtime::RuntimeError& e,
                          SettingsLoad purpose) {
  const KeptAside aside = KeepAside(ctx, file);
  ShowCfgRead(ctx, "設定ファイル「 " + file + " 」を読み込めません。\n" + e.Text() + "\n" + platform::FileErrorReason(e) +
                       "\n\n設定値は読み込む前のままです。" + aside.sentence + AfterFailure(purpose));
}

void ReportBadValue(state::ProContext& ctx, const std::string& file, const SettingsValueError& e, SettingsLoad purpose) {
  const KeptAside aside = KeepAside(ctx, file);
  ShowCfgRead(ctx, "設定ファイル「 " + file + " 」の設定値 " + std::to_string(e.Index()) + " を読み込めません。\n" +
                       e.Reason() + "\n設定値：「" + e.ValueText() + "」\n\n設定値は読み込む前のままです。" +
                       aside.sentence + AfterFailure(purpose));
}

// A first line that is not the version line (another version, an empty or damaged file).
// The file is kept aside first; only a file whose copy is there is deleted and replaced
// by the defaults, as the box says. A resume, or a file that could not be copied, keeps
// every value and the file as they were. False when nothing was loaded.
bool TakeOtherVersion(state::ProContext& ctx, const std::string& file, SettingsLoad purpose) {
  const KeptAside aside = KeepAside(ctx, file);
  if (purpose == SettingsLoad::Resume || !aside.kept) {
    ShowCfgRead(ctx, "設定ファイル「 " + file + " 」はバージョンが異なるか、壊れています。\n1 行目が「" +
                         std::string(kSettingsVersionLine) + "」ではありません。\n\n設定値は読み込む前のままです。" +
                         aside.sentence + AfterFailure(purpose));
    return false;
  }
  ShowCfgRead(ctx, "読み込まれたＣＦＧファイルはバージョンが異なります\n選択されているファイルを削除し、デフォルトに戻します" +
                       aside.sentence);
  return true;
}

void ReportUnwritableDefaults(state::ProContext& ctx, const std::string& file, const std::string& reason) {
  ShowCfgRead(ctx, "設定ファイル「 " + file + " 」を作成できません。\n" + reason +
                       "\n\nデフォルトの設定値で続けます。");
}

void FinishLoad(state::ProContext& ctx) {
  ctx.svc.pump->Pump();
  datafiles::BuildVolumeTable(ctx.engine, ctx.briefing.VolumeSettings);
  ctx.svc.pump->Pump();
}

void StoreDefaults(state::ProContext& ctx) {
  std::vector<std::string> values;
  values.reserve(kSettingsTable.size());
  for (const auto& row : kSettingsTable) values.push_back(SettingsValueText(row, ctx, SettingsForm::Defaults));
  StoreStagedSettings(ctx, StageSettingsValues(values, false), false);
}

}  // namespace

std::vector<StagedValue> StageSettingsValues(const std::vector<std::string>& values, bool takeMileage) {
  std::vector<StagedValue> staged;
  const std::size_t count = std::min<std::size_t>(values.size(), kSettingsValueCount);
  staged.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto& row = kSettingsTable[i];
    if (row.rule == SettingsRule::DefaultFileOnly && !takeMileage) {
      staged.emplace_back();
      continue;
    }
    try {
      StagedValue value = Convert(row, values[i]);
      if (row.rule == SettingsRule::Fixed) value = std::monostate{};
      staged.push_back(std::move(value));
    } catch (const runtime::RuntimeError& e) {
      throw SettingsValueError(row.index, values[i], e.Text());
    }
  }
  return staged;
}

void StoreStagedSettings(state::ProContext& ctx, const std::vector<StagedValue>& staged, bool takeMileage) {
  ctx.briefing.AutoPauseDistance = 0;
  for (const SettingsRow& row : kSettingsTable) {
    if (!row.defaultWhenMissing) continue;
    if (row.rule == SettingsRule::DefaultFileOnly && !takeMileage) continue;
    StoreRow(ctx, row, Convert(row, std::string(row.defaultText)));
  }
  for (std::size_t i = 0; i < staged.size() && i < kSettingsTable.size(); ++i) StoreRow(ctx, kSettingsTable[i], staged[i]);
  ++ctx.main.MainWindow.loads;
}

bool LoadSettingsFile(state::ProContext& ctx, std::string_view name, SettingsLoad purpose) {
  const std::string file = BareSettingsFileName(name);
  const bool defaultFile = file == kDefaultSettingsFileName;
  const std::string literal = "\\" + file;
  const auto fallBackToDefaults = [&](const std::string& reason) {
    ReportUnwritableDefaults(ctx, file, reason);
    StoreDefaults(ctx);
    FinishLoad(ctx);
    return true;
  };

  std::optional<std::string> text;
  if (!ctx.svc.paths->Exists(literal)) {
    ctx.files.SettingsFileName = std::string(kDefaultSettingsFileName);
    ctx.main.MainWindow.tbxファイル名 = ctx.files.SettingsFileName;
    ctx.svc.pump->Pump();
    try {
      WriteDefaultSettingsFile(ctx, file);
    } catch (const runtime::RuntimeError& e) {
      return fallBackToDefaults(e.Text());
    }
  } else {
    try {
      text = platform::ReadCp932TextFile(ctx.svc.paths->Under(literal));
    } catch (const runtime::RuntimeError& e) {
      ReportUnreadableFile(ctx, file, e, purpose);
      return false;
    }
    ctx.svc.pump->Pump();
    if (!IsCurrentVersion(*text)) {
      text.reset();
      if (!TakeOtherVersion(ctx, file, purpose)) return false;
      ctx.files.SettingsFileName = std::string(kDefaultSettingsFileName);
      try {
        ctx.svc.paths->DeleteIfExists(literal);
      } catch (const runtime::RuntimeError&) {
        // Left in place: "VexlorPro.cfg" is replaced below, any other name is not read again.
      }
      ctx.svc.pump->Pump();
      if (!defaultFile) {
        StoreDefaults(ctx);
        FinishLoad(ctx);
        return true;
      }
      try {
        WriteDefaultSettingsFile(ctx, file);
      } catch (const runtime::RuntimeError& e) {
        return fallBackToDefaults(e.Text());
      }
    }
  }

  std::vector<StagedValue> staged;
  try {
    if (!text) text = platform::ReadCp932TextFile(ctx.svc.paths->Under(literal));
    staged = StageSettingsValues(datafiles::ExtractValues(*text), defaultFile);
  } catch (const SettingsValueError& e) {
    ReportBadValue(ctx, file, e, purpose);
    return false;
  } catch (const runtime::RuntimeError& e) {
    ReportUnreadableFile(ctx, file, e, purpose);
    return false;
  }
  StoreStagedSettings(ctx, staged, defaultFile);
  MarkSettingsFileInHand(ctx, file);
  FinishLoad(ctx);
  return true;
}

void ApplyDefaultSettings(state::ProContext& ctx) {
  StoreDefaults(ctx);
  datafiles::BuildVolumeTable(ctx.engine, ctx.briefing.VolumeSettings);
}

void LoadSettingsAtStartup(state::ProContext& ctx) {
  ApplyDefaultSettings(ctx);
  const bool loaded = LoadSettingsFile(ctx, kDefaultSettingsFileName);
  ctx.main.MainWindow.tbxファイル名 = ctx.files.SettingsFileName;
  ctx.svc.pump->Pump();
  // A file that names itself is not read twice (twice its box when it cannot be read).
  const std::string named = ctx.files.SettingsFileName;
  if (loaded && !SameSettingsFileName(named, kDefaultSettingsFileName)) LoadSettingsFile(ctx, named);
}

}  // namespace vx::mainfiles
