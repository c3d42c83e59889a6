#include "datafiles/pushback_file.h"

#include <array>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"

namespace vx::datafiles {
namespace {

using R = VexlorPbCfg;
using namespace lines;

constexpr std::array<LayoutLine<R>, 26> kLayout{
    Fixed<R>(kRule),
    Fixed<R>(";  VEXLOR-PRO 用　プッシュバック　パラメータ"),
    Fixed<R>(";        VEXLOR-PB  定義ファイル"),
    Fixed<R>(kRule),
    Fixed<R>(kEmpty),
    Fixed<R>(kMadeByPro),
    Fixed<R>(";プッシュバックプログラムの起動時に読み込まれます"),
    Fixed<R>(kEmpty),
    Fixed<R>(";プッシュバックプログラムは、このファイルにより制御され"),
    Fixed<R>(kEndsWhenDeleted),
    Fixed<R>(kEmpty),
    Fixed<R>(kStart),
    Fixed<R>(";プッシュバック"),
    FieldLine<&R::pushbackOn>(),
    FieldLine<&R::PushbackMode>(),
    FieldLine<&R::SlewStartByte>(),
    FieldLine<&R::SlewTurnValue>(),
    FieldLine<&R::SlewTurnByte>(),
    FieldLine<&R::PushbackDistance>(),
    FieldLine<&R::PushbackSide>(),
    FieldLine<&R::PushbackTurnMode>(),
    FieldLine<&R::PushbackTurnAngle>(),
    FieldLine<&R::PushbackCompassWord>(),
    FieldLine<&R::PushbackFixedHeading>(),
    Fixed<R>(kEmpty),
    Fixed<R>(kEnd),
};
static_assert(CountValues(kLayout) == 11);

}  // namespace

void WriteVexlorPbCfgFile(const std::filesystem::path& path, const VexlorPbCfg& values) {
  WriteLayout<R>(path, kLayout, values);
}

void StoreVexlorPbCfgValues(const std::vector<std::string>& values, VexlorPbCfg& record) {
  StoreValues<R>(kLayout, values, record);
}

void ReadVexlorPbCfgFile(const std::filesystem::path& path, VexlorPbCfg& record, BadValue bad) {
  ReadLayout<R>(path, kLayout, record, bad);
}

}  // namespace vx::datafiles
