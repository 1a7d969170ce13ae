#include "cli/PictureArgs.h"
#include "cli/ProjectSetup.h"
#include "gallery/ProjectStream.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

namespace {

using namespace qor;
using qortest::ReadAll;
using qortest::TempDir;

std::string Slash(const TempDir& dir) { return dir.Path().string() + "/"; }

TEST(PictureArgs, ScansFoldersOneLevelDeepForPicturesSortedByName)
{
    TempDir dir;
    for (const char* name : {"b.JPG", "a.png", "C.bmp", "d.gif", "e.txt", "f.jpeg", "sub/g.jpg",
                             "i.HEIC", "j.heif", "k.Avif", "l.webp"})
        dir.Write(std::string("pics/") + name, "x");
    std::filesystem::create_directory(dir / "pics/h.jpg"); // a folder is no picture
    dir.Write("single.txt", "x");
    TStringList files = CollectPictures({(dir / "single.txt").string(), (dir / "pics").string()});
    std::string pics = (dir / "pics").string() + "/";
    EXPECT_EQ(files, (TStringList{(dir / "single.txt").string(), pics + "a.png", pics + "b.JPG",
                                  pics + "C.bmp", pics + "d.gif", pics + "i.HEIC",
                                  pics + "j.heif", pics + "k.Avif", pics + "l.webp"}));
}

TEST(PictureArgs, RefusesAPathThatDoesNotExist)
{
    TempDir dir;
    try {
        CollectPictures({(dir / "gone").string()});
        FAIL() << "no error";
    } catch (const EPictureArgError& e) {
        EXPECT_EQ(std::string(e.what()), "no such file or folder: " + (dir / "gone").string());
    }
}

TEST(ProjectSetup, NewProjectTakesTheStandardDesign)
{
    TempDir rsc;
    TComQorCSS1 standard = TComQorCSS1::NewDialogSettings();
    standard.ImageWidth = 720;
    standard.ControllerType = 1;
    standard.PageTitle = "not taken";
    standard.AttrLS = {"not taken.jpg"};
    standard.SaveToFile(Slash(rsc) + "stdSetting.qor");
    TComQorCSS1 project = NewProjectFromStd(Slash(rsc));
    EXPECT_EQ(project.ImageWidth, 720);
    EXPECT_EQ(project.ControllerType, 1);
    EXPECT_EQ(project.PageTitle, "QorSlider");
    EXPECT_TRUE(project.AttrLS.empty());
    EXPECT_EQ(project.Left, 167);
    EXPECT_EQ(project.Top, 602);
    EXPECT_EQ(project.Identifier, "qorcss1");
}

TEST(ProjectSetup, NewProjectWithoutStandardSettingsStartsFromDefaults)
{
    TempDir rsc;
    TComQorCSS1 project = NewProjectFromStd(Slash(rsc));
    EXPECT_EQ(WriteProjectStream(project), WriteProjectStream(TComQorCSS1::NewProjectSettings()));
}

TEST(ProjectSetup, TemplatesComeFromTheSampleList)
{
    TempDir rsc;
    rsc.Write("samples/sample.txt", "dark|Dark|\r\nlost|Lost|\r\n");
    TComQorCSS1 design = TComQorCSS1::NewDialogSettings();
    design.ControllerType = 2;
    design.ImageWidth = 333;
    design.SaveToFile(Slash(rsc) + "samples/dark.qor");

    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    project.ImageWidth = 800;
    ApplyTemplate(project, Slash(rsc), "dark");
    EXPECT_EQ(project.ControllerType, 2);
    EXPECT_EQ(project.ImageWidth, 800);
    ApplyTemplate(project, Slash(rsc), "dark", true);
    EXPECT_EQ(project.ImageWidth, 333);

    EXPECT_THROW(ApplyTemplate(project, Slash(rsc), "lost"), EProjectSetupError);
    try {
        ApplyTemplate(project, Slash(rsc), "other");
        FAIL() << "no error";
    } catch (const EProjectSetupError& e) {
        EXPECT_STREQ(e.what(), "no template named other (templates: dark, lost)");
    }
}

TEST(ProjectSetup, LoadProjectTellsAMissingFileFromADamagedOne)
{
    TempDir dir;
    EXPECT_THROW(LoadProject((dir / "none.qor").string()), EProjectSetupError);
    EXPECT_THROW(LoadProject(dir.Write("bad.qor", "junk").string()), EProjectReadError);
}

// The command line leaves a project its user made read-only as it is, and says why.
TEST(ProjectSetup, SetRefusesAProjectMadeReadOnly)
{
    TempDir dir;
    const std::string file = (dir / "kept.qor").string();
    TComQorCSS1::NewDialogSettings().SaveToFile(file);
    const std::string bytes = ReadAll(file);
    ::chmod(file.c_str(), 0444);
    std::string command = std::string("'") + QOR_BIN_DIR + "/qorgallery' set '" + file +
                          "' ImageWidth=320 2>&1; echo \"exit $?\"";
    std::string said;
    FILE* pipe = popen(command.c_str(), "r");
    for (int c; pipe && (c = fgetc(pipe)) != EOF;)
        said += static_cast<char>(c);
    if (pipe) pclose(pipe);
    EXPECT_EQ(said, "qorgallery set: " + file + ": Permission denied\nexit 1\n");
    EXPECT_EQ(ReadAll(file), bytes);
}

} // namespace
