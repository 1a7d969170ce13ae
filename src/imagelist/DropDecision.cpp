#include "imagelist/DropDecision.h"

#include "util/TextCodec.h"

#include <algorithm>
#include <filesystem>

namespace qor {

bool HasListedExt(const std::string& path, const TStringList& exts)
{
    // From the last dot of the name, as the folder scan reads extensions.
    std::string name = std::filesystem::path(path).filename().string();
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = AsciiLower(std::string_view(name).substr(dot));
    return std::find(exts.begin(), exts.end(), ext) != exts.end();
}

bool IsFolderDrop(const TStringList& accepted)
{
    std::error_code ec;
    return !accepted.empty() && std::filesystem::is_directory(accepted.front(), ec);
}

TStringList AcceptedDropPaths(const TStringList& dropped, const TStringList& exts)
{
    if (IsFolderDrop(dropped)) return {dropped.front()};
    TStringList accepted;
    std::copy_if(dropped.begin(), dropped.end(), std::back_inserter(accepted),
                 [&exts](const std::string& path) { return HasListedExt(path, exts); });
    return accepted;
}

} // namespace qor
