// qorgallery build with folders of this test's own: a resource folder with one template, so
// that the test does not depend on the designs that ship, a home folder whose documents
// folder takes galleries built without an output folder, and a font configuration without
// any font. The program computes its folders, and fontconfig its fonts, once per process, so
// this test has an executable of its own that sets QORGALLERY_RSC, HOME and FONTCONFIG_FILE
// before anything asks for them.
#include "cli/GalleryBuildSupport.h"
#include "cli/ProjectSetup.h"
#include "gallery/ComQorCSS.h"

#include <cstdlib>
#include <memory>

namespace {

using namespace qortest;

TempDir* Home = nullptr;

// The shipped resource folder's files, with standard settings at the small sizes and the
// template "framed": no controller, and sizes that a template does not bring along.
class TOwnFolders : public testing::Environment {
public:
    void SetUp() override
    {
        FHome = std::make_unique<TempDir>();
        Home = FHome.get();
        setenv("HOME", FHome->Path().c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        FRsc = std::make_unique<TempDir>();
        for (const fs::directory_entry& entry : fs::directory_iterator(QOR_SOURCE_DIR "/rsc")) {
            std::string name = entry.path().filename().string();
            if (name != "stdSetting.qor" && name != "samples")
                fs::create_symlink(entry.path(), *FRsc / name);
        }
        qor::TComQorCSS1 standard = qor::TComQorCSS1::NewDialogSettings();
        standard.ImageWidth = kSlideWidth;
        standard.ImageHeight = kSlideHeight;
        standard.ThumbWidth = kThumbWidth;
        standard.ThumbHeight = kThumbHeight;
        standard.ControllerType = 0;
        standard.SaveToFile((*FRsc / "stdSetting.qor").string());

        FRsc->Write("samples/sample.txt", "framed|枠付き:コントローラーなし|\r\n");
        qor::TComQorCSS1 framed = qor::TComQorCSS1::NewDialogSettings();
        framed.ControllerType = 3;
        framed.ImageWidth = 333;
        framed.ThumbWidth = 99;
        framed.SaveToFile((*FRsc / "samples" / "framed.qor").string());
        setenv("QORGALLERY_RSC", FRsc->Path().c_str(), 1);
        fs::path fonts =
            FHome->Write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" +
                                           (FHome->Path() / "font-cache").string() +
                                           "</cachedir></fontconfig>\n");
        setenv("FONTCONFIG_FILE", fonts.c_str(), 1);
    }
    void TearDown() override
    {
        FRsc.reset();
        Home = nullptr;
        FHome.reset();
    }

private:
    std::unique_ptr<TempDir> FHome, FRsc;
};

[[maybe_unused]] testing::Environment* const OwnFolders =
    testing::AddGlobalTestEnvironment(new TOwnFolders);

struct TTemplateCase {
    std::vector<std::string> Options;
    bool Thumbnails;
};

class GalleryBuildTemplateTest : public testing::TestWithParam<TTemplateCase> {
protected:
    std::vector<std::string> Args(const std::vector<std::string>& options) const
    {
        std::vector<std::string> args = {"--pictures", (FDir / "pics").string(), "--out",
                                         (FDir / "gallery").string()};
        args.insert(args.end(), options.begin(), options.end());
        return args;
    }

    TempDir FDir;
};

TEST_P(GalleryBuildTemplateTest, TemplateGivesTheDesignKeepsTheSizesAndSetComesAfterIt)
{
    for (int n = 1; n <= 2; ++n)
        WritePicture(FDir / "pics" / qor::Format("p%d.jpg", {n}), 240, 120, n);
    TBuildRun run = Build(Args(GetParam().Options));
    EXPECT_EQ(run.Status, qor::ExitOk) << run.Err;
    EXPECT_EQ(run.LastOutLine(), (FDir / "gallery" / "index.html").string());
    ExpectPictures(FDir / "gallery", 2, GetParam().Thumbnails);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, GalleryBuildTemplateTest,
    testing::Values(TTemplateCase{{}, true}, TTemplateCase{{"--template", "framed"}, false},
                    TTemplateCase{{"--template", "framed", "--set", "ControllerType=1"}, true}));

TEST(GalleryBuildTemplate, AnUnknownTemplateIsRefusedWithTheNamesThereAre)
{
    TempDir dir;
    WritePicture(dir / "p1.jpg", 240, 120, 1);
    try {
        Build({"--pictures", (dir / "p1.jpg").string(), "--out", (dir / "gallery").string(),
               "--template", "sunset"});
        FAIL() << "no error";
    } catch (const qor::EProjectSetupError& e) {
        EXPECT_NE(std::string(e.what()).find("framed"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(dir / "gallery"));
}

TEST(GalleryBuildWithoutFonts, AWatermarkThatCannotBeDrawnIsWarnedOfForEachPicture)
{
    TempDir dir;
    for (int n = 1; n <= 3; ++n)
        WritePicture(dir / "pics" / qor::Format("p%d.jpg", {n}), 240, 120, n);
    TBuildRun run = Build({"--pictures", (dir / "pics").string(), "--out",
                           (dir / "gallery").string(), "--watermark", "Qorika"});
    EXPECT_EQ(run.Status, qor::ExitPicturesMissing);
    EXPECT_EQ(run.LastOutLine(), (dir / "gallery" / "index.html").string());
    for (int n = 1; n <= 3; ++n) {
        std::string file = (dir / "pics" / qor::Format("p%d.jpg", {n})).string();
        EXPECT_EQ(Occurrences(run.Err, "warning: " + file + ": "), 1u) << run.Err;
        EXPECT_FALSE(fs::exists(SlideFile(dir / "gallery", n)));
    }
}

struct TOutFolderCase {
    const char* Name;
    std::vector<std::string> Options; // "{out}" and "{project}" stand for two folders
    const char* Gallery;              // "{docs}": the documents folder's gallery folder
};

class GalleryBuildOutFolderTest : public testing::TestWithParam<TOutFolderCase> {
protected:
    // The documents folder is the process's own, shared by the cases.
    void TearDown() override { fs::remove_all(Expand("{docs}")); }

    std::string Expand(std::string text) const
    {
        for (auto [key, folder] :
             {std::pair{"{out}", FDir / "out"}, std::pair{"{project}", FDir / "project-out"},
              std::pair{"{docs}", Home->Path() / "Documents/qorHTML5Gallery"}})
            if (size_t at = text.find(key); at != std::string::npos)
                text.replace(at, std::string_view(key).size(), folder.string());
        return text;
    }

    TempDir FDir;
};

TEST_P(GalleryBuildOutFolderTest, OutGoesBeforeTheProjectsFolderWhichGoesBeforeDocuments)
{
    WritePicture(FDir / "p1.jpg", 240, 120, 1);
    std::vector<std::string> args = {"--pictures", (FDir / "p1.jpg").string()};
    for (const std::string& option : GetParam().Options)
        args.push_back(Expand(option));
    TBuildRun run = Build(args);
    fs::path gallery = Expand(GetParam().Gallery);
    EXPECT_EQ(run.Status, qor::ExitOk) << run.Err;
    EXPECT_EQ(run.LastOutLine(), (gallery / "index.html").string());
    EXPECT_TRUE(fs::exists(gallery / "index.html"));
    ExpectPictures(gallery, 1, true);
    for (const char* other : {"{out}", "{project}", "{docs}"})
        EXPECT_TRUE(Expand(other) == gallery || !fs::exists(Expand(other))) << other;
}

INSTANTIATE_TEST_SUITE_P(
    Choices, GalleryBuildOutFolderTest,
    testing::Values(TOutFolderCase{"Documents", {}, "{docs}"},
                    TOutFolderCase{"Project", {"--set", "OutFolder={project}"}, "{project}"},
                    TOutFolderCase{
                        "Out", {"--set", "OutFolder={project}", "--out", "{out}"}, "{out}"}),
    [](const testing::TestParamInfo<TOutFolderCase>& info) { return info.param.Name; });

} // namespace

TEST(GalleryBuildWithoutScript, PicturesAreWrittenButThePageIsRefusedWithMessage33)
{
    // The resource folder's js entry becomes a folder without the gallery script.
    fs::path js = fs::path(std::getenv("QORGALLERY_RSC")) / "js";
    fs::remove(js);
    fs::create_directory(js);
    TempDir dir;
    WritePicture(dir / "pics" / "p1.jpg", 240, 120, 1);
    TBuildRun run = Build({"--pictures", (dir / "pics").string(), "--out",
                           (dir / "gallery").string()});
    fs::remove_all(js);
    fs::create_symlink(QOR_SOURCE_DIR "/rsc/js", js);
    EXPECT_EQ(run.Status, qor::ExitFailure);
    EXPECT_NE(run.Err.find("Some system files are damaged.\nPlease reinstall Qorika HTML5 Gallery."),
              std::string::npos)
        << run.Err;
    EXPECT_TRUE(fs::exists(SlideFile(dir / "gallery", 1)));
    EXPECT_FALSE(fs::exists(dir / "gallery" / "index.html"));
}
