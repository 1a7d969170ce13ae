#include "gallery/ColumnPages.h"

#include "gallery/Assets.h"
#include "gallery/RegexReplace.h"

#include "util/DelphiFormat.h"
#include "util/XEComFile.h"

namespace qor {

int32_t ColumnCount(const TComQorCSS1& s)
{
    return s.ShowQorHeader >= 2 && s.ShowQorHeader <= 4 ? s.ShowQorHeader - 1 : 0;
}

void WriteColumnStyleSheet(const TComQorCSS1& s, const std::filesystem::path& rscFolder,
                           const std::filesystem::path& cssFolder, int32_t wrapperHeight,
                           TMakeWarnings& warnings)
{
    std::string name = Format("style_%dcolumns.css", {ColumnCount(s)});
    std::filesystem::path embed = rscFolder / "embed" / "css";
    TStringList lines = LoadTextLines(embed / name);
    lines = ReplaceAllInLines(lines, "WrapWidth", Format("%dpx", {s.ImageWidth}));
    lines = ReplaceAllInLines(lines, "WrapHeight", Format("%dpx", {wrapperHeight}));
    SaveTextLines(cssFolder / name, lines);
    TStringList failed;
    CopyFilesByExt(embed, cssFolder, ".png", &failed);
    WarnCopyFailures(failed, warnings);
}

} // namespace qor
