#include "gallery/PageTemplate.h"

#include "util/DelphiFormat.h"

namespace qor {

const TStringList& HeadKeyTexts()
{
    static const TStringList texts = {"\"viewport\"", "<title>", "\"css/style.css\">",
                                      "body {background:", ".qorslider({"};
    return texts;
}

const TStringList& WrapperKeyTexts()
{
    static const TStringList texts = {"<div id=\"qo_wrapper\">", "<!-- end of wrapper"};
    return texts;
}

std::string PageTemplateName(int32_t showQorHeader)
{
    if (showQorHeader >= 2 && showQorHeader <= 4)
        return Format("index-%dcolumns.html", {showQorHeader - 1});
    return "index-base.html";
}

} // namespace qor
