// The sixteen numbered key lines of the style-sheet template, marked "/*0*/" to "/*15*/",
// and the rules the writer puts in their place. The rules keep their markers.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/QorKey.h"

namespace qor {

constexpr int StyleSheetKeyCount = 16;

// Size in pixels of the previous-button picture, which also sizes the next button.
struct TButtonSize {
    int32_t Width = 0;
    int32_t Height = 0;
};

// "/*0*/" to "/*15*/".
const TStringList& StyleSheetKeyTexts();
// Finds the keys and logs each as "%3d: %s" (line index, line text) into log, cleared first.
TQorKeys FindStyleSheetKeys(const TStringList& lines, TStringList& log);

// Height of the wrapper: the slides, plus the thumbnail strip in thumbnail mode.
int32_t WrapperHeight(const TComQorCSS1& s);
// The rule written in place of key line key (0 to 15).
std::string StyleSheetKeyLine(const TComQorCSS1& s, int key, TButtonSize prevButton);

} // namespace qor
