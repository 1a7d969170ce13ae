// The desktop's trash as the freedesktop.org trash standard defines it: the home
// trash for files on the home file system, the administrator's ".Trash/<uid>" or else a
// ".Trash-<uid>" folder at the top of any other file system.
#pragma once

#include <filesystem>

namespace qor {

// Moves a file or folder into the trash with its restore information; false when no
// trash can take it (then nothing was moved), as when the trash folders of another file
// system are not the user's own.
bool MoveToTrash(const std::filesystem::path& path);

// The user's trash at the top folder of a file system other than the home's: top/.Trash/$uid
// when top/.Trash is a real folder (not a link) with the sticky bit, else top/.Trash-$uid.
// Each is made when missing and used only when it is a real folder owned by the user with
// mode 0700; empty when neither may be used.
std::filesystem::path TopFolderTrash(const std::filesystem::path& top);

} // namespace qor
