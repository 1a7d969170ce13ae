#include "cli/PictureArgs.h"

#include "gallery/EntryCaptions.h"
#include "imagelist/CustomImgLS.h"
#include "util/PictureExtensions.h"
#include "util/TextCodec.h"
#include "util/XEComFile.h"
#include "util/LocalText.h"

#include <filesystem>

namespace qor {

namespace fs = std::filesystem;

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
        FindFiles(fs::absolute(path).lexically_normal(), files, PictureExtensions(), 1);
    }
    return files;
}

TStringList NewPictureLines(const std::vector<std::string>& paths, bool captions)
{
    TCustomImgLS pictures;
    if (captions) pictures.OnNewFileEntry = TakePictureCaptions;
    pictures.AssignFileLS(CollectPictures(paths));
    return pictures.GetAttrLS();
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
