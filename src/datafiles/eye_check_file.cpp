#include "datafiles/eye_check_file.h"

#include <array>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"

namespace vx::datafiles {
namespace {

using R = EyeCheckCfg;
using namespace lines;

constexpr std::array<LayoutLine<R>, 30> kLayout{
    Fixed<R>(kRule),
    Fixed<R>(";  VEXLOR-Pro 用　EyeCheck パラメータ"),
    Fixed<R>(";        VEXLOR-EyeCheck  定義ファイル"),
    Fixed<R>(kRule),
    Fixed<R>(kEmpty),
    Fixed<R>(kMadeByPro),
    Fixed<R>(";視点移動時に読み込まれます"),
    Fixed<R>(kEmpty),
    Fixed<R>(";視点移動はこのファイルにより制御され"),
    Fixed<R>(kEndsWhenDeleted),
    Fixed<R>(kEmpty),
    Fixed<R>(kStart),
    Fixed<R>(";視点切替（ＯＮなら荷物室、搭乗口の扉を開く）"),
    FieldLine<&R::InspectionDoorSwitch>(),
    Fixed<R>(kEmpty),
    Fixed<R>(";パタパタ表示"),
    FieldLine<&R::InspectionBoardFlag>(),
    FieldLine<&R::boardKind>(),
    FieldLine<&R::gate>(),
    IntegerTextLine<&R::airlineSlot>(),
    IntegerTextLine<&R::flightNumber>(),
    FieldLine<&R::hour>(),
    FieldLine<&R::minute>(),
    FieldLine<&R::departureSlot>(),
    FieldLine<&R::arrivalSlot>(),
    FieldLine<&R::departureBoardName>(),
    FieldLine<&R::arrivalBoardName>(),
    Fixed<R>(kEmpty),
    Fixed<R>(kEnd),
    Fixed<R>(kEmpty),
};
static_assert(CountValues(kLayout) == 12);

}  // namespace

void WriteEyeCheckCfgFile(const std::filesystem::path& path, const EyeCheckCfg& values) {
  WriteLayout<R>(path, kLayout, values);
}

void StoreEyeCheckCfgValues(const std::vector<std::string>& values, EyeCheckCfg& record) {
  StoreValues<R>(kLayout, values, record);
}

void ReadEyeCheckCfgFile(const std::filesystem::path& path, EyeCheckCfg& record, BadValue bad) {
  ReadLayout<R>(path, kLayout, record, bad);
}

}  // namespace vx::datafiles
