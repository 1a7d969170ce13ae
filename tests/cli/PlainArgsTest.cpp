// Plain arguments as a shell passes them: `qorgallery build ~/Pictures/trip --out site`,
// `qorgallery build *.jpg`, a project named plainly beside pictures.
#include "cli/GalleryBuildSupport.h"
#include "cli/PictureArgs.h"

namespace {

using namespace qortest;
using qor::ExitOk;

TEST(PlainArgs, QorFilesInAnyCaseAreProjectsEverythingElsePictures)
{
    qor::TPlainArgs split = qor::SplitPlainArgs(
        {"a.qor", "trip", "p.jpg", "B.QOR", "dir.qor/x.png", "c.Qor", "qor", ".qor.jpg", "x.qorx"});
    EXPECT_EQ(split.Projects, (std::vector<std::string>{"a.qor", "B.QOR", "c.Qor"}));
    EXPECT_EQ(split.Pictures, (std::vector<std::string>{"trip", "p.jpg", "dir.qor/x.png", "qor",
                                                        ".qor.jpg", "x.qorx"}));
}

class PlainArgsBuildTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 3; ++i)
            WritePicture(FDir / "trip" / qor::Format("p%d.jpg", {i}), 200, 100, i);
    }
    TBuildRun BuildInto(const std::string& gallery, std::vector<std::string> args)
    {
        args.insert(args.end(), {"--out", (FDir / gallery).string()});
        for (const std::string& arg : SmallGallerySettings())
            args.push_back(arg);
        return Build(args);
    }
    std::string PageOf(const std::string& gallery)
    {
        return ReadAll(FDir / gallery / "index.html");
    }
    std::string Trip(const std::string& name = {}) const
    {
        return (name.empty() ? FDir / "trip" : FDir / "trip" / name).string();
    }

    TempDir FDir;
};

TEST_F(PlainArgsBuildTest, FolderNamedPlainlyBuildsAsWithPictures)
{
    TBuildRun plain = BuildInto("plain", {Trip()});
    ASSERT_EQ(plain.Status, ExitOk) << plain.Err;
    TBuildRun option = BuildInto("option", {"--pictures", Trip()});
    ASSERT_EQ(option.Status, ExitOk) << option.Err;
    ExpectPictures(FDir / "plain", 3, true);
    EXPECT_FALSE(fs::exists(SlideFile(FDir / "plain", 4)));
    EXPECT_EQ(PageOf("plain"), PageOf("option"));
}

TEST_F(PlainArgsBuildTest, FilesAsAShellExpandsThemKeepTheirOrder)
{
    TBuildRun run = BuildInto("files", {Trip("p3.jpg"), Trip("p1.jpg")});
    ASSERT_EQ(run.Status, ExitOk) << run.Err;
    ExpectPictures(FDir / "files", 2, true);
    EXPECT_FALSE(fs::exists(SlideFile(FDir / "files", 3)));
    // Slide 1 is the third file: its red is that picture's seed (3 × 37), slide 2's the first's.
    auto redAtCentre = [&](int n) {
        qor::TBmpScan slide = Decode(SlideFile(FDir / "files", n));
        return int(slide.Scan(slide.Height() / 2)[slide.Width() / 2].r);
    };
    EXPECT_NEAR(redAtCentre(1), 3 * 37, 8);
    EXPECT_NEAR(redAtCentre(2), 1 * 37, 8);
}

TEST_F(PlainArgsBuildTest, ProjectNamedInUpperCaseTakesThePlainPicturesAfterItsOwn)
{
    fs::path project = FDir / "Holiday.QOR";
    testing::internal::CaptureStdout();
    int made = qor::RunNew({project.string(), Trip("p1.jpg"), Trip("p2.jpg")});
    std::string printed = testing::internal::GetCapturedStdout();
    ASSERT_EQ(made, ExitOk);
    EXPECT_EQ(printed, project.string() + ": 2 pictures\n");

    TBuildRun run = BuildInto("project", {project.string(), Trip("p3.jpg")});
    ASSERT_EQ(run.Status, ExitOk) << run.Err;
    ExpectPictures(FDir / "project", 3, true);
    EXPECT_FALSE(fs::exists(SlideFile(FDir / "project", 4)));
}

TEST_F(PlainArgsBuildTest, WrongPlainArgumentsAreToldApart)
{
    fs::path a = FDir / "a.qor", b = FDir / "b.qor";
    EXPECT_THROW(BuildInto("two", {a.string(), b.string()}), qor::EUsageError);
    EXPECT_THROW(BuildInto("none", {}), qor::EUsageError);
    EXPECT_THROW(BuildInto("missing", {Trip("p9.jpg")}), qor::EPictureArgError);
    EXPECT_FALSE(fs::exists(FDir / "missing" / "index.html"));
}

} // namespace
