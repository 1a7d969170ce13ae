#include "gallery/MarkupText.h"

#include "util/TextCodec.h"

namespace qor {

std::string AttrValue(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c == '"')
            out += "&quot;";
        else
            out += c;
    return out;
}

std::string TitleText(std::string_view text)
{
    std::string out(text);
    std::string lower = AsciiLower(out);
    for (size_t at = lower.rfind("</title"); at != std::string::npos;
         at = at == 0 ? std::string::npos : lower.rfind("</title", at - 1))
        out.replace(at, 1, "&lt;");
    return out;
}

} // namespace qor
