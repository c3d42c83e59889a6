#include "datafiles/voice_list.h"

#include <vector>

#include "platform/paths.h"
#include "platform/text_file.h"
#include "runtime/numbers.h"
#include "runtime/text_rules.h"

namespace vx::datafiles {

namespace {

constexpr const char* kPresent = "●";
constexpr const char* kMissing = "－";

std::string Mark(const platform::Paths& paths, const std::string& wavPath) {
  return paths.Exists("\\Wav" + wavPath) ? kPresent : kMissing;
}

std::string Join(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += cells[i];
  }
  return line;
}

struct FixedRow {
  const char* code;
  const char* label;
  std::array<std::string_view, 4> recordings;
};

// Recordings of the four attendants: "\CA" n + path.
#define VX_CA4(path) {"\\CA1" path, "\\CA2" path, "\\CA3" path, "\\CA4" path}

const FixedRow kGroundRows[] = {
    {"G-2", "挨拶", {"\\CA1\\G1_1.wav", "\\CA2\\G1_1.wav", "\\CA3\\G1_1.wav", "\\CA4\\G1_1_1.wav"}},
    {"G-3", "安全放送", VX_CA4("\\G3.wav")},
    {"G-4", "離陸", VX_CA4("\\G4.wav")},
    {"G-5", "到着", VX_CA4("\\G5_1.wav")},
    {"G-6", "最終", VX_CA4("\\G6_1.wav")},
};
const FixedRow kAirRows[] = {
    {"A-1", "上昇中", VX_CA4("\\A1.wav")},   {"A-3", "サービス", VX_CA4("\\A3.wav")},
    {"A-5", "降下開始", VX_CA4("\\A5_1.wav")}, {"A-6", "免税品", VX_CA4("\\A6.wav")},
    {"A-7", "降下中", VX_CA4("\\A7.wav")},   {"A-8", "着陸態勢", VX_CA4("\\A8.wav")},
    {"A-9", "乱気流", VX_CA4("\\A9.wav")},
};
#undef VX_CA4

using Prefixes = std::array<std::string_view, 6>;
const Prefixes kDomesticAirlines{"\\LOB\\CMP\\Japan\\lcomp_",    "\\CP\\CMP\\Japan\\PCOMP_",
                                 "\\CA1\\CMP\\Japan\\SCOMP_",   "\\CA2\\CMP\\Japan\\SCOMP_",
                                 "\\CA3\\CMP\\Japan\\SCOMP_",   "\\CA4\\CMP\\Japan\\SCOMP_"};
const Prefixes kInternationalAirlines{"\\LOB\\CMP\\World\\lcomp_",  "\\CP\\CMP\\World\\PCOMP_",
                                      "\\CA1\\CMP\\World\\SCOMP_", "\\CA2\\CMP\\World\\SCOMP_",
                                      "\\CA3\\CMP\\World\\SCOMP_", "\\CA4\\CMP\\World\\SCOMP_"};
const Prefixes kDomesticAirports{"\\LOB\\APT0\\Japan\\LAPT_",  "\\LOB\\APT1\\Japan\\LAPT_",
                                 "\\CA1\\APT\\Japan\\SAPT_",  "\\CA2\\APT\\Japan\\SAPT_",
                                 "\\CA3\\APT\\Japan\\SAPT_",  "\\CA4\\APT\\Japan\\SAPT_"};
const Prefixes kInternationalAirports{"\\LOB\\APT0\\World\\LAPT_", "\\LOB\\APT1\\World\\LAPT_",
                                      "\\CA1\\APT\\World\\SAPT_", "\\CA2\\APT\\World\\SAPT_",
                                      "\\CA3\\APT\\World\\SAPT_", "\\CA4\\APT\\World\\SAPT_"};

template <std::size_t N>
void FixedSection(std::vector<std::string>& lines, const platform::Paths& paths, const char* title,
                  const FixedRow (&rows)[N]) {
  lines.push_back(title);
  lines.push_back(Join({"番号", PadColumn14("名前"), "CA1", "CA2", "CA3", "CA4"}));
  for (const FixedRow& row : rows) {
    lines.push_back(Join({row.code, PadColumn14(row.label), CheckWavSet4(paths, row.recordings)}));
  }
}

void AirlineSection(std::vector<std::string>& lines, const platform::Paths& paths, const char* title,
                    const state::AirlineTableArray& airlines, int firstSlot, const Prefixes& prefixes) {
  lines.push_back(title);
  lines.push_back(Join({"番号", PadColumn14("ボタン名"), "ロビー", "機長", "CA1", "CA2", "CA3", "CA4", "詳細名"}));
  for (int i = 0; i < 50; ++i) {
    const state::AirlineRecord& a = airlines[static_cast<std::size_t>(firstSlot + i)];
    lines.push_back(Join({runtime::Format(i, "00"), PadColumn14(a.選択ボタン), CheckNumberedWavSet(paths, i, prefixes),
                          a.会社名詳細}));
  }
}

void AirportSection(std::vector<std::string>& lines, const platform::Paths& paths, const char* title,
                    const state::AirportTableArray& airports, int firstSlot, const Prefixes& prefixes) {
  lines.push_back(title);
  lines.push_back(
      Join({"番号", PadColumn14("ボタン名"), "出案内", "着案内", "CA1", "CA2", "CA3", "CA4", "ICAO", "詳細名"}));
  for (int i = 0; i < 100; ++i) {
    const state::AirportRecord& a = airports[static_cast<std::size_t>(firstSlot + i)];
    lines.push_back(Join({runtime::Format(i, "00"), PadColumn14(a.選択ボタン), CheckNumberedWavSet(paths, i, prefixes),
                          a.ICAO, a.空港名詳細}));
  }
}

}  // namespace

std::string PadColumn14(std::string_view name) {
  std::string cell = runtime::Trim(name);
  while (runtime::AnsiByteLength(cell) < 14) cell += ' ';
  return cell;
}

std::string CheckNumberedWavSet(const platform::Paths& paths, int number, const std::array<std::string_view, 6>& prefixes) {
  std::vector<std::string> marks;
  const std::string digits = runtime::Format(number, "00");
  for (std::string_view prefix : prefixes) marks.push_back(Mark(paths, std::string(prefix) + digits + ".wav"));
  return Join(marks);
}

std::string CheckWavSet4(const platform::Paths& paths, const std::array<std::string_view, 4>& relativePaths) {
  std::vector<std::string> marks;
  for (std::string_view path : relativePaths) marks.push_back(Mark(paths, std::string(path)));
  return Join(marks);
}

std::filesystem::path WriteVoiceList(const platform::Paths& paths, const state::AirlineTableArray& airlines,
                                     const state::AirportTableArray& airports) {
  std::vector<std::string> lines;
  FixedSection(lines, paths, "=====地上でのアナウンス=====", kGroundRows);
  lines.emplace_back();
  FixedSection(lines, paths, "=====上空でのアナウンス=====", kAirRows);
  lines.emplace_back();
  AirlineSection(lines, paths, "=====国内線 航空会社=====", airlines, 0, kDomesticAirlines);
  lines.emplace_back();
  AirlineSection(lines, paths, "=====国際線 航空会社=====", airlines, state::kFirstInternationalSlot,
                 kInternationalAirlines);
  lines.emplace_back();
  AirportSection(lines, paths, "=====国内線 空港=====", airports, 0, kDomesticAirports);
  lines.emplace_back();
  AirportSection(lines, paths, "=====国際線 空港=====", airports, state::kFirstInternationalSlot,
                 kInternationalAirports);
  const std::filesystem::path file = paths.Under(kVoiceListFile);
  platform::WriteReportLinesAtomic(file, lines);
  return file;
}

}  // namespace vx::datafiles
