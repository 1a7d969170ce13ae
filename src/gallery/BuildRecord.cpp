#include "gallery/BuildRecord.h"

#include "gallery/Assets.h"

#include "util/DelphiFormat.h"
#include "util/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace qor {

namespace fs = std::filesystem;

namespace {

// The scripts WriteScriptFolder copies: the plain files of the resource folder's js.
void AddScriptFiles(const TComQorCSS1& s, TStringList& files)
{
    files.push_back(std::string("js/") + GalleryScriptName);
    std::error_code ec;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(s.RscFolder()) / "js", ec)) {
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && AsciiLower(name) != GalleryScriptName)
            files.push_back("js/" + name);
    }
}

std::set<std::string> RecordedFiles(const fs::path& record)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(record, ec))) return {};
    TStringList lines = LoadTextLines(record);
    return {lines.begin(), lines.end()};
}

} // namespace

TStringList BuildFiles(const TComQorCSS1& s)
{
    TStringList files = {s.HTML, "css/" + s.StyleSheet};
    AddScriptFiles(s, files);
    for (int n = 1; n <= static_cast<int>(s.AttrLS.size()); ++n) {
        files.push_back(Format("img/img%d.jpg", {n}));
        files.push_back(Format("img/thumb/%d.jpg", {n}));
    }
    return files;
}

TStringList ForeignFiles(const TComQorCSS1& s)
{
    fs::path folder(s.OutFolder);
    std::set<std::string> recorded = RecordedFiles(folder / BuildRecordName);
    TStringList foreign;
    for (const std::string& file : BuildFiles(s)) {
        std::error_code ec;
        // A folder in the place of a file is not replaced: its write fails.
        fs::file_status status = fs::symlink_status(folder / file, ec);
        if (fs::exists(status) && !fs::is_directory(status) && !recorded.count(file))
            foreign.push_back(file);
    }
    return foreign;
}

void RecordBuildFiles(const TComQorCSS1& s)
{
    fs::path record = fs::path(s.OutFolder) / BuildRecordName;
    std::set<std::string> files = RecordedFiles(record);
    TStringList built = BuildFiles(s);
    files.insert(built.begin(), built.end());
    SaveTextLines(record, {files.begin(), files.end()});
}

} // namespace qor
