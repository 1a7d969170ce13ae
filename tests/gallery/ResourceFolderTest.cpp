// The shipped resource folder holds what the writers rely on: every key line of the page
// templates in order, the words the demo and column sheets replace, and the pictures.
#include "gallery/ComQorCSS.h"
#include "gallery/PageTemplate.h"
#include "gallery/StyleSheetKeys.h"

#include "imaging/PngCodec.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using namespace qor;
using qortest::ReadAll;
namespace fs = std::filesystem;

fs::path Rsc()
{
    const char* rsc = std::getenv("QORGALLERY_RSC");
    return rsc ? fs::path(rsc) : fs::path(QOR_SOURCE_DIR) / "rsc";
}

std::string Text(const fs::path& relative)
{
    return ReadAll(Rsc() / relative);
}

TBmpScan Picture(const fs::path& relative)
{
    std::string bytes = Text(relative);
    return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()},
                     relative.string());
}

class PageTemplates : public testing::TestWithParam<int32_t> {};

TEST_P(PageTemplates, HoldEveryKeyLineOnceInOrder)
{
    TStringList lines = LoadTextLines(Rsc() / PageTemplateName(GetParam()));
    TQorKeys head = FindKeys(lines, HeadKeyTexts());
    TQorKeys wrapper = FindKeys(lines, WrapperKeyTexts());
    for (size_t k = 0; k < head.size(); ++k)
        EXPECT_GE(head[k].id, 0) << HeadKeyTexts()[k];
    EXPECT_GT(wrapper[WrapperStart].id, head[HeadScriptCall].id);
    EXPECT_GT(wrapper[WrapperEnd].id, wrapper[WrapperStart].id);
    for (const std::string& key : HeadKeyTexts()) {
        int count = 0;
        for (const std::string& line : lines)
            count += line.find(key) != std::string::npos;
        EXPECT_EQ(count, 1) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(ResourceFolder, PageTemplates, testing::Values(0, 2, 3, 4));

TEST(ResourceFolder, StyleSheetTemplateHoldsSixteenKeys)
{
    TStringList log;
    TQorKeys keys = FindStyleSheetKeys(LoadTextLines(Rsc() / "css/style.css"), log);
    for (int k = 0; k < StyleSheetKeyCount; ++k)
        EXPECT_GE(keys[k].id, 0) << k;
}

TEST(ResourceFolder, FragmentsAndSheetsHoldTheWordsTheWriterReplaces)
{
    // The options follow the demo head directly, each after its own line break.
    std::string head = LoadTextLines(Rsc() / "index-demo.html").back();
    EXPECT_EQ(head.back(), ',');
    std::string demo = Text("css/gallerydemo.css");
    EXPECT_NE(demo.find("demowidth"), std::string::npos);
    EXPECT_NE(demo.find("eachwidth"), std::string::npos);
    for (int n = 1; n <= 3; ++n) {
        std::string sheet = Text("embed/css/style_" + std::to_string(n) + "columns.css");
        EXPECT_NE(sheet.find("WrapWidth"), std::string::npos) << n;
        EXPECT_NE(sheet.find("WrapHeight"), std::string::npos) << n;
        EXPECT_NE(Text("index-" + std::to_string(n) + "columns.html")
                      .find("css/style_" + std::to_string(n) + "columns.css"),
                  std::string::npos);
    }
}

TEST(ResourceFolder, DemoHeadGivesEachGalleryItsTransitionInTableOrder)
{
    std::string head = Text("index-demo.html");
    std::string names;
    for (const std::string& item : TComQorCSS1::StdTransitItems())
        names += (names.empty() ? "'" : ", '") + item + "'";
    EXPECT_NE(head.find("[" + names + "]"), std::string::npos) << head;
    EXPECT_NE(head.find("$('div#qo_wrapper' + demoIndex)"), std::string::npos);
}

TEST(ResourceFolder, ThirteenDistinctButtonPairs)
{
    std::set<std::string> designs;
    for (int n = 0; n <= 12; ++n) {
        char prev[16], next[16];
        std::snprintf(prev, sizeof prev, "%.2d-prev.png", n);
        std::snprintf(next, sizeof next, "%.2d-next.png", n);
        TBmpScan p = Picture(fs::path("ctrl") / prev);
        TBmpScan q = Picture(fs::path("ctrl") / next);
        EXPECT_EQ(p.Width(), q.Width()) << n;
        EXPECT_EQ(p.Height(), q.Height()) << n;
        designs.insert(Text(fs::path("ctrl") / next));
    }
    EXPECT_EQ(designs.size(), 13u);
}

TEST(ResourceFolder, ControlAndHeadingPicturesAreReadable)
{
    EXPECT_FALSE(Picture("ctrl/ctrl3stat.png").Empty());
    EXPECT_FALSE(Picture("ctrl/h2_bg_silver.png").Empty());
    for (const auto& entry : fs::directory_iterator(Rsc() / "embed/css")) {
        if (entry.path().extension() != ".png") continue;
        EXPECT_FALSE(Picture(fs::relative(entry.path(), Rsc())).Empty()) << entry.path();
    }
}

} // namespace
