#include "gallery/WrapperBlock.h"

#include "gallery/EntryLines.h"
#include "gallery/PageIndent.h"
#include "gallery/ScriptCall.h"

#include "imagelist/CustomImgLS.h"
#include "util/DelphiFormat.h"

namespace qor {

namespace {

// Both lists of entry lines, in picture order.
struct TPictureLines {
    TStringList Slides;
    TStringList Thumbs;
};

TPictureLines CollectEntryLines(const TComQorCSS1& s, int baseIndent)
{
    TPictureLines out;
    const TCustomImgLS* images = s.XEImgLS();
    std::string slide, thumb; // the hook sees the previous picture's lines
    for (int32_t i = 0; i < static_cast<int32_t>(s.AttrLS.size()); ++i) {
        if (s.OnMakeLIEntry) {
            s.OnMakeLIEntry(s, i, slide, thumb);
        } else if (PThumbInfo entry = images ? images->IdToPInfo(i) : nullptr) {
            TEntryLines lines = BuildEntryLines(entry->user, i + 1, baseIndent, s.LazyPictures);
            slide = lines.Slide;
            thumb = lines.Thumb;
        } else {
            slide.clear();
            thumb.clear();
        }
        out.Slides.push_back(slide);
        out.Thumbs.push_back(thumb);
    }
    return out;
}

} // namespace

TStringList BuildWrapperBlock(const TComQorCSS1& s, int baseIndent)
{
    TPictureLines pictures = CollectEntryLines(s, baseIndent);
    TStringList block;
    auto add = [&](int level, const std::string& text) {
        block.push_back(Tabs(baseIndent + level) + text);
    };
    auto addList = [&](const TStringList& lines) {
        add(2, "<ul>");
        for (const std::string& line : lines)
            add(3, line);
        add(2, "</ul>");
    };
    add(0, Format("<div id=\"%s\">", {WrapperId(s)}));
    add(1, "<div class=\"qo_slides\">");
    addList(pictures.Slides);
    add(1, "</div> <!-- end of slides -->");
    if (s.ControllerType != 3) {
        add(1, "<div class=\"qo_thumb\">");
        addList(pictures.Thumbs);
        add(1, "</div> <!-- end of thumb -->");
    }
    add(0, "</div> <!-- end of wrapper -->");
    return block;
}

} // namespace qor
