// Pictures named to `new` and `build` bring the captions written into them; a project's own
// entries keep the texts they have.
#include "cli/GalleryBuildSupport.h"
#include "cli/ProjectSetup.h"
#include "imagelist/AttrLine.h"

#include "support/CaptionPictures.h"

namespace {

using namespace qortest;
using qor::ExitOk;

class PictureCaptionsCliTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteCaptionPicture(FDir / "pics/harbour.jpg",
                            {.XmpTitle = "Harbour", .XmpDescription = "Boats\nat dawn"});
        WriteCaptionPicture(FDir / "pics/plain.jpg", {});
    }

    // Each entry of the project as title, then its description lines.
    std::vector<qor::TStringList> EntryTexts(const fs::path& project) const
    {
        std::vector<qor::TStringList> texts;
        for (const std::string& line : qor::LoadProject(project.string()).AttrLS) {
            qor::TThumbInfo entry;
            qor::ParseAttrLine(line, entry);
            texts.push_back({entry.user.Title});
            texts.back().insert(texts.back().end(), entry.user.memoLS.begin(),
                                entry.user.memoLS.end());
        }
        return texts;
    }

    int New(std::vector<std::string> args) const
    {
        testing::internal::CaptureStdout();
        int status = qor::RunNew(args);
        testing::internal::GetCapturedStdout();
        return status;
    }

    TempDir FDir;
};

TEST_F(PictureCaptionsCliTest, NewTakesTheCaptionsUnlessTold)
{
    fs::path withCaptions = FDir / "with.qor", without = FDir / "without.qor";
    ASSERT_EQ(New({withCaptions.string(), (FDir / "pics").string()}), ExitOk);
    ASSERT_EQ(New({without.string(), (FDir / "pics").string(), "--no-captions"}), ExitOk);
    EXPECT_EQ(EntryTexts(withCaptions),
              (std::vector<qor::TStringList>{{"Harbour", "Boats", "at dawn"}, {"plain"}}));
    EXPECT_EQ(EntryTexts(without), (std::vector<qor::TStringList>{{"harbour"}, {"plain"}}));
}

TEST_F(PictureCaptionsCliTest, BuildKeepsTheProjectsTextsAndFillsOnlyThePicturesAdded)
{
    fs::path project = FDir / "trip.qor";
    ASSERT_EQ(New({project.string(), (FDir / "pics/harbour.jpg").string(), "--no-captions"}),
              ExitOk);
    qor::TComQorCSS1 typed = qor::LoadProject(project.string());
    qor::TThumbInfo entry;
    qor::ParseAttrLine(typed.AttrLS.at(0), entry);
    entry.user.Title = "Typed";
    typed.AttrLS = {qor::MakeAttrLine(entry)};
    typed.SaveToFile(project.string());
    fs::path lighthouse = WriteCaptionPicture(
        FDir / "new/lighthouse.jpg", {.IptcHeadline = "Lighthouse", .IptcCaption = "Cape"});

    std::vector<std::string> args = {project.string(), lighthouse.string(), "--out",
                                     (FDir / "site").string()};
    for (const std::string& arg : SmallGallerySettings())
        args.push_back(arg);
    TBuildRun run = Build(args);
    ASSERT_EQ(run.Status, ExitOk) << run.Err;
    std::string page = ReadAll(FDir / "site/index.html");
    EXPECT_NE(page.find(">Typed</p>"), std::string::npos) << page;
    EXPECT_NE(page.find(">Lighthouse</p>"), std::string::npos) << page;
    EXPECT_NE(page.find("Cape<br />"), std::string::npos) << page;
    EXPECT_EQ(page.find("Harbour"), std::string::npos);
    EXPECT_EQ(page.find("Boats"), std::string::npos);
    EXPECT_EQ(EntryTexts(project), (std::vector<qor::TStringList>{{"Typed"}}));
}

} // namespace
