#include "cli/PictureArgs.h"

#include "util/TextCodec.h"
#include "util/XEComFile.h"
#include "util/LocalText.h"

#include <algorithm>
#include <filesystem>

namespace qor {

namespace fs = std::filesystem;

const TStringList& PictureExtensions()
{
    static const TStringList exts = {".jpg", ".png", ".bmp", ".gif"};
    return exts;
}

namespace {

bool NameLess(const std::string& a, const std::string& b)
{
    std::string la = AsciiLower(a), lb = AsciiLower(b);
    return la != lb ? la < lb : a < b;
}

// Sorts each run of files sharing a folder, keeping the runs where FindFiles put them.
void SortWithinFolders(TStringList& files, size_t from)
{
    auto folderOf = [](const std::string& p) { return fs::path(p).parent_path(); };
    for (size_t start = from; start < files.size();) {
        size_t end = start + 1;
        while (end < files.size() && folderOf(files[end]) == folderOf(files[start])) ++end;
        std::sort(files.begin() + start, files.begin() + end, NameLess);
        start = end;
    }
}

} // namespace

TStringList CollectPictures(const std::vector<std::string>& paths)
{
    TStringList files;
    for (const std::string& path : paths) {
        std::error_code ec;
        fs::file_status status = fs::status(path, ec);
        if (!fs::exists(status)) throw EPictureArgError(LocalFormat("no such file or folder: %s", {path}));
        if (!fs::is_directory(status)) {
            files.push_back(fs::absolute(path).lexically_normal().string());
            continue;
        }
        size_t from = files.size();
        FindFiles(fs::absolute(path).lexically_normal(), files, PictureExtensions(), 1);
        SortWithinFolders(files, from);
    }
    return files;
}

TPlainArgs SplitPlainArgs(const std::vector<std::string>& args)
{
    TPlainArgs split;
    for (const std::string& arg : args) {
        bool isProject = AsciiLower(fs::path(arg).extension().string()) == ".qor";
        (isProject ? split.Projects : split.Pictures).push_back(arg);
    }
    return split;
}

} // namespace qor
