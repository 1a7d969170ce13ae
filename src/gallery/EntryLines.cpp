#include "gallery/EntryLines.h"

#include "gallery/MarkupText.h"
#include "gallery/PageIndent.h"

#include "util/DelphiFormat.h"
#include "util/TextCodec.h"

namespace qor {

namespace {

std::string TitleAttr(const std::string& text)
{
    return text.empty() ? std::string() : Format("title=\"%s\"", {AttrValue(text)});
}

std::string Link(const TUserInfo& user)
{
    if (!user.URL.empty())
        return Format("<a href=\"%s\" target=\"%s\" data-topic=\"%s\"></a>",
                      {AttrValue(user.URL), AttrValue(user.Target), AttrValue(user.Topic)});
    if (!user.Topic.empty()) return Format("<a href=\"#\" data-topic=\"%s\" ></a>", {AttrValue(user.Topic)});
    return {};
}

std::string Caption(const TUserInfo& user)
{
    std::string caption;
    if (!user.Title.empty()) caption = Format("<p class=\"qo_span_h1\">%s</p>", {user.Title});
    if (!user.memoLS.empty()) {
        caption += "<p class=\"qo_span_content\">";
        for (const std::string& line : user.memoLS)
            caption += line + "<br />";
        caption += "</p>";
    }
    return caption;
}

} // namespace

TEntryLines BuildEntryLines(const TUserInfo& user, int number, int baseIndent, bool lazy)
{
    TEntryLines lines;
    std::string title = TitleAttr(user.Title);
    const std::string thumbSrc = lazy ? "data-src" : "src";
    const std::string slideSrc = lazy && number > 1 ? "data-src" : "src";
    lines.Thumb = Format("<li><img %s=\"img/thumb/%d.jpg\" alt=\"%d.jpg\" %s /></li>",
                         {thumbSrc, number, number, title});

    // A long link address is more telling than the title when hovering the slide.
    if (Utf16Length(user.URL) > 5) title = TitleAttr(user.URL);
    std::string image =
        Format("<img %s=\"img/img%d.jpg\" alt=\"img%d.jpg\" %s />", {slideSrc, number, number, title});
    std::string link = Link(user);
    std::string caption = Caption(user);
    if (link.empty() && caption.empty()) {
        lines.Slide = "<li>" + image + "</li>";
        return lines;
    }
    std::string innerBreak = CrLf + Tabs(baseIndent + 4);
    lines.Slide = "<li>";
    if (!link.empty()) lines.Slide += innerBreak + link;
    lines.Slide += innerBreak + image;
    if (!caption.empty()) lines.Slide += innerBreak + "<span>" + caption + "</span>";
    lines.Slide += CrLf + Tabs(baseIndent + 3) + "</li>";
    return lines;
}

} // namespace qor
