#include "gallery/DemoPages.h"

#include "gallery/PageIndent.h"
#include "gallery/PageTemplate.h"
#include "gallery/RegexReplace.h"
#include "gallery/ScriptCall.h"
#include "gallery/WrapperBlock.h"

#include "util/DelphiFormat.h"
#include "util/SaturatedSum.h"
#include "util/XEComText.h"

namespace qor {

namespace {

constexpr int DemoIndent = 3;

} // namespace

TStringList BuildDemoBlock(const TComQorCSS1& s)
{
    TStringList wrapper = BuildWrapperBlock(s, DemoIndent);
    const TStringList& names = s.TransitNames();
    TStringList block = {"<div class=\"qo_gallerydemo\">"};
    for (size_t i = 0; i < names.size(); ++i) {
        block.push_back(Tabs(1) + "<dl>");
        block.push_back(Tabs(2) + "<dt>");
        wrapper.front() =
            Tabs(DemoIndent) +
            Format("<div id=\"qo_wrapper%d\" class=\"qo_wrapbase\">", {static_cast<int>(i)});
        block.insert(block.end(), wrapper.begin(), wrapper.end());
        block.push_back(Tabs(2) + "</dt>");
        block.push_back(Tabs(2) + Format("<dd class=\"qo_demoname\">%s</dd>", {names[i]}));
        block.push_back(Tabs(1) + "</dl>");
    }
    block.push_back("</div>  <!-- end of qo_gallerydemo -->");
    return block;
}

std::string DemoScriptCall(const TComQorCSS1& s, const TStringList& demoHead)
{
    std::string head;
    for (size_t i = 0; i < demoHead.size(); ++i)
        head += (i ? CrLf : "") + demoHead[i];
    return head + ScriptCallOptions(s) + OptionBreak() + "}";
}

void InsertDemoBlock(const TComQorCSS1& s, TStringList& lines, TQorKeys& head, TQorKeys& wrapper)
{
    InsertStrings(lines, BuildDemoBlock(s), wrapper[WrapperStart].id);
    int32_t title = head[HeadTitle].id;
    InsertStrings(lines, {Tabs(1) + "<link rel=\"stylesheet\" href=\"css/gallerydemo.css\">"},
                  title);
    if (title < 0) return;
    ShiftKeys(head, title, 1);
    ShiftKeys(wrapper, title, 1);
}

void WriteDemoStyleSheet(const TComQorCSS1& s, const std::filesystem::path& rscFolder,
                         const std::filesystem::path& cssFolder)
{
    int32_t eachWidth = SaturatedSum({s.ImageWidth, 10});
    int32_t demoWidth = s.DemoWidth > eachWidth ? s.DemoWidth : eachWidth;
    TStringList lines = LoadTextLines(rscFolder / "css" / "gallerydemo.css");
    lines = ReplaceAllInLines(lines, "demowidth", Format("%dpx", {demoWidth}));
    lines = ReplaceAllInLines(lines, "eachwidth", Format("%dpx", {eachWidth}));
    SaveTextLines(cssFolder / "gallerydemo.css", lines);
}

} // namespace qor
