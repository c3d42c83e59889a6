#include "datafiles/exp_settings_file.h"

#include <array>

#include "datafiles/file_layout.h"
#include "datafiles/header_lines.h"
#include "datafiles/view_layout.h"

namespace vx::datafiles {
namespace {

using R = VexlorExpCfg;
using namespace lines;

constexpr auto Layout(const ViewLabels& labels) {
  return Join(
      std::array{
          Fixed<R>(kRule),
          Fixed<R>(";  VEXLOR-PRO 用　速度、高度コール　パラメータ"),
          Fixed<R>(";        VEXLOR-EXP  定義ファイル"),
          Fixed<R>(kRule),
          Fixed<R>(kEmpty),
          Fixed<R>(kMadeByPro),
          Fixed<R>(";速度高度コール起動時に読み込まれます"),
          Fixed<R>(kEmpty),
          Fixed<R>(";速度高度コールはこのファイルにより制御され"),
          Fixed<R>(kEndsWhenDeleted),
          Fixed<R>(kEmpty),
          Fixed<R>(kStart),
          Fixed<R>(";速度コール"),
          FieldLine<&R::SpeedCallOption>(),
          Fixed<R>(kEmpty),
          Fixed<R>(";高度コール"),
          FieldLine<&R::AltitudeCallOption>(),
          Fixed<R>(kEmpty),
          Fixed<R>(";EXP 画面表示位置"),
          Fixed<R>(";上端"),
          FieldLine<&R::ExpWindowTop>(),
          Fixed<R>(";左端"),
          FieldLine<&R::ExpWindowLeft>(),
          Fixed<R>(kEmpty),
          Fixed<R>(kViewSettings),
      },
      ViewBlocks<R>(labels), ApuBlock<R>(),
      std::array{
          Fixed<R>(kEmpty),
          Fixed<R>(kEnd),
      });
}

constexpr auto kLayout = Layout(kViewLabels);
static_assert(kLayout.size() == 68 && CountValues(kLayout) == 38);

// The call-out program's own default file writes "タワー1" with a half-width digit.
constexpr auto kDefaultLayout =
    Layout({";＜＜点検視点＞＞", ";＜＜搭乗口視点＞＞", ";＜＜荷物室視点＞＞", ";＜＜外部視点＞＞",
            ";＜＜タワー1視点＞＞", ";＜＜タワー２視点＞＞"});

}  // namespace

void WriteVexlorExpCfgFile(const std::filesystem::path& path, const VexlorExpCfg& values) {
  WriteLayout<R>(path, kLayout, values);
}

VexlorExpCfg DefaultVexlorExpCfg() {
  VexlorExpCfg d;
  d.ViewPresets = {{{"0", "26", "50", "0", "0"},
                    {"0", "30", "80", "340", "1"},
                    {"0", "30", "80", "170", "2"},
                    {"30", "100", "80", "170", "0"},
                    {"30", "100", "80", "170", "0"},
                    {"30", "100", "80", "170", "0"}}};
  d.ApuSoundSettings = {{"無", "無"}, {"1", "1"}};
  return d;
}

void WriteDefaultVexlorExpCfgFile(const std::filesystem::path& path) {
  WriteLayout<R>(path, kDefaultLayout, DefaultVexlorExpCfg());
}

void StoreVexlorExpCfgValues(const std::vector<std::string>& values, VexlorExpCfg& record) {
  StoreValues<R>(kLayout, values, record);
}

void ReadVexlorExpCfgFile(const std::filesystem::path& path, VexlorExpCfg& record, BadValue bad) {
  ReadLayout<R>(path, kLayout, record, bad);
}

}  // namespace vx::datafiles
