#include "gallery/StyleSheetWriter.h"

#include "gallery/RegexReplace.h"

#include "util/DelphiFormat.h"
#include "util/XEComText.h"

namespace qor {

namespace {

void ReplaceKeyLines(const TComQorCSS1& s, TStringList& lines, const TQorKeys& keys,
                     TButtonSize prevButton)
{
    for (int k = 0; k < static_cast<int>(keys.size()) && k < StyleSheetKeyCount; ++k) {
        int32_t id = keys[k].id;
        if (id >= 0 && id < static_cast<int32_t>(lines.size()))
            lines[id] = StyleSheetKeyLine(s, k, prevButton);
    }
}

std::string FrameRule(const TComQorCSS1& s)
{
    const char* shadow = "-ms-filter: \"progid:DXImageTransform.Microsoft.Shadow(color=#3c3c3c,"
                         "direction=135,strength=3,enabled=true)\";}";
    if (s.FrameType == 1)
        return std::string("#qo_wrapper {box-shadow: 1px 1px 3px 1px #8d8c8c;") + shadow;
    return Format("#qo_wrapper {border:8px solid #%s; border-radius:4px; padding:0;box-shadow:1px "
                  "1px 6px #3c3c3c;",
                  {s.GalleryFrameColorHex}) +
           shadow;
}

void InsertFrameRule(const TComQorCSS1& s, TStringList& lines, const TQorKeys& keys)
{
    if (s.FrameType != 1 && s.FrameType != 2) return;
    int32_t after = keys.empty() ? -1 : keys[0].id;
    InsertStrings(lines, {FrameRule(s)}, after + 1);
}

// On the demo page every gallery shares the rules through its class qo_wrapbase.
std::string WrapperSelector(const TComQorCSS1& s)
{
    return s.DemoMode ? " .qo_wrapbase" : Format("#qo_wrapper%d", {s.SlideIdentifier});
}

} // namespace

TStringList ComposeStyleSheet(const TComQorCSS1& s, const TStyleSheetTemplate& css,
                              TButtonSize prevButton)
{
    TStringList lines = css.Lines;
    ReplaceKeyLines(s, lines, css.Keys, prevButton);
    InsertFrameRule(s, lines, css.Keys);
    lines = ReplaceAllInLines(lines, "#qo_wrapper", WrapperSelector(s));
    if (!s.SuppressWrapperNote && !s.DemoMode)
        lines = ReplaceAllInLines(lines, "\\.qo", Format("#qo_wrapper%d $&", {s.SlideIdentifier}));
    return lines;
}

void WriteStyleSheet(const TComQorCSS1& s, const TStyleSheetTemplate& css, TButtonSize prevButton,
                     const std::filesystem::path& cssFolder)
{
    SaveTextLines(cssFolder / s.StyleSheet, ComposeStyleSheet(s, css, prevButton));
}

} // namespace qor
