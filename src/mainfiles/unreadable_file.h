#pragma once
// A file that the main program reads back (hand-over files, the settings files, the
// airport and airline tables) and cannot read: the runtime's error again, its text as the
// first line, then the file, the reason and what the user can do about it
// (platform::ReadNamingTheFile with one of these remedies).
#include <string_view>

#include "platform/file_errors.h"

namespace vx::mainfiles {

using platform::ReadNamingTheFile;

// What the user can do about an unreadable file of each kind.
inline constexpr std::string_view kEyeRetRemedy =
    "ファイルを読めるようにする（読み取りの許可、内容の修正）か、ファイルを削除してください。\n削除すると、視点設定プログラムで変えた視点は使われません。";
inline constexpr std::string_view kRestartContentsRemedy =
    "ファイルを読めるようにする（読み取りの許可、内容の修正）か、ファイルを削除してください。\n削除しても、前回フライトの途中から再開できます。";
inline constexpr std::string_view kTableRemedy =
    "ファイルを読めるように（読み取りの許可、内容の修正）してください。\nこのファイルを読めるまで、フライトを開始できません。";

}  // namespace vx::mainfiles
