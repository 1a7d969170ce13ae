// Make of TComQorCSS1: the gallery folder apart from the resized pictures.
#include "gallery/Assets.h"
#include "gallery/ColumnPages.h"
#include "gallery/ComQorCSS.h"
#include "gallery/DemoPages.h"
#include "gallery/PageWriter.h"
#include "gallery/StripPictures.h"
#include "gallery/StyleSheetWriter.h"

#include <system_error>

namespace qor {

namespace fs = std::filesystem;

namespace {

// Only the css folder itself is made; the output folder exists.
fs::path MakeCssFolder(const TComQorCSS1& s)
{
    fs::path css = fs::path(s.OutFolder) / "css";
    std::error_code ec;
    fs::create_directory(css, ec);
    if (ec) throw std::system_error(ec, css.string());
    return css;
}

void WriteCssFolder(const TComQorCSS1& s, const TStyleSheetTemplate& css, const fs::path& rsc)
{
    fs::path cssFolder = MakeCssFolder(s);
    TButtonSize prevButton = CopyControlPictures(s, rsc, cssFolder);
    WriteCommentBackground(s, cssFolder);
    if (s.ControllerType == 0) WriteThumbStripPictures(s, cssFolder);
    WriteStyleSheet(s, css, prevButton, cssFolder);
    if (s.DemoMode) WriteDemoStyleSheet(s, rsc, cssFolder);
    if (ColumnCount(s) > 0) WriteColumnStyleSheet(s, rsc, cssFolder, WrapperHeight(s));
}

} // namespace

bool TComQorCSS1::Make()
{
    if (FJava.empty()) return false;
    LoadStyleSheetTemplate();
    LoadPageTemplate();
    fs::path rsc(FRscFolder);
    WritePage(*this, {FIndexLS, FKeyIndex, FKeyImg}, rsc);
    WriteCssFolder(*this, {FCSSLS, FKeyCSS}, rsc);
    WriteScriptFolder(rsc, OutFolder, FJava);
    return true;
}

} // namespace qor
