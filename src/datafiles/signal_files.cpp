#include "datafiles/signal_files.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"

namespace vx::datafiles {
namespace {

using namespace lines;

constexpr std::array<std::string_view, 15> kBeginLines{
    kRule,
    ";  VEXLOR-Pro 用　起動時音声制限指令",
    ";        BEGIN  定義ファイル",
    kRule,
    kEmpty,
    kMadeByPro,
    ";プログラム起動時の音声開始合図となります",
    kEmpty,
    ";起動時に不要な音声が鳴らされないよう制御されます",
    ";準備が整えばこのファイルは消されます",
    kEmpty,
    ";起動時に空港移動した場合などの高度コールや",
    ";到着放送がなってしまうことの対処です",
    kNoValues,
    kEmpty,
};

constexpr std::array<std::string_view, 12> kEyeViewLines{
    kRule,
    ";  VEXLOR-Pro 用　自機を外から眺める視点",
    ";        EyeView  定義ファイル",
    kRule,
    kEmpty,
    kMadeByPro,
    ";自機を外から眺める視点開始合図となります",
    kEmpty,
    ";外部視点開始はこのファイルにより制御され",
    kEndsWhenDeleted,
    kNoValues,
    kEmpty,
};

constexpr std::array<std::string_view, 13> kEyeDoorLines{
    kRule,
    ";  VEXLOR-Pro 用　テイクオフブリーフィング途中での",
    ";     搭乗口のクローズ",
    ";        EyeDoor  定義ファイル",
    kRule,
    kEmpty,
    kMadeByPro,
    ";搭乗口クローズ開始合図となります",
    kEmpty,
    ";搭乗口クローズはこのファイルにより制御され",
    kEndsWhenDeleted,
    kNoValues,
    kEmpty,
};

constexpr std::array<std::string_view, 13> kEyeCargoLines{
    kRule,
    ";  VEXLOR-Pro 用　テイクオフブリーフィング途中での",
    ";     貨物室の扉クローズ",
    ";        EyeCargo  定義ファイル",
    kRule,
    kEmpty,
    kMadeByPro,
    ";貨物室の扉クローズ開始合図となります",
    kEmpty,
    ";貨物室の扉クローズはこのファイルにより制御され",
    kEndsWhenDeleted,
    kNoValues,
    kEmpty,
};

constexpr std::array<std::string_view, 12> kLandedLines{
    kRule,
    ";  VEXLOR-Pro 用　到着放送指令",
    ";        LND  定義ファイル",
    kRule,
    kEmpty,
    kMadeByPro,
    ";到着空港に着陸後の到着放送開始合図となります",
    kEmpty,
    ";到着放送開始はこのファイルにより制御され",
    ";放送後にこのファイルは消されます",
    kNoValues,
    kEmpty,
};

std::span<const std::string_view> LinesOf(SignalFile file) {
  switch (file) {
    case SignalFile::Begin: return kBeginLines;
    case SignalFile::EyeView: return kEyeViewLines;
    case SignalFile::EyeDoor: return kEyeDoorLines;
    case SignalFile::EyeCargo: return kEyeCargoLines;
    case SignalFile::Landed: return kLandedLines;
  }
  return {};
}

}  // namespace

std::string_view SignalFileLiteral(SignalFile file) {
  switch (file) {
    case SignalFile::Begin: return "\\BEGIN.cfg";
    case SignalFile::EyeView: return "\\EyeView.cfg";
    case SignalFile::EyeDoor: return "\\EyeDoor.cfg";
    case SignalFile::EyeCargo: return "\\EyeCargo.cfg";
    case SignalFile::Landed: return "\\vexlorLND.cfg";
  }
  return {};
}

void WriteSignalFile(const std::filesystem::path& path, SignalFile file) {
  const auto text = LinesOf(file);
  WriteLines(path, std::vector<std::string>(text.begin(), text.end()));
}

}  // namespace vx::datafiles
