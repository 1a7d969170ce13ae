#include "app/window/ProjectNames.h"

#include "util/DelphiFormat.h"
#include "util/LocalTime.h"
#include "util/TextCodec.h"
#include "util/UnitMsg.h"
#include "util/XEComText.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace qor {

std::string WindowCaption(const std::string& projectPath)
{
    if (projectPath.empty()) return GetMsgText(0);
    return Format("%s [ %s ]", {GetMsgText(0), NameWithoutExt(projectPath)});
}

std::string ProposedProjectName(const std::string& pageTitle, TDateTime today, const std::string& folder)
{
    std::string base = SanitizeFileName(pageTitle, false);
    if (base.empty()) base = GetMsgText(13);
    return UniqueFileName(base + "_" + FormatLocalTime(today, "%Y%m%d") + ".qor", folder);
}

bool IsProjectFile(const std::string& path)
{
    if (!FileExists(path)) return false;
    return AsciiLower(fs::path(path).extension().string()) == ".qor";
}

THistoryRowText HistoryRowText(const std::string& row, const std::string& detailFormat)
{
    size_t bar = row.find('|');
    std::string path = row.substr(0, bar);
    std::string count = bar == std::string::npos ? std::string() : row.substr(bar + 1);
    count = count.substr(0, count.find('|'));
    std::string folder = ExcludeTrailingSeparator(fs::path(path).parent_path().string());
    return {NameWithoutExt(path), Format(detailFormat, {count, folder})};
}

} // namespace qor
