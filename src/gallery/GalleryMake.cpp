// Make of TComQorCSS1: the gallery folder apart from the resized pictures.
#include "gallery/Assets.h"
#include "gallery/BuildRecord.h"
#include "gallery/ColorSettings.h"
#include "gallery/ColumnPages.h"
#include "gallery/ComQorCSS.h"
#include "gallery/DemoPages.h"
#include "gallery/PageLanguage.h"
#include "gallery/PageWriter.h"
#include "gallery/ScriptLinks.h"
#include "gallery/StripPictures.h"
#include "gallery/StyleSheetWriter.h"

#include "util/XEComFile.h"
#include "util/LocalText.h"

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

void WriteCssFolder(const TComQorCSS1& s, const TStyleSheetTemplate& css, const fs::path& rsc,
                    TMakeWarnings& warnings)
{
    fs::path cssFolder = MakeCssFolder(s);
    TButtonSize prevButton = CopyControlPictures(s, rsc, cssFolder, warnings);
    WriteCommentBackground(s, cssFolder);
    if (s.ControllerType == 0) WriteThumbStripPictures(s, cssFolder);
    WriteStyleSheet(s, css, prevButton, cssFolder);
    if (s.DemoMode) WriteDemoStyleSheet(s, rsc, cssFolder);
    if (ColumnCount(s) > 0) WriteColumnStyleSheet(s, rsc, cssFolder, WrapperHeight(s), warnings);
}

// The page and the style sheet are written into their folders under these names, so a name
// that would lead elsewhere gives way to the default.
void KeepPlainName(std::string& name, const char* fallback, TMakeWarnings& warnings)
{
    if (IsPlainFileName(name)) return;
    warnings.push_back({name, LocalFormat("not a plain file name; %s is written instead", {fallback})});
    name = fallback;
}

} // namespace

bool TComQorCSS1::Make()
{
    FMakeWarnings.clear();
    if (FJava.empty()) return false;
    LoadStyleSheetTemplate();
    LoadPageTemplate();
    KeepPlainName(HTML, "index.html", FMakeWarnings);
    KeepPlainName(StyleSheet, "style.css", FMakeWarnings);
    KeepColorTexts(*this, FMakeWarnings);
    KeepLanguageTag(*this, FMakeWarnings);
    WarnScriptLinks(*this, FMakeWarnings);
    fs::path rsc(FRscFolder);
    WritePage(*this, {FIndexLS, FKeyIndex, FKeyImg}, rsc);
    WriteCssFolder(*this, {FCSSLS, FKeyCSS}, rsc, FMakeWarnings);
    WriteScriptFolder(rsc, OutFolder, FJava, FMakeWarnings);
    RecordBuildFiles(*this);
    return true;
}

} // namespace qor
