#include "gallery/ComQorCSS.h"

#include "gallery/Assets.h"
#include "gallery/PageTemplate.h"
#include "gallery/ProjectStream.h"
#include "gallery/StyleSheetKeys.h"

#include "util/AtomicFile.h"
#include "util/SaturatedSum.h"
#include "util/XEComFile.h"
#include "util/XEInitPrj.h"

#include <filesystem>

namespace qor {

TComQorCSS1::TComQorCSS1() : Identifier("qorcss1" + AppVersion().ShortVersion()) {}

namespace {

// One of the two placed instances: its identifier and its place on its window's design surface.
TComQorCSS1 PlacedSettings(const char* identifier, uint16_t left, uint16_t top)
{
    TComQorCSS1 s;
    s.Identifier = identifier;
    s.Left = left;
    s.Top = top;
    return s;
}

} // namespace

TComQorCSS1 TComQorCSS1::NewProjectSettings()
{
    return PlacedSettings("qorcss1", 167, 602);
}

TComQorCSS1 TComQorCSS1::NewDialogSettings()
{
    return PlacedSettings("qorcss117.0", 239, 10);
}

const TStringList& TComQorCSS1::StdTransitItems()
{
    static const TStringList items = {
        "random",      "slideall",    "fade",        "shift",    "door",      "stripe",
        "cube",        "dropblock",   "popblock",    "foldscreenv", "foldscreenh",
        "shiftscreen", "divparts",    "divpartsh",   "divcorner", "none"};
    return items;
}

const TStringList& TComQorCSS1::StdTransitNames()
{
    static const TStringList names = {
        "ランダム",      "横スクロール",   "フェード",       "シフト",
        "ドア",          "ストライプ",     "キューブ",       "ブロック(ドロップ)",
        "ブロック(ポップ)", "スクリーン(縦)", "スクリーン(横)", "スクリーンシフト",
        "縦三分割",      "横三分割",       "分割四隅",       "効果無し"};
    return names;
}

int32_t TComQorCSS1::ThumbStripHeight() const
{
    if (ControllerType != 0) return SaturatedSum({ThumbHeight, 6});
    return SaturatedSum({ThumbHeight, 2 * int64_t(ThumbBorderWidth), 6,
                         ShowThumbTitle ? ThumbTitleHeight : 0, ThumbPolaroid ? ThumbBorderWidth : 0});
}

void TComQorCSS1::SetRscFolder(const std::string& path)
{
    FRscFolder = path;
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_directory(path, ec)) return;
    if (std::filesystem::exists(std::filesystem::path(path) / "css" / "style.css", ec))
        LoadStyleSheetTemplate();
    if (std::filesystem::exists(std::filesystem::path(path) / PageTemplateName(ShowQorHeader), ec))
        LoadPageTemplate();
}

void TComQorCSS1::LoadStyleSheetTemplate()
{
    FCSSLS = LoadTextLines(std::filesystem::path(FRscFolder) / "css" / "style.css");
    FKeyCSS = FindStyleSheetKeys(FCSSLS, FLog);
}

void TComQorCSS1::LoadPageTemplate()
{
    FIndexLS = LoadTextLines(std::filesystem::path(FRscFolder) / PageTemplateName(ShowQorHeader));
    FKeyIndex = FindKeys(FIndexLS, HeadKeyTexts());
    FKeyImg = FindKeys(FIndexLS, WrapperKeyTexts());
}

bool TComQorCSS1::ParseJS()
{
    FJava = LoadTextLines(std::filesystem::path(FRscFolder) / "js" / GalleryScriptName);
    return !FJava.empty();
}

void TComQorCSS1::SaveToFile(const std::string& fileName) const
{
    WriteFileAtomic(fileName, WriteProjectStream(*this));
}

bool TComQorCSS1::LoadFromFile(const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) return false;
    std::string bytes;
    try {
        bytes = LoadFileBytes(fileName);
    } catch (const std::system_error& e) {
        throw EProjectReadError(e.what());
    }
    ReadProjectStream(bytes, *this);
    return true;
}

bool TComQorCSS1::IsUpdated(const std::string& fileName) const
{
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) return true;
    std::string temp = Folders().WorkFolder + "_crcsupd.tmp";
    ForceFolder(Folders().WorkFolder);
    SaveFileBytes(temp, WriteProjectStream(*this));
    return !SameFileContent(fileName, temp);
}

} // namespace qor
