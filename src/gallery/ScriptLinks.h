// Link addresses of the pictures that run in the page when followed: a javascript:,
// vbscript: or data: address. The page keeps them as written; Make names each one, so the
// user of a shared project sees them before putting the gallery online.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/MakeWarnings.h"

#include <string_view>

namespace qor {

// The scheme as a browser reads it: blanks and control characters before it and tabs and
// line breaks within it do not count, nor does letter case.
bool IsScriptAddress(std::string_view url);

// One warning for every picture of the connected image list whose link is such an address.
void WarnScriptLinks(const TComQorCSS1& s, TMakeWarnings& warnings);

} // namespace qor
