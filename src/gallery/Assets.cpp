#include "gallery/Assets.h"

#include "gallery/ButtonPicture.h"

#include "util/TextCodec.h"
#include "util/XEComFile.h"

#include <system_error>

namespace qor {

namespace fs = std::filesystem;

namespace {

fs::path ButtonSource(const fs::path& ctrl, const std::string& chosen, const char* fallback)
{
    std::error_code ec;
    if (!chosen.empty() && fs::is_regular_file(ctrl / chosen, ec)) return ctrl / chosen;
    return ctrl / fallback;
}

} // namespace

TButtonSize CopyControlPictures(const TComQorCSS1& s, const fs::path& rscFolder,
                                const fs::path& cssFolder)
{
    fs::path ctrl = rscFolder / "ctrl";
    fs::path prev = ButtonSource(ctrl, s.PrevArrowFile, "00-prev.png");
    fs::path next = ButtonSource(ctrl, s.NextArrowFile, "00-next.png");
    TButtonSize size = MeasureButton(prev);
    CopyFileTo(prev, cssFolder / "prev_arrow.png", true);
    CopyFileTo(next, cssFolder / "next_arrow.png", true);
    CopyFileTo(ctrl / "ctrl3stat.png", cssFolder / "ctrl3stat.png", true);
    if (s.DemoMode) CopyFileTo(ctrl / "h2_bg_silver.png", cssFolder / "h2_bg_silver.png", true);
    return size;
}

void WriteScriptFolder(const fs::path& rscFolder, const fs::path& outFolder,
                       const TStringList& script)
{
    fs::path js = outFolder / "js";
    std::error_code ec;
    fs::create_directories(js, ec);
    if (ec) throw std::system_error(ec, js.string());
    CopyFolderFiles(rscFolder / "js", js, true, [](const fs::path& file) {
        return AsciiLower(file.filename().string()) != GalleryScriptName;
    });
    if (!script.empty()) SaveTextLines(js / GalleryScriptName, script);
}

} // namespace qor
