#include "imagelist/ThumbInfo.h"

#include <filesystem>

namespace qor {

void ReadFileFacts(TThumbInfo& entry)
{
    std::error_code ec;
    if (!std::filesystem::exists(entry.FileName, ec)) {
        entry.Time = entry.Updated = std::chrono::system_clock::now();
        entry.Size = 0;
        entry.NotFound = true;
        return;
    }
    // Opening a pipe or device for reading can wait forever; such a file counts as one that
    // cannot be opened, so its facts keep their values.
    if (!std::filesystem::is_regular_file(entry.FileName, ec) &&
        !std::filesystem::is_directory(entry.FileName, ec))
        return;
    TDateTime created, modified;
    int64_t size;
    if (GetFileTimes(entry.FileName, created, modified, size)) {
        entry.Time = created;
        entry.Updated = modified;
        entry.Size = size;
    }
}

std::string TitleFromFileName(std::string_view path)
{
    std::string name = std::filesystem::path(path).filename().string();
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace qor
