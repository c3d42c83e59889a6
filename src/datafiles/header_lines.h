#pragma once
// Lines that the headers and value sections of the hand-over and signal files share.
#include <string_view>

namespace vx::datafiles::lines {

inline constexpr std::string_view kRule = ";-------------------------------------------------";
inline constexpr std::string_view kEmpty = ";";
inline constexpr std::string_view kMadeByPro = ";ＶＥＸＬＯＲ－ＰＲＯにより自動的に作成され";
inline constexpr std::string_view kEndsWhenDeleted = ";このファイルを消すと終了します";
inline constexpr std::string_view kNoValues = ";設定値はありません";
inline constexpr std::string_view kStart = ";--------------- 設定ここから ------------------";
inline constexpr std::string_view kEnd = ";--------------- 設定ここまで ------------------";
inline constexpr std::string_view kViewSettings = ";●視点設定●";
inline constexpr std::string_view kApuSound = ";＜＜APU音声＞＞";

}  // namespace vx::datafiles::lines
