// Pictures named to `new` and `build` bring their captions; a project's entries keep theirs.
#include "cli/GalleryBuildSupport.h"
#include "cli/ProjectSetup.h"
#include "imagelist/AttrLine.h"

#include "support/CaptionPictures.h"

namespace {

using namespace qortest;

// The title and description lines of the project's entries, one list each.
std::vector<qor::TStringList> EntryTexts(const fs::path& project)
{
    std::vector<qor::TStringList> texts;
    for (const std::string& line : qor::LoadProject(project.string()).AttrLS) {
        qor::TThumbInfo entry;
        qor::ParseAttrLine(line, entry);
        texts.push_back({entry.user.Title});
        texts.back().insert(texts.back().end(), entry.user.memoLS.begin(), entry.user.memoLS.end());
    }
    return texts;
}

TEST(PictureCaptionsCli, NewTakesCaptionsUnlessToldAndBuildKeepsTheProjectsTexts)
{
    TempDir dir;
    WriteCaptionPicture(dir / "pics/harbour.jpg",
                        {{"Xmp.dc.title", "lang=x-default Harbour"},
                         {"Iptc.Application2.Caption", "Boats\nat dawn"}});
    WriteCaptionPicture(dir / "pics/plain.jpg", {});
    fs::path with = dir / "with.qor", without = dir / "without.qor";
    testing::internal::CaptureStdout();
    ASSERT_EQ(qor::RunNew({with.string(), (dir / "pics").string()}), qor::ExitOk);
    ASSERT_EQ(qor::RunNew({without.string(), (dir / "pics").string(), "--no-captions"}),
              qor::ExitOk);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(EntryTexts(with),
              (std::vector<qor::TStringList>{{"Harbour", "Boats", "at dawn"}, {"plain"}}));
    EXPECT_EQ(EntryTexts(without), (std::vector<qor::TStringList>{{"harbour"}, {"plain"}}));

    // The user types a title; a build with one more picture fills only that picture.
    qor::TComQorCSS1 typed = qor::LoadProject(without.string());
    qor::TThumbInfo entry;
    qor::ParseAttrLine(typed.AttrLS.at(0), entry);
    entry.user.Title = "Typed";
    typed.AttrLS[0] = qor::MakeAttrLine(entry);
    typed.SaveToFile(without.string());
    fs::path added =
        WriteCaptionPicture(dir / "new/light.jpg", {{"Iptc.Application2.Headline", "Lighthouse"}});
    std::vector<std::string> args = {without.string(), added.string(), "--out",
                                     (dir / "site").string()};
    for (const std::string& arg : SmallGallerySettings())
        args.push_back(arg);
    TBuildRun run = Build(args);
    ASSERT_EQ(run.Status, qor::ExitOk) << run.Err;
    std::string page = ReadAll(dir / "site/index.html");
    EXPECT_NE(page.find(">Typed</p>"), std::string::npos) << page;
    EXPECT_NE(page.find(">Lighthouse</p>"), std::string::npos) << page;
    EXPECT_EQ(page.find("Harbour"), std::string::npos);
    EXPECT_EQ(page.find("Boats"), std::string::npos);
}

} // namespace
