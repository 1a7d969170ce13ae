// The page header (ShowQorHeader 1): a heading with the page title directly before the
// gallery, and the lines of "index-header.html" after the background line of the head.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/QorKey.h"

namespace qor {

// head and wrapper are the key positions in lines so far; they are searched again first.
void AddPageHeader(const TComQorCSS1& s, TStringList& lines, TQorKeys head, TQorKeys wrapper,
                   const TStringList& headerLines);

} // namespace qor
