#include "gallery/ScriptLinks.h"

#include "imagelist/CustomImgLS.h"
#include "util/LocalText.h"

namespace qor {

namespace {

// The address up to its first ':', as the URL parser sees it.
std::string SchemeOf(std::string_view url)
{
    size_t start = 0;
    while (start < url.size() && static_cast<unsigned char>(url[start]) <= ' ')
        ++start;
    std::string scheme;
    for (char c : url.substr(start)) {
        if (c == ':') return scheme;
        if (c == '\t' || c == '\n' || c == '\r') continue;
        scheme += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return {};
}

} // namespace

bool IsScriptAddress(std::string_view url)
{
    std::string scheme = SchemeOf(url);
    return scheme == "javascript" || scheme == "vbscript" || scheme == "data";
}

void WarnScriptLinks(const TComQorCSS1& s, TMakeWarnings& warnings)
{
    const TCustomImgLS* images = s.XEImgLS();
    if (!images) return;
    for (int32_t i = 0; i < static_cast<int32_t>(s.AttrLS.size()); ++i) {
        PThumbInfo entry = images->IdToPInfo(i);
        if (entry && IsScriptAddress(entry->user.URL))
            warnings.push_back(
                {entry->user.URL,
                 LocalFormat("the link of picture %d runs a script when followed", {i + 1})});
    }
}

} // namespace qor
