// The file names of a gallery's page and style sheet as the build writes them: cleaned of
// characters a file name cannot hold, with the extension the browser expects.
#pragma once

#include <string>
#include <string_view>

namespace qor {

// "gallery" → "gallery.html"; ".htm" and ".html" (any case) stay; other extensions become
// ".html"; nothing left after cleaning → "index.html".
std::string NormalizePageName(std::string_view typed);
// "main" → "main.css"; ".css" (any case) stays; other extensions become ".css"; nothing left
// after cleaning → "style.css".
std::string NormalizeStyleSheetName(std::string_view typed);

} // namespace qor
