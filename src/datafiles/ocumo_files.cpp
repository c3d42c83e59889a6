#include "datafiles/ocumo_files.h"

#include <array>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"
#include "datafiles/view_layout.h"

namespace vx::datafiles {
namespace {

using namespace lines;

constexpr auto kOcumoLayout = Join(
    std::array{
        Fixed<OcumoCfg>(kRule),
        Fixed<OcumoCfg>(";  VEXLOR-PRO 用　視点設定　パラメータ"),
        Fixed<OcumoCfg>(";        Ocumo  定義ファイル"),
        Fixed<OcumoCfg>(kRule),
        Fixed<OcumoCfg>(kEmpty),
        Fixed<OcumoCfg>(kMadeByPro),
        Fixed<OcumoCfg>(";視点設定　Ocumo 起動時に読み込まれます"),
        Fixed<OcumoCfg>(kEmpty),
        Fixed<OcumoCfg>(";視点設定はこのファイルにより制御され"),
        Fixed<OcumoCfg>(kEndsWhenDeleted),
        Fixed<OcumoCfg>(kEmpty),
        Fixed<OcumoCfg>(kStart),
        Fixed<OcumoCfg>(";Pro ウィンドウハンドル"),
        FieldLine<&OcumoCfg::ProWindowHandle>(),
        Fixed<OcumoCfg>(kEmpty),
        Fixed<OcumoCfg>(kViewSettings),
    },
    ViewBlocks<OcumoCfg>(kViewLabels), ApuBlock<OcumoCfg>(),
    std::array{
        Fixed<OcumoCfg>(kEmpty),
        Fixed<OcumoCfg>(kEnd),
    });
static_assert(kOcumoLayout.size() == 59 && CountValues(kOcumoLayout) == 35);

// The viewpoint program labels the outside viewpoint "外部室" in the file it hands back.
constexpr ViewLabels kEyeRetLabels{";＜＜点検視点＞＞",   ";＜＜搭乗口視点＞＞",  ";＜＜荷物室視点＞＞",
                                   ";＜＜外部室視点＞＞", ";＜＜タワー１視点＞＞", ";＜＜タワー２視点＞＞"};

constexpr auto kEyeRetLayout = Join(
    std::array{
        Fixed<EyeRetCfg>(kRule),
        Fixed<EyeRetCfg>(";  VEXLOR-PRO 用　視点設定　パラメータ"),
        Fixed<EyeRetCfg>(";        視点設定で設定しなおしたパラメータ"),
        Fixed<EyeRetCfg>(kRule),
        Fixed<EyeRetCfg>(kEmpty),
        Fixed<EyeRetCfg>(";視点設定　Ocumo で設定したパラメータを ProMain に戻します"),
        Fixed<EyeRetCfg>(kEmpty),
        Fixed<EyeRetCfg>(kEmpty),
        Fixed<EyeRetCfg>(kStart),
        Fixed<EyeRetCfg>(kViewSettings),
    },
    ViewBlocks<EyeRetCfg>(kEyeRetLabels), ApuBlock<EyeRetCfg>(),
    std::array{
        Fixed<EyeRetCfg>(kEmpty),
        Fixed<EyeRetCfg>(kEnd),
    });
static_assert(kEyeRetLayout.size() == 53 && CountValues(kEyeRetLayout) == 34);

}  // namespace

void WriteOcumoCfgFile(const std::filesystem::path& path, const OcumoCfg& values) {
  WriteLayout<OcumoCfg>(path, kOcumoLayout, values);
}

OcumoCfg DefaultOcumoCfg() {
  OcumoCfg d;
  d.ViewPresets = {{{"0", "40", "80", "190", "7"},
                    {"0", "30", "50", "340", "SE1"},
                    {"0", "30", "50", "170", "SE2"},
                    {"30", "300", "100", "170", "7"},
                    {"30", "300", "100", "170", "0"},
                    {"30", "300", "100", "170", "0"}}};
  d.ApuSoundSettings = {{"無", "無"}, {"1", "1"}};
  return d;
}

void StoreOcumoCfgValues(const std::vector<std::string>& values, OcumoCfg& record) {
  StoreValues<OcumoCfg>(kOcumoLayout, values, record);
}

void ReadOcumoCfgFile(const std::filesystem::path& path, OcumoCfg& record, BadValue bad) {
  ReadLayout<OcumoCfg>(path, kOcumoLayout, record, bad);
}

void WriteEyeRetCfgFile(const std::filesystem::path& path, const EyeRetCfg& values) {
  WriteLayout<EyeRetCfg>(path, kEyeRetLayout, values);
}

void StoreEyeRetCfgValues(const std::vector<std::string>& values, EyeRetCfg& record) {
  StoreValues<EyeRetCfg>(kEyeRetLayout, values, record);
}

void ReadEyeRetCfgFile(const std::filesystem::path& path, EyeRetCfg& record) {
  ReadLayout<EyeRetCfg>(path, kEyeRetLayout, record);
}

}  // namespace vx::datafiles
