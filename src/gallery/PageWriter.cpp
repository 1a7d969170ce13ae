#include "gallery/PageWriter.h"

#include "gallery/DemoPages.h"
#include "gallery/MarkupText.h"
#include "gallery/PageHeader.h"
#include "gallery/PageIndent.h"
#include "gallery/PageLanguage.h"
#include "gallery/PageTemplate.h"
#include "gallery/ScriptCall.h"
#include "gallery/WrapperBlock.h"

#include "util/DelphiFormat.h"
#include "util/SaturatedSum.h"
#include "util/XEComText.h"

namespace qor {

namespace {

void ReplaceKeyLine(TStringList& lines, const TQorKey& key, const std::string& text)
{
    if (key.id >= 0 && key.id < static_cast<int32_t>(lines.size())) lines[key.id] = text;
}

// The frame of 8 pixels on each side needs room besides the usual margin.
int32_t ViewportWidth(const TComQorCSS1& s)
{
    return SaturatedSum({s.ImageWidth, s.FrameType == 2 ? 50 : 30});
}

void ReplaceHeadLines(const TComQorCSS1& s, TStringList& lines, const TQorKeys& head,
                      const std::filesystem::path& rscFolder)
{
    ReplaceKeyLine(
        lines, head[HeadViewport],
        Tabs(1) + Format("<meta name=\"viewport\" content=\"width=%d\" />", {ViewportWidth(s)}));
    ReplaceKeyLine(lines, head[HeadTitle], Tabs(1) + Format("<title>%s</title>", {TitleText(s.PageTitle)}));
    ReplaceKeyLine(lines, head[HeadStyleSheet],
                   Tabs(1) + Format("<link rel=\"stylesheet\" href=\"css/%s\">", {AttrValue(s.StyleSheet)}));
    ReplaceKeyLine(lines, head[HeadBackground],
                   Tabs(2) + Format("body {background:#%s;}", {s.BackGroundColorHex}));
    ReplaceKeyLine(lines, head[HeadScriptCall],
                   s.DemoMode ? DemoScriptCall(s, LoadTextLines(rscFolder / "index-demo.html"))
                              : ScriptCall(s));
}

// Only a placeholder whose both ends were found is removed.
void RemovePlaceholder(TStringList& lines, const TQorKeys& wrapper)
{
    int32_t start = wrapper[WrapperStart].id;
    int32_t end = wrapper[WrapperEnd].id;
    if (start < 0 || start > end || end >= static_cast<int32_t>(lines.size())) return;
    lines.erase(lines.begin() + start, lines.begin() + end + 1);
}

} // namespace

TStringList ComposePage(const TComQorCSS1& s, const TPageTemplate& page,
                        const std::filesystem::path& rscFolder)
{
    TStringList lines = page.Lines;
    TQorKeys head = page.Head;
    TQorKeys wrapper = page.Wrapper;
    head.resize(HeadKeyTexts().size());
    wrapper.resize(WrapperKeyTexts().size());
    ReplaceHeadLines(s, lines, head, rscFolder);
    if (!s.PageLanguage.empty()) DeclarePageLanguage(lines, s.PageLanguage);
    RemovePlaceholder(lines, wrapper);
    if (s.DemoMode)
        InsertDemoBlock(s, lines, head, wrapper);
    else
        InsertStrings(lines, BuildWrapperBlock(s, 0), wrapper[WrapperStart].id);
    if (s.ShowQorHeader == 1)
        AddPageHeader(s, lines, head, wrapper, LoadTextLines(rscFolder / "index-header.html"));
    return lines;
}

void WritePage(const TComQorCSS1& s, const TPageTemplate& page,
               const std::filesystem::path& rscFolder)
{
    SaveTextLines(std::filesystem::path(s.OutFolder) / s.HTML, ComposePage(s, page, rscFolder));
}

} // namespace qor
