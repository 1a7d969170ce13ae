// The site layouts (ShowQorHeader 2, 3, 4 with 1, 2, 3 columns): the column style sheet
// from "embed/css/style_%dcolumns.css" of the resource folder with the gallery's width and
// height put in, and the pictures it uses.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/MakeWarnings.h"

#include <filesystem>

namespace qor {

// 1, 2 or 3 for the site layouts, 0 otherwise.
int32_t ColumnCount(const TComQorCSS1& s);

// css/"style_%dcolumns.css" with "WrapWidth" and "WrapHeight" replaced, then every PNG
// picture of "embed/css/" copied beside it (a copy that fails is a warning).
void WriteColumnStyleSheet(const TComQorCSS1& s, const std::filesystem::path& rscFolder,
                           const std::filesystem::path& cssFolder, int32_t wrapperHeight,
                           TMakeWarnings& warnings);

} // namespace qor
