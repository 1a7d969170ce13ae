#include "gallery/OutputNames.h"

#include "util/TextCodec.h"
#include "util/XEComFile.h"

#include <initializer_list>

namespace qor {

namespace {

// The cleaned name with its extension kept when it is one of the accepted ones, else
// replaced by (or given) the first of them.
std::string WithExtension(std::string_view typed, std::string_view fallback,
                          std::initializer_list<std::string_view> accepted)
{
    std::string name = SanitizeFileName(typed, false);
    if (name.empty()) return std::string(fallback);
    size_t dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : AsciiLower(name.substr(dot));
    for (std::string_view keep : accepted)
        if (ext == keep) return name;
    return name.substr(0, dot) + std::string(*accepted.begin());
}

} // namespace

std::string NormalizePageName(std::string_view typed)
{
    return WithExtension(typed, "index.html", {".html", ".htm"});
}

std::string NormalizeStyleSheetName(std::string_view typed)
{
    return WithExtension(typed, "style.css", {".css"});
}

} // namespace qor
