#include "mainfiles/settings_file.h"

#include <cctype>
#include <cmath>

#include "datafiles/positional_text.h"
#include "mainfiles/files.h"
#include "platform/event_pump.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "runtime/cp932.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"
#include "state/pro_context.h"
#include "ui/message_box.h"

namespace vx::mainfiles {
namespace {

std::string FieldText(const SettingsField& field) {
  struct Text {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(const std::string* t) const { return datafiles::WritableValue(*t); }
    std::string operator()(const std::int16_t* v) const { return runtime::IntText(*v); }
    std::string operator()(const std::int32_t* v) const { return runtime::IntText(*v); }
    // Only a number the loader can read back is written.
    std::string operator()(const double* v) const { return std::isfinite(*v) ? runtime::GeneralNumber(*v) : "0"; }
  };
  return std::visit(Text{}, field);
}

void AppendLines(std::vector<std::string>& lines, std::string_view block) {
  if (block.empty()) return;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = block.find('\n', start);
    lines.emplace_back(block.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

std::filesystem::path SettingsPath(const state::ProContext& ctx, std::string_view name) {
  return ctx.svc.paths->Under("\\" + std::string(name));
}

void ReportFailedSave(state::ProContext& ctx, std::string_view name, const std::string& reason) {
  std::string text = "設定ファイル「 " + std::string(name) + " 」を保存できませんでした。";
  if (!reason.empty()) text += "\n" + reason;
  text += "\n\n前に保存した内容はそのまま残っています。";
  ctx.boxes->Show(text, ui::Buttons::Ok, ui::Icon::Exclamation, "設定値の保存");
}

// What the value is, for a box: the last comment line at or before its row ("シップ").
std::string SettingsValueLabel(std::size_t row) {
  for (std::size_t i = row + 1; i-- > 0;) {
    std::string_view comments = kSettingsTable[i].comments;
    const std::size_t lastLine = comments.rfind('\n');
    if (lastLine != std::string_view::npos) comments.remove_prefix(lastLine + 1);
    while (!comments.empty() && (comments.front() == ';' || comments.front() == ' ')) comments.remove_prefix(1);
    while (!comments.empty() && (comments.back() == ';' || comments.back() == ' ')) comments.remove_suffix(1);
    if (!comments.empty()) return std::string(comments);
  }
  return {};
}

// The first value of a save that holds a character CP932 lacks (typed into a box, or a
// file name): the sentence that names the value and the character; empty when none.
std::string UnsavableValue(state::ProContext& ctx) {
  for (std::size_t i = 0; i < kSettingsTable.size(); ++i) {
    const std::string lacking =
        runtime::FirstCharacterCp932Lacks(SettingsValueText(kSettingsTable[i], ctx, SettingsForm::Save));
    if (lacking.empty()) continue;
    return "設定値 " + std::to_string(kSettingsTable[i].index) + "（" + SettingsValueLabel(i) + "）の文字「" + lacking +
           "」は Shift-JIS (CP932) で保存できません。\nこの文字を使わない内容に直してから保存してください。";
  }
  return {};
}

}  // namespace

std::string SettingsValueText(const SettingsRow& row, state::ProContext& ctx, SettingsForm form) {
  switch (row.rule) {
    case SettingsRule::Fixed:
      return std::string(row.defaultText);
    case SettingsRule::FileName:
    case SettingsRule::CurrentInDefaults:
      return FieldText(row.field(ctx));
    case SettingsRule::None:
    case SettingsRule::DefaultFileOnly:
      break;
  }
  return form == SettingsForm::Defaults ? std::string(row.defaultText) : FieldText(row.field(ctx));
}

std::vector<std::string> SettingsFileLines(state::ProContext& ctx, SettingsForm form) {
  std::vector<std::string> lines(kSettingsHeaderLines.begin(), kSettingsHeaderLines.end());
  lines.reserve(350);
  for (const auto& row : kSettingsTable) {
    const bool defaults = form == SettingsForm::Defaults && row.defaultFileComments;
    AppendLines(lines, defaults ? *row.defaultFileComments : row.comments);
    lines.push_back("=" + SettingsValueText(row, ctx, form));
  }
  lines.emplace_back(kSettingsEndLine);
  return lines;
}

bool IsBareSettingsFileName(std::string_view name) {
  if (name.empty() || name.size() > 255 || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || c == ':' || c == ',' || u < 0x20 || u == 0x7f) return false;
  }
  return true;
}

std::string BareSettingsFileName(std::string_view name) {
  return IsBareSettingsFileName(name) ? std::string(name) : std::string(kDefaultSettingsFileName);
}

bool SettingsFileInBaseFolder(const std::filesystem::path& chosen, const platform::Paths& paths) {
  std::error_code ec;
  const auto folder = chosen.parent_path();
  return !folder.empty() && std::filesystem::equivalent(folder, paths.BaseFolder(), ec) && !ec;
}

std::string SettingsFileNameForOpen(const std::filesystem::path& chosen, const platform::Paths& paths) {
  return SettingsFileInBaseFolder(chosen, paths) ? BareSettingsFileName(chosen.filename().string()) : std::string(kDefaultSettingsFileName);
}

namespace {

std::string InHandKey(std::string_view name) {
  std::string key = BareSettingsFileName(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

}  // namespace

bool SameSettingsFileName(std::string_view a, std::string_view b) { return InHandKey(a) == InHandKey(b); }

bool SettingsFileInHand(const state::ProContext& ctx, std::string_view name) {
  return ctx.files.SettingsFilesInHand.contains(InHandKey(name));
}

void MarkSettingsFileInHand(state::ProContext& ctx, std::string_view name) {
  ctx.files.SettingsFilesInHand.insert(InHandKey(name));
}

bool SettingsFileMayBeWritten(const state::ProContext& ctx, std::string_view name) {
  if (SettingsFileInHand(ctx, name)) return true;
  std::error_code ec;
  const auto status = std::filesystem::symlink_status(SettingsPath(ctx, BareSettingsFileName(name)), ec);
  return status.type() == std::filesystem::file_type::not_found;
}

bool SaveVexlorProCfgWithoutAsking(state::ProContext& ctx) {
  if (!SettingsFileMayBeWritten(ctx, kDefaultSettingsFileName)) return true;
  return SaveSettingsFile(ctx, kDefaultSettingsFileName);
}

bool OverwriteSettingsFile(state::ProContext& ctx, std::string_view name) {
  const std::string file = BareSettingsFileName(name);
  if (SettingsFileMayBeWritten(ctx, file)) return SaveSettingsFile(ctx, file);
  ctx.boxes->Show("設定ファイル「 " + file + " 」は上書きしません。\nこの起動で読み込めていないファイルです。\n" +
                      "ファイルの内容はそのまま残っています。\n\n今の設定値を残すには「名前を付けて保存」を使ってください。",
                  ui::Buttons::Ok, ui::Icon::Exclamation, "設定値の保存");
  return false;
}

bool SaveSettingsFile(state::ProContext& ctx, std::string_view name) {
  const std::string file = BareSettingsFileName(name);
  // Checked before EyeRet.cfg is taken back, so that a refused save leaves that file too.
  if (const std::string unsavable = UnsavableValue(ctx); !unsavable.empty()) {
    ReportFailedSave(ctx, file, unsavable);
    return false;
  }
  try {
    TakeBackEyeRetCfg(ctx);
    ctx.svc.pump->Pump();
    platform::WriteTextLinesAtomic(SettingsPath(ctx, file), SettingsFileLines(ctx, SettingsForm::Save));
  } catch (const runtime::RuntimeError& e) {
    ReportFailedSave(ctx, file, e.Text());
    return false;
  }
  MarkSettingsFileInHand(ctx, file);
  ctx.svc.pump->Pump();
  return true;
}

void WriteDefaultSettingsFile(state::ProContext& ctx, std::string_view name) {
  platform::WriteTextLinesAtomic(SettingsPath(ctx, BareSettingsFileName(name)),
                                 SettingsFileLines(ctx, SettingsForm::Defaults));
  MarkSettingsFileInHand(ctx, name);
  ctx.svc.pump->Pump();
}

}  // namespace vx::mainfiles
