// Writing files that the user cannot make again (projects, history, standard settings)
// so that a crash or a full disk never leaves half a file: the bytes go to a temporary
// file in the same folder, are flushed to disk, and only then replace the target.
#pragma once

#include <filesystem>
#include <string_view>

namespace qor {

// Throws std::system_error naming the file when any step fails; the old file then stays.
// A file that nobody may write, or that the saver may not write, is refused (permission
// denied) and stays as it is.
// A replaced file keeps its permissions; through a symbolic link, the linked file is
// replaced and the link stays.
void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

} // namespace qor
