// The desktop's trash as the freedesktop.org trash standard defines it: the home
// trash for files on the home file system, a ".Trash-<uid>" folder at the top of any
// other file system.
#pragma once

#include <filesystem>

namespace qor {

// Moves a file or folder into the trash with its restore information; false when no
// trash can take it (then nothing was moved).
bool MoveToTrash(const std::filesystem::path& path);

} // namespace qor
