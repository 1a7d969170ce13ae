#include "gallery/Assets.h"

#include "gallery/ButtonPicture.h"

#include "util/TextCodec.h"
#include "util/XEComFile.h"
#include "util/LocalText.h"

#include <system_error>

namespace qor {

namespace fs = std::filesystem;

namespace {

fs::path ButtonSource(const fs::path& ctrl, const std::string& chosen, const char* fallback,
                      TMakeWarnings& warnings)
{
    if (chosen.empty()) return ctrl / fallback;
    if (!IsPlainFileName(chosen)) {
        warnings.push_back(
            {chosen, LocalFormat("not a file name of the ctrl folder; %s is used instead", {fallback})});
        return ctrl / fallback;
    }
    std::error_code ec;
    return fs::is_regular_file(ctrl / chosen, ec) ? ctrl / chosen : ctrl / fallback;
}

void CopyOrWarn(const fs::path& source, const fs::path& dest, TMakeWarnings& warnings)
{
    if (!CopyFileTo(source, dest, true)) WarnCopyFailures({source.string()}, warnings);
}

} // namespace

void WarnCopyFailures(const TStringList& failed, TMakeWarnings& warnings)
{
    for (const std::string& file : failed)
        warnings.push_back({file, LocalText("cannot be copied into the gallery")});
}

TButtonSize CopyControlPictures(const TComQorCSS1& s, const fs::path& rscFolder,
                                const fs::path& cssFolder, TMakeWarnings& warnings)
{
    fs::path ctrl = rscFolder / "ctrl";
    fs::path prev = ButtonSource(ctrl, s.PrevArrowFile, "00-prev.png", warnings);
    fs::path next = ButtonSource(ctrl, s.NextArrowFile, "00-next.png", warnings);
    TButtonSize size = MeasureButton(prev);
    CopyOrWarn(prev, cssFolder / "prev_arrow.png", warnings);
    CopyOrWarn(next, cssFolder / "next_arrow.png", warnings);
    CopyOrWarn(ctrl / "ctrl3stat.png", cssFolder / "ctrl3stat.png", warnings);
    if (s.DemoMode) CopyOrWarn(ctrl / "h2_bg_silver.png", cssFolder / "h2_bg_silver.png", warnings);
    return size;
}

void WriteScriptFolder(const fs::path& rscFolder, const fs::path& outFolder,
                       const TStringList& script, TMakeWarnings& warnings)
{
    fs::path js = outFolder / "js";
    std::error_code ec;
    fs::create_directories(js, ec);
    if (ec) throw std::system_error(ec, js.string());
    TStringList failed;
    CopyFolderFiles(
        rscFolder / "js", js, true,
        [](const fs::path& file) { return AsciiLower(file.filename().string()) != GalleryScriptName; },
        &failed);
    WarnCopyFailures(failed, warnings);
    if (!script.empty()) SaveTextLines(js / GalleryScriptName, script);
}

} // namespace qor
