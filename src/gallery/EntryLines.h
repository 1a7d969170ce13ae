// The page lines of one picture as the built-in builder makes them: its line in the
// slides list and its line in the thumbnail list. Texts go into the page as the user wrote
// them, markup included; in an attribute value a '"' is written "&quot;", so that the value
// ends where the page means it to.
#pragma once

#include "imagelist/ThumbInfo.h"

#include <string>

namespace qor {

struct TEntryLines {
    std::string Slide;
    std::string Thumb;
};

// number is the picture number (position + 1); baseIndent is 0, or 3 on the demo page.
// lazy: every picture but slide 1 gives its file in data-src in place of src.
TEntryLines BuildEntryLines(const TUserInfo& user, int number, int baseIndent, bool lazy = false);

} // namespace qor
