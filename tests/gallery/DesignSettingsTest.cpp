#include "gallery/DesignSettings.h"
#include "gallery/TemplateList.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using namespace qor;

TComQorCSS1 Design()
{
    TComQorCSS1 d;
    d.ImageWidth = 640;
    d.ThumbWidth = 64;
    d.ControllerType = 2;
    d.ColorCommentBG = "00000050";
    d.Responsive = true;
    d.MinScale = 30;
    d.AutoSlideShow = true;
    d.SlideshowInterval = 4;
    d.PageTitle = "design's title";
    d.AttrLS = {"design.jpg"};
    d.DemoMode = true;
    return d;
}

TEST(DesignSettings, CopiesTheDesignButNotTheProjectsOwnFields)
{
    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    project.PageTitle = "mine";
    project.AttrLS = {"mine.jpg"};
    CopyDesignSettings(Design(), project);
    EXPECT_EQ(project.ImageWidth, 640);
    EXPECT_EQ(project.ControllerType, 2);
    EXPECT_EQ(project.ColorCommentBG, "00000050");
    EXPECT_TRUE(project.Responsive);
    EXPECT_EQ(project.SlideshowInterval, 4);
    EXPECT_EQ(project.PageTitle, "mine");
    EXPECT_EQ(project.AttrLS, TStringList{"mine.jpg"});
    EXPECT_FALSE(project.DemoMode);
    EXPECT_EQ(project.Identifier, "qorcss1");
    EXPECT_EQ(project.Left, 167);
}

TEST(DesignSettings, TemplateKeepsResponsiveSlideshowAndSizes)
{
    TComQorCSS1 project;
    project.ImageWidth = 800;
    project.ThumbWidth = 80;
    CopyDesignSettings(Design(), project, {.AsTemplate = true, .KeepSizes = true});
    EXPECT_EQ(project.ControllerType, 2);
    EXPECT_EQ(project.ImageWidth, 800);
    EXPECT_EQ(project.ThumbWidth, 80);
    EXPECT_FALSE(project.Responsive);
    EXPECT_EQ(project.MinScale, 50);
    EXPECT_FALSE(project.AutoSlideShow);
    EXPECT_EQ(project.SlideshowInterval, 0);

    CopyDesignSettings(Design(), project, {.AsTemplate = true, .KeepSizes = false});
    EXPECT_EQ(project.ImageWidth, 640);
    EXPECT_EQ(project.ThumbWidth, 64);
    EXPECT_FALSE(project.Responsive);
}

TEST(DesignSettings, PolaroidThumbnailsGetAFrame)
{
    TComQorCSS1 design;
    design.ThumbPolaroid = true;
    design.ThumbBorderWidth = 0;
    TComQorCSS1 project;
    CopyDesignSettings(design, project);
    EXPECT_EQ(project.ThumbBorderWidth, 2);
    design.ThumbBorderWidth = 5;
    CopyDesignSettings(design, project);
    EXPECT_EQ(project.ThumbBorderWidth, 5);
}

TEST(TemplateList, ReadsNameAndCaptionOfEachLine)
{
    qortest::TempDir rsc;
    rsc.Write("samples/sample.txt", "\xEF\xBB\xBFsimple|シンプル|\r\nbroken\r\ndark|Dark|x\r\n");
    std::string folder = rsc.Path().string() + "/";
    std::vector<TTemplateItem> items = LoadTemplateList(folder);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Name, "simple");
    EXPECT_EQ(items[0].Caption, "シンプル");
    EXPECT_EQ(items[0].ProjectFile, folder + "samples/simple.qor");
    EXPECT_EQ(items[0].PreviewFile, folder + "samples/simple.jpg");
    EXPECT_EQ(items[1].Name, "dark");
    EXPECT_TRUE(LoadTemplateList(folder + "none/").empty());
}

// A template list comes with a resource folder that may have been exchanged: an entry whose
// name would lead out of the samples folder is left out.
TEST(TemplateList, NamesLeadingOutOfTheSamplesFolderAreLeftOut)
{
    qortest::TempDir rsc;
    rsc.Write("samples/sample.txt", "../../secret|a|\r\n/etc/passwd|b|\r\nsub/x|c|\r\n..|d|\r\n"
                                    "sub\\x|e|\r\nplain|f|\r\n");
    std::vector<TTemplateItem> items = LoadTemplateList(rsc.Path().string() + "/");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Name, "plain");
}

} // namespace
