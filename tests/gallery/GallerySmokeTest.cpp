// Galleries made from the shipped resource folder, opened in headless Chromium: every file
// the page asks for exists and the page logs no error.
#include "GalleryFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>

namespace {

using namespace galleryfixture;
using qortest::ReadAll;
using qortest::TempDir;
namespace fs = std::filesystem;

fs::path ResourceFolder()
{
    const char* rsc = std::getenv("QORGALLERY_RSC");
    return rsc ? fs::path(rsc) : fs::path(QOR_SOURCE_DIR) / "rsc";
}

struct TBrowserRun {
    std::string Dom; // the page as the scripts left it
    std::string Log; // what Chromium reported meanwhile
};

// Loads the page and lets its scripts run for a few seconds of virtual time.
TBrowserRun OpenInChromium(const fs::path& page)
{
    fs::path folder = page.parent_path();
    std::string command = "chromium --headless --no-sandbox --disable-gpu --no-first-run "
                          "--user-data-dir='" +
                          (folder / "profile").string() +
                          "' --enable-logging=stderr --v=0 --virtual-time-budget=5000 "
                          "--dump-dom 'file://" +
                          page.string() + "' 2>'" + (folder / "chromium.log").string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    TBrowserRun run;
    std::array<char, 4096> buffer;
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get()))
        run.Dom += buffer.data();
    pipe.reset();
    run.Log = ReadAll(folder / "chromium.log");
    return run;
}

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Console lines of the page (Chromium prefixes them with CONSOLE).
TStringList ConsoleLines(const std::string& log)
{
    TStringList lines;
    for (const std::string& line : SplitTextLines(log))
        if (line.find(":CONSOLE") != std::string::npos) lines.push_back(line);
    return lines;
}

// A link to another site, a fragment or inline data names no file of the gallery.
bool NamesLocalFile(const std::string& target)
{
    if (target.empty() || target[0] == '#') return false;
    if (target.rfind("data:", 0) == 0 || target.rfind("javascript:", 0) == 0) return false;
    return target.find("://") == std::string::npos || target.rfind("file://", 0) == 0;
}

// Local files named by src, href and url() in a text, resolved against folder.
std::vector<fs::path> References(const std::string& text, const fs::path& folder)
{
    static const std::regex reference(
        R"re((?:src|href)="([^"]*)"|url\((?:&quot;|["'])?([^)"'&]*)(?:&quot;|["'])?\))re");
    std::vector<fs::path> files;
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
        std::string target = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
        if (!NamesLocalFile(target)) continue;
        if (target.rfind("file://", 0) == 0)
            files.push_back(target.substr(7));
        else
            files.push_back(folder / target);
    }
    return files;
}

// The legacy-browser strip pictures exist in thumbnail mode only; the style sheet names
// them for classes that the script gives thumbnails in old Internet Explorer.
bool IsThumbnailOnlyPicture(const fs::path& file)
{
    static const TStringList names = {"thumbbg_ie.png", "ie8thumb_li_bg.png",
                                      "ie8thumb_li_hover.png", "ie8thumb_li_active.png"};
    return std::find(names.begin(), names.end(), file.filename().string()) != names.end();
}

// Every file the page and its style sheets ask for that is not there.
TStringList MissingFiles(const fs::path& gallery, const std::string& dom, bool thumbnails)
{
    std::vector<fs::path> wanted = References(dom, gallery);
    for (const auto& entry : fs::directory_iterator(gallery / "css"))
        if (entry.path().extension() == ".css") {
            std::vector<fs::path> more = References(ReadAll(entry.path()), gallery / "css");
            wanted.insert(wanted.end(), more.begin(), more.end());
        }
    TStringList missing;
    for (const fs::path& file : wanted)
        if (!fs::exists(file) && (thumbnails || !IsThumbnailOnlyPicture(file)))
            missing.push_back(file.string());
    return missing;
}

void AddPictures(TComQorCSS1& s, TPictures& pictures, const fs::path& out)
{
    const char* names[] = {"sea.jpg", "forest.jpg", "sunset.jpg"};
    fs::create_directories(out / "img/thumb");
    for (int n = 1; n <= 3; ++n) {
        fs::path picture = fs::path(QOR_SOURCE_DIR) / "samples/pictures" / names[n - 1];
        fs::copy_file(picture, out / "img" / ("img" + std::to_string(n) + ".jpg"));
        fs::copy_file(picture, out / "img/thumb" / (std::to_string(n) + ".jpg"));
    }
    pictures.Add(Texts("Sea", {"Blue", "Calm"}));
    pictures.Add(Texts("Forest", {}, "https://example.org/forest.html", "_blank", "New"));
    pictures.Add(Texts(""));
    pictures.ConnectTo(s);
}

struct TSmokeCase {
    int32_t Controller, Layout;
    bool Demo;
};

class OpenedInChromium : public testing::TestWithParam<TSmokeCase> {};

TEST_P(OpenedInChromium, FindsEveryFileAndLogsNoError)
{
    TempDir dir;
    TComQorCSS1 s = ExampleSettings();
    s.SetRscFolder(ResourceFolder().string() + "/");
    ASSERT_TRUE(s.ParseJS());
    s.ControllerType = GetParam().Controller;
    s.ShowQorHeader = GetParam().Layout;
    s.DemoMode = GetParam().Demo;
    s.ShowTopic = true;
    s.ProgressBar = GetParam().Controller == 0;
    fs::create_directories(dir / "gallery");
    s.SetOutFolder((dir / "gallery").string() + "/");
    TPictures pictures;
    AddPictures(s, pictures, dir / "gallery");
    ASSERT_TRUE(s.Make());

    TBrowserRun run = OpenInChromium(dir / "gallery/index.html");
    ASSERT_NE(run.Dom.find("qo_wrapper"), std::string::npos) << "Chromium did not run:\n"
                                                             << run.Log;
    // Every gallery of the page started: each got its previous button from the script.
    EXPECT_EQ(Occurrences(run.Dom, "qo_navi_prev"), s.DemoMode ? 16 : 1);
    EXPECT_EQ(MissingFiles(dir / "gallery", run.Dom, s.ControllerType == 0), TStringList{});
    EXPECT_EQ(ConsoleLines(run.Log), TStringList{});
}

std::vector<TSmokeCase> SmokeCases()
{
    std::vector<TSmokeCase> cases;
    for (int32_t controller = 0; controller < 4; ++controller)
        for (int32_t layout = 0; layout <= 4; ++layout)
            for (bool demo : {false, true})
                cases.push_back({controller, layout, demo});
    return cases;
}

std::string SmokeCaseName(const testing::TestParamInfo<TSmokeCase>& info)
{
    static const char* const controllers[] = {"thumb", "num", "dot", "none"};
    static const char* const layouts[] = {"plain", "header", "col1", "col2", "col3"};
    return std::string(controllers[info.param.Controller]) + "_" + layouts[info.param.Layout] +
           (info.param.Demo ? "_demo" : "");
}

INSTANTIATE_TEST_SUITE_P(GallerySmoke, OpenedInChromium, testing::ValuesIn(SmokeCases()),
                         SmokeCaseName);

} // namespace
