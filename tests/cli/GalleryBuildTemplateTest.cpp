// qorgallery build --template: a resource folder of this test's own with one template, so the
// test does not depend on the designs that ship. The program reads the resource folder once
// per process, so this test has an executable of its own that points QORGALLERY_RSC there
// before anything asks for the folders.
#include "cli/GalleryBuildSupport.h"
#include "cli/ProjectSetup.h"
#include "gallery/ComQorCSS.h"

#include <cstdlib>
#include <memory>

namespace {

using namespace qortest;

// The shipped resource folder's files, with standard settings at the small sizes and the
// template "framed": no controller, and sizes that a template does not bring along.
class TTemplateResources : public testing::Environment {
public:
    void SetUp() override
    {
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
    }
    void TearDown() override { FRsc.reset(); }

private:
    std::unique_ptr<TempDir> FRsc;
};

[[maybe_unused]] testing::Environment* const Resources =
    testing::AddGlobalTestEnvironment(new TTemplateResources);

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

} // namespace
