#pragma once
// The folder where the programs and the simulator stand-in meet through sockets: only its
// user may put anything there, or another user could stand in for the simulator or for a
// program. The fallback under /tmp is a name anyone may take first, so it is checked
// before every use.
#include <filesystem>
#include <string>

namespace vx::platform {

// Empty when `folder` is a real folder (not a symbolic link) of this user that nobody else
// may write to; otherwise why it is not, naming the folder. With `create`, a missing folder
// is made first, private to the user (its missing parents as usual).
std::string PrivateFolderProblem(const std::filesystem::path& folder, bool create);

}  // namespace vx::platform
