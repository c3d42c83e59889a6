#pragma once
// The folder where the programs and the simulator stand-in meet through sockets and where
// the programs keep their single-copy locks: only its user may put anything there, or
// another user could stand in for the simulator or for a program, or keep a program from
// starting. The fallback under /tmp is a name anyone may take first, so it is checked
// before every use.
#include <filesystem>
#include <string>

namespace vx::platform {

// What keeps a folder from being the user's private one.
enum class FolderFault { None, CannotMake, Missing, NotAFolder, OtherOwner, OthersMayWrite };

struct FolderCheck {
  FolderFault fault = FolderFault::None;
  int error = 0;  // the errno of CannotMake and Missing
};

// Whether `folder` is a real folder (not a symbolic link) of this user that nobody else may
// write to. With `create`, a missing folder is made first, private to the user (its
// missing parents as usual).
FolderCheck CheckPrivateFolder(const std::filesystem::path& folder, bool create);

// Why a checked folder is not the user's private one, naming the folder: in English for the
// stand-in's and the links' messages (with the system's reason where a call failed), in
// Japanese for the programs' boxes. Empty when it is.
enum class FolderWording { English, Japanese };
std::string FolderFaultText(const FolderCheck& check, const std::filesystem::path& folder, FolderWording wording);

// Empty when the folder passes `CheckPrivateFolder`; otherwise why it does not, in English.
std::string PrivateFolderProblem(const std::filesystem::path& folder, bool create);

}  // namespace vx::platform
