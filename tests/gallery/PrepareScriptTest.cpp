#include "gallery/PrepareScript.h"
#include "gallery/BuiltinScript.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace galleryfixture;
using qortest::TempDir;
namespace fs = std::filesystem;

fs::path SourceScript()
{
    const char* rsc = std::getenv("QORGALLERY_RSC");
    return fs::path(rsc ? rsc : QOR_SOURCE_DIR "/rsc") / "js" / "jquery.qorslider.min.js";
}

TEST(PrepareScript, BuiltInTextIsTheResourceScriptOfTheBuild)
{
    TStringList expected =
        fs::exists(SourceScript()) ? LoadTextLines(SourceScript()) : TStringList{};
    EXPECT_EQ(BuiltinScriptText(), expected);
}

TEST(PrepareScript, BuiltInChoiceAssignsBuiltInText)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    EXPECT_EQ(PrepareScript(s, true), !BuiltinScriptText().empty());
    EXPECT_EQ(s.Java(), BuiltinScriptText());
}

TEST(PrepareScript, ResourceChoiceReadsResourceFolder)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    dir.Write("rsc/js/jquery.qorslider.min.js", "x();\r\n");
    EXPECT_TRUE(PrepareScript(s, false));
    EXPECT_EQ(s.Java(), TStringList{"x();"});
}

TEST(PrepareScript, MissingResourceScriptLeavesMakeRefusing)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.AssignJS({});
    EXPECT_FALSE(PrepareScript(s, false));
    EXPECT_FALSE(s.Make());
}

} // namespace
