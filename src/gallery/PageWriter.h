// The page writer: the gallery page made from the page template, whose five head key
// lines are replaced by lines built from the settings and whose placeholder gallery is
// replaced by the wrapper block (or, in demo mode, the demo block). Every other template
// line passes through unchanged.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/QorKey.h"

#include <filesystem>

namespace qor {

struct TPageTemplate {
    const TStringList& Lines;
    const TQorKeys& Head;    // found by HeadKeyTexts()
    const TQorKeys& Wrapper; // found by WrapperKeyTexts()
};

// The page's lines. The demo page and the page header read their fragments
// ("index-demo.html", "index-header.html") from rscFolder; a missing one throws the file
// error.
TStringList ComposePage(const TComQorCSS1& s, const TPageTemplate& page,
                        const std::filesystem::path& rscFolder);

// Saves the page as OutFolder + HTML: UTF-8 with byte-order mark, CR LF after every line.
void WritePage(const TComQorCSS1& s, const TPageTemplate& page,
               const std::filesystem::path& rscFolder);

} // namespace qor
