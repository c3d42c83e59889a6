#include "datafiles/board_files.h"

#include <algorithm>
#include <utility>

#include "platform/random.h"
#include "runtime/numbers.h"
#include "runtime/text_rules.h"

namespace vx::datafiles {
namespace {

constexpr std::string_view kAuthor = "VexlorPro";
constexpr std::string_view kBlankRow = "10";  // the empty row of a flight-number column
constexpr int kRegionSlots = 100;

constexpr std::array<std::string_view, 28> kDomesticAirlines = {
    "ブラックボード",
    "CRA  クレセント",
    "AMX  天草航空",
    "フェアリンク",
    "JAL　日本航空",
    "ANA　全日空",
    "JAS　日本エアシステム",
    "JAA　日本アジア航空",
    "ANK　エアーニッポン",
    "JEX　ジャルエクスプレス",
    "JTA　日本トランスオーシャン",
    "JAC　日本エアコミューター",
    "SKY　スカイマーク",
    "ADO　エアドゥ",
    "HAC　北海道エアシステム",
    "ADK　エア北海道",
    "RAC　琉球エアコミューター",
    "NAL  中日本エアラインサービス",
    "JAIR Ｊエア",
    "JAZ　ジャルウェイズ",
    "HLQ　ハーレクイン",
    "PJA　パシフィックジャパン",
    "AOA　青葉航空",
    "スカイリンク",
    "TDA  東亜国内航空",
    "NKA  日本近距離航空",
    "SWAL 南西航空",
    "ホワイト",
};

constexpr std::array<std::string_view, 21> kInternationalAirlines = {
    "ブラックボード",
    "CRA  クレセント",
    "ブリティッシュ",
    "エールフランス",
    "ダイナスティ",
    "カンタス",
    "ルフトハンザ",
    "アメリカン",
    "キャセイ",
    "コンチネンタル",
    "ノースウェスト",
    "ユナイテッド",
    "JAL　日本航空",
    "ANA　全日空",
    "JAS　日本エアシステム",
    "JAA　日本アジア航空",
    "JAZ　ジャルウェイズ",
    "HLQ　ハーレクイン",
    "PJA　パシフィックジャパン",
    "スカイリンク",
    "ホワイト",
};

// Airline slot -> row of the airline list.
constexpr std::array<std::pair<int, int>, 24> kDomesticRows = {{
    {0, 4},   {1, 5},   {2, 6},   {3, 7},   {4, 8},   {5, 9},   {6, 10},  {7, 11},
    {8, 12},  {9, 13},  {10, 14}, {11, 15}, {12, 16}, {13, 17}, {14, 18}, {15, 19},
    {16, 20}, {20, 21}, {21, 22}, {22, 1},  {23, 23}, {25, 24}, {26, 25}, {27, 26},
}};
constexpr std::array<std::pair<int, int>, 19> kInternationalRows = {{
    {100, 12}, {101, 13}, {102, 14}, {103, 15}, {115, 16}, {116, 17}, {120, 18},
    {122, 1},  {123, 19}, {140, 7},  {141, 10}, {142, 11}, {143, 8},  {144, 2},
    {145, 9},  {146, 5},  {147, 6},  {148, 3},  {149, 4},
}};

constexpr std::array<std::string_view, 13> kRemarks = {
    "",           "最終案内　搭乗中", "搭乗手続き受付中", "天候調査中", "定刻",       "早着", "１０分遅れ",
    "２０分遅れ", "３０分遅れ",       "４０分遅れ",       "５０分遅れ", "１時間遅れ", "",
};

struct ColumnDefine {
  int left, width, largeFont, boldFont, defaultNo;
  std::string_view name;
};
constexpr std::array<ColumnDefine, 10> kColumns = {{
    {0, 0, 1, 1, 0, ""},
    {40, 100, 0, 0, 0, "航空会社"},
    {148, 20, 1, 0, 0, "便名1"},
    {168, 20, 1, 0, 0, "便名2"},
    {188, 20, 1, 0, 0, "便名3"},
    {208, 20, 1, 0, 0, "便名4"},
    {234, 160, 1, 0, 0, "到着1"},
    {0, 1, 0, 0, 0, "到着2"},
    {485, 140, 0, 0, 0, "備考"},
    {630, 40, 1, 0, 3, "搭乗口"},
}};
constexpr std::array<int, 4> kClockLefts = {400, 417, 440, 457};

// Invented flights k = 1, 2, 3: destination row, gate row, remark of a departures board
// and of an arrivals board.
struct FillerFixed {
  std::string_view destination, gate, departureRemark, arrivalRemark;
};
constexpr std::array<FillerFixed, 3> kFillers = {{
    {"7", "1", "2", "6"},
    {"8", "5", "2", "4"},
    {"9", "3", "3", "4"},
}};

std::string Text(int n) { return runtime::IntText(n); }

std::string Row(std::string_view text) { return "\"" + std::string(text) + "\",\"$FFFFFF\",\"$000000\""; }

std::string Quoted(std::string_view field) { return "\"" + std::string(field) + "\""; }

std::string RowOf(const auto& map, int slot) {
  for (const auto& [s, row] : map)
    if (s == slot) return Text(row);
  return "0";
}

std::string ClockField(int hour, int minute) {
  return runtime::Format(hour, "00") + runtime::Format(minute, "00") + "00";
}

// One digit 1 to 9 as its row; anything else as `otherwise`.
std::string DigitRow(int n, std::string_view otherwise) {
  return n >= 1 && n <= 9 ? Text(n) : std::string(otherwise);
}

bool IsDepartures(const BoardFlight& flight) { return flight.kind == kDeparturesBoard; }

// The gate in decimal, blanks on the left to three characters.
std::string GateText(int gate) {
  std::string text = Text(gate);
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  return text;
}

std::string OwnRemark(const BoardFlight& flight) {
  if (IsDepartures(flight)) return "1";
  switch (flight.arrivalDelayClass) {
    case -1: return "5";
    case 0: return "4";
    case 10: return "6";
    case 20: return "7";
    case 30: return "8";
    case 40: return "9";
    case 50: return "10";
    default: return "11";
  }
}

// The own flight's number as four rows, by the length of its text.
std::array<std::string, 4> OwnFlightDigits(const std::string& number) {
  const std::size_t length = runtime::Len(number);
  std::array<std::string, 4> rows;
  rows.fill(std::string(kBlankRow));
  if (length >= 2 && length <= 4) {
    for (std::size_t i = 0; i < length; ++i) rows[4 - length + i] = runtime::Mid(number, i + 1, 1);
  } else {
    rows[3] = runtime::Left(number, 1);
  }
  return rows;
}

std::string TimetableRow(const std::array<std::string, 12>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) line += ',';
    line += Quoted(fields[i]);
  }
  return line;
}

}  // namespace

BoardNumbers ReadBoardNumbers(const BoardFlight& flight) {
  BoardNumbers n;
  n.departure = runtime::CInt(flight.airportSlots[0]);
  n.arrival = runtime::CInt(flight.airportSlots[1]);
  n.international = n.departure >= state::kFirstInternationalSlot || n.arrival >= state::kFirstInternationalSlot;
  n.airline = runtime::CInt(flight.airlineSlot);
  return n;
}

std::string DomesticBoardAirlineRow(int slot) { return RowOf(kDomesticRows, slot); }

std::string InternationalBoardAirlineRow(int slot) { return RowOf(kInternationalRows, slot); }

std::array<std::string, 4> DrawFillerFlightNumber(platform::Random& random) {
  auto nearest = [&](double scale) { return static_cast<int>(runtime::CInt(random.Next() * scale)); };
  std::array<std::string, 4> rows;
  rows[0] = DigitRow(nearest(20), kBlankRow);
  rows[1] = DigitRow(nearest(11), rows[0] == kBlankRow ? kBlankRow : "0");
  rows[2] = DigitRow(nearest(11), rows[1] == kBlankRow ? kBlankRow : "0");
  rows[3] = DigitRow(nearest(11), "0");
  return rows;
}

std::array<std::string, 9> DrawBoardDestinations(const BoardNumbers& numbers, const state::AirportTableArray& airports,
                                                 platform::Random& random) {
  const int first = numbers.international ? state::kFirstInternationalSlot : 0;
  std::vector<int> eligible;
  for (int slot = first; slot < first + kRegionSlots; ++slot) {
    if (airports[static_cast<std::size_t>(slot)].空港名パタパタ.empty()) continue;
    if (slot == numbers.departure || slot == numbers.arrival) continue;
    eligible.push_back(slot);
  }
  std::array<std::string, 9> names;
  if (eligible.empty()) return names;
  for (std::string& name : names) {
    const auto drawn = static_cast<std::size_t>(runtime::Int(random.Next() * static_cast<double>(eligible.size())));
    name = airports[static_cast<std::size_t>(eligible[std::min(drawn, eligible.size() - 1)])].空港名パタパタ;
  }
  return names;
}

std::vector<std::string> BoardSettingsLines(std::string_view baseText, const platform::LocalDateTime& now) {
  return {
      "[Config]",
      "Speed=13",
      "SurplusRotate=1",
      "FormStyle=1",
      "SoundType=1",
      "ArrSoundFile=",
      "DepSoundFile=",
      "UseArrSound=0",
      "UseDepSound=0",
      "UseVovuSound=1",
      "ArrSoundPlayTime=15",
      "UseVirtualTime=2",
      "VirtualTime=-" + ClockField(now.hour, now.minute),
      "HideTitlebar=1",
      "InitialDir=" + std::string(baseText) + "\\vovu030\\",
      "OpenPrevFile=1",
      "PrevFile=",
      "DispBlackLine=1",
      "DispReal=1",
      "DispVirtualTime=1",
      "TRNBoldFont=0",
      "TRNAutoWidth=0",
      "",
      "[Window]",
      "Left=0",
      "Top=25",
      "",
      "[History]",
      "Count=6",
      "H0=",
      "H1=",
      "H2=",
      "H3=",
      "H4=",
      "H5=",
  };
}

std::vector<std::string> BoardPlanLines(const BoardFlight& flight, const BoardNumbers& numbers,
                                        const std::array<std::string, 9>& destinations) {
  std::vector<std::string> lines = {
      "[Config]",
      "PlanFormat=1.00",
      "ColumnCount=10",
      "LineCount=4",
      "FirstLineTop=80",
      "LineDistance=30",
      ";LineHeight=24",
      ";***↑「LineHeight」は廃止されました。",
      std::string("BackBitmap=") + (IsDepartures(flight) ? "Departure.bmp" : "Arrivals.bmp"),
      "DispWidth=680",
      "DispHeight=200",
      "DeffileTitle=RJEC",
      "DeffileAuthor=" + std::string(kAuthor),
      "Ptptmk=0.14.2.17",
      "",
  };
  auto columnRows = [&](std::size_t column) {
    std::vector<std::string> rows;
    switch (column) {
      case 1:
        if (numbers.international)
          for (auto name : kInternationalAirlines) rows.push_back(Row(name));
        else
          for (auto name : kDomesticAirlines) rows.push_back(Row(name));
        break;
      case 2: case 3: case 4: case 5:
        for (int digit = 0; digit <= 9; ++digit) rows.push_back(Row(Text(digit)));
        rows.push_back(Row(""));
        break;
      case 6:
        rows.push_back(Row(""));
        for (const auto& name : destinations) rows.push_back(Row(name));
        rows.push_back(Row(IsDepartures(flight) ? flight.destinationName : flight.originName));
        break;
      case 8:
        for (auto remark : kRemarks) rows.push_back(Row(remark));
        break;
      case 9:
        rows.push_back(Row(""));
        for (int gate = 1; gate <= 9; ++gate) rows.push_back(Row("  " + Text(gate)));
        rows.push_back(Row(GateText(flight.gate)));
        break;
      default:
        rows.push_back(Row(""));
    }
    return rows;
  };
  for (std::size_t c = 0; c < kColumns.size(); ++c) {
    const ColumnDefine& col = kColumns[c];
    const std::string number = runtime::Format(static_cast<double>(c), "00");
    const std::string image = c == 1 ? (numbers.international ? "AirlineINT.bmp" : "AirlineDOM.bmp") : "";
    for (std::string line : {"[ColumnDefine" + number + "]", "Left=" + Text(col.left), "Width=" + Text(col.width),
                             std::string("Top=0"), std::string("Height=24"), "LargeFont=" + Text(col.largeFont),
                             "BoldFont=" + Text(col.boldFont), std::string("FontName="),
                             "DefaultNo=" + Text(col.defaultNo), "ExtImgListFile=" + image,
                             "ColumnName=" + std::string(col.name), std::string(), "[ColumnData" + number + "]"})
      lines.push_back(std::move(line));
    for (std::string& row : columnRows(c)) lines.push_back(std::move(row));
    lines.emplace_back();
  }
  for (std::size_t d = 0; d < kClockLefts.size(); ++d) {
    const std::string number = runtime::Format(static_cast<double>(d), "00");
    for (std::string line : {"[ClockDefine" + number + "]", "Left=" + Text(kClockLefts[d]), std::string("Width=20"),
                             std::string("Top=0"), std::string("Height=24"), std::string("LargeFont=1"),
                             std::string("BoldFont=0"), std::string("FontName="), std::string("FontColor=$FFFFFF"),
                             std::string("BackColor=$000000"), std::string("ExtImgListFile="), std::string()})
      lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> BoardTimetableLines(const BoardFlight& flight, const BoardNumbers& numbers,
                                             bool destinationsDrawn, platform::Random& random) {
  std::vector<std::string> lines = {
      "[Config]",
      "DataFormat=1.00",
      "DataSubFormat=Index",
      "DeffileName=" + flight.kind + ".ppl",
      "Author=" + std::string(kAuthor),
      "Ptptmk=0.14.2.17",
      "Title00=VovuVexlorPro",
      "",
      "[TimeTableData00]",
  };
  const std::string airline = numbers.international ? InternationalBoardAirlineRow(numbers.airline)
                                                    : DomesticBoardAirlineRow(numbers.airline);
  const auto own = OwnFlightDigits(flight.flightNumber);
  lines.push_back(TimetableRow({"0", airline, own[0], own[1], own[2], own[3], "10", "0", OwnRemark(flight), "10",
                                ClockField(flight.hour, flight.minute), "1"}));
  for (std::size_t k = 1; k <= kFillers.size(); ++k) {
    const FillerFixed& fixed = kFillers[k - 1];
    const int airlineRow = static_cast<int>(runtime::Int(random.Next() * (numbers.international ? 19 : 26))) + 1;
    int minute = flight.minute + 15 * static_cast<int>(k);
    int hour = flight.hour;
    if (minute >= 60) {
      minute -= 60;
      hour += 1;
      if (hour == 24) hour = 0;
    }
    const auto digits = DrawFillerFlightNumber(random);
    lines.push_back(TimetableRow({"0", Text(airlineRow), digits[0], digits[1], digits[2], digits[3],
                                  destinationsDrawn ? std::string(fixed.destination) : "0", "0",
                                  std::string(IsDepartures(flight) ? fixed.departureRemark : fixed.arrivalRemark),
                                  std::string(fixed.gate), ClockField(hour, minute), "1"}));
  }
  return lines;
}

}  // namespace vx::datafiles
