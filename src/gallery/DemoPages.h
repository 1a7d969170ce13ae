// The demo page (DemoMode): the same gallery once per transition of the transition table,
// in wrappers numbered from 0 and labelled with the transitions' display names, with a
// style sheet of its own.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/QorKey.h"

#include <filesystem>

namespace qor {

TStringList BuildDemoBlock(const TComQorCSS1& s);
// The script call with the whole text of "index-demo.html" as its head.
std::string DemoScriptCall(const TComQorCSS1& s, const TStringList& demoHead);
// Inserts the demo block at the wrapper start and the demo style sheet line before the
// title line; the keys follow the lines they name.
void InsertDemoBlock(const TComQorCSS1& s, TStringList& lines, TQorKeys& head, TQorKeys& wrapper);
// css/"gallerydemo.css" from the resource folder's "css/gallerydemo.css", its widths set.
void WriteDemoStyleSheet(const TComQorCSS1& s, const std::filesystem::path& rscFolder,
                         const std::filesystem::path& cssFolder);

} // namespace qor
