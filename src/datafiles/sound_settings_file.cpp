#include "datafiles/sound_settings_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"
#include "runtime/runtime_error.h"

namespace vx::datafiles {
namespace {

using R = VexlorSdCfg;
using namespace lines;

constexpr auto kLayout = Join(
    std::array{
        Fixed<R>(kRule),
        Fixed<R>(";  VEXLOR-PRO 用　音声設定や制御変更　パラメータ"),
        Fixed<R>(";        VEXLOR-SD  定義ファイル"),
        Fixed<R>(kRule),
        Fixed<R>(kEmpty),
        Fixed<R>(";ＶＥＸＬＯＲ－ＰＲＯにより自動的に作成されます"),
        Fixed<R>(";音声設定の変更、およびウィンドウ表示位置の変更時に"),
        Fixed<R>(";作成されＥＸＰに渡します"),
        Fixed<R>(kEmpty),
        Fixed<R>(";ＥＸＰはこのファイルを読み込むと削除します"),
        Fixed<R>(kEmpty),
        Fixed<R>(kStart),
        Fixed<R>(";音量　１～１０"),
        Fixed<R>(";－環境－"),
        ElementLine<&R::CallVolumeLevels, 0>(),
        ElementLine<&R::CallVolumeLevels, 1>(),
        ElementLine<&R::CallVolumeLevels, 2>(),
        ElementLine<&R::CallVolumeLevels, 3>(),
        ElementLine<&R::CallVolumeLevels, 4>(),
        ElementLine<&R::CallVolumeLevels, 5>(),
        ElementLine<&R::CallVolumeLevels, 6>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";ギア風切り音　速度ＩＡＳ"),
        FieldLine<&R::GearNoiseIas>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";着地音　０：小型機　１：大型機"),
        FieldLine<&R::TouchdownSoundSize>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";ＶＮＡＶ　０：ＯＦＦ　１：ＯＮ"),
        FieldLine<&R::VnavCallSwitch>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";クライムスラスト音声　０：ＯＦＦ　１：ＯＮ"),
        FieldLine<&R::ClimbThrustCallSwitch>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";EXP 画面表示位置"),
        Fixed<R>(";上端"),
        FieldLine<&R::ExpWindowTop>(),
        Fixed<R>(";左端"),
        FieldLine<&R::ExpWindowLeft>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 使用フラップ　１０ or １５ ●●"),
        FieldLine<&R::FlapCallVariant>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 離陸フラップ ●●"),
        FieldLine<&R::TakeoffFlap>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 速度コール＆ミニマム高度 ●●"),
        FieldLine<&R::CallV1>(),
        FieldLine<&R::CallVR>(),
        FieldLine<&R::CallV2>(),
        FieldLine<&R::MinimumsHeight1>(),
        FieldLine<&R::MinimumsHeight2>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● Timing 設定値 ●●"),
        Fixed<R>(";離陸時の高度"),
        ElementLine<&R::AfterTakeoffHeights, 0>(),
        ElementLine<&R::AfterTakeoffHeights, 1>(),
        ElementLine<&R::AfterTakeoffHeights, 2>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";離陸時のフラップ"),
        ElementLine<&R::FlapUpSpeeds, 0>(),
        ElementLine<&R::FlapUpSpeeds, 1>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";アプローチ・チェック"),
        FieldLine<&R::ApproachCheckHeight>(),
        FieldLine<&R::landingCheckHeight>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";着陸時のフラップ"),
        ElementLine<&R::ApproachFlapSpeeds, 0>(),
        ElementLine<&R::ApproachFlapSpeeds, 1>(),
        ElementLine<&R::ApproachFlapSpeeds, 2>(),
        ElementLine<&R::ApproachFlapSpeeds, 3>(),
        ElementLine<&R::ApproachFlapSpeeds, 4>(),
        ElementLine<&R::ApproachFlapSpeeds, 5>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";アプローチ・リデュース・スピード"),
        ElementLine<&R::SpeedReductionHeights, 0>(),
        ElementLine<&R::SpeedReductionHeights, 1>(),
        ElementLine<&R::SpeedReductionHeights, 2>(),
        ElementLine<&R::SpeedReductionHeights, 3>(),
        ElementLine<&R::SpeedReductionHeights, 4>(),
        ElementLine<&R::SpeedReductionHeights, 5>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 対空港高度 ●●"),
        FieldLine<&R::DepartureElevationFt>(),
        FieldLine<&R::ArrivalElevationFt>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● ゴーアラウンド・フラップ ●●"),
        FieldLine<&R::GoAroundFlap>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 到着空港の位置 ●●"),
        FieldLine<&R::ArrivalLatitudeRaw>(),
        FieldLine<&R::ArrivalLongitudeRaw>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● himitu特別エンジン音 ●●"),
        FieldLine<&R::SpecialEngineSoundSwitch>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 着陸滑走路番号 ●●"),
        IntegerTextLine<&R::landingRunwayNumber>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● AES 対応 ●●"),
        FieldLine<&R::AesDeparture>(),
        FieldLine<&R::AesArrival>(),
        Fixed<R>(kEmpty),
        Fixed<R>(";●● 機体高度 ●●"),
        FieldLine<&R::CallElevationFt>(),
        Fixed<R>(kEmpty),
        // One "-" fewer than the start marker.
        Fixed<R>(";-------------- 設定ここまで ------------------"),
    });
static_assert(kLayout.size() == 108 && CountValues(kLayout) == 49);

}  // namespace

void WriteVexlorSdCfgFile(const std::filesystem::path& path, const VexlorSdCfg& values) {
  WriteLayout<R>(path, kLayout, values);
}

void StoreVexlorSdCfgValues(const std::vector<std::string>& values, VexlorSdCfg& record) {
  StoreValues<R>(kLayout, values, record);
}

void ReadVexlorSdCfgFile(const std::filesystem::path& path, VexlorSdCfg& record, BadValue bad) {
  ReadLayout<R>(path, kLayout, record, bad);
}

bool TakeVexlorSdCfgFile(const std::filesystem::path& path, VexlorSdCfg& record, BadValue bad) {
  const auto taken = path.parent_path() / ("." + path.filename().string() + ".taken-" + std::to_string(::getpid()));
  if (std::rename(path.c_str(), taken.c_str()) != 0) {
    if (errno == ENOENT) return false;
    throw runtime::RuntimeError(runtime::kPathFileAccessError);
  }
  struct RemoveTaken {
    const std::filesystem::path& file;
    ~RemoveTaken() { std::remove(file.c_str()); }
  } removeTaken{taken};
  ReadVexlorSdCfgFile(taken, record, bad);
  return true;
}

}  // namespace vx::datafiles
