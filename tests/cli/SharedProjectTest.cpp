// A project from someone else, built with qorgallery build: each of its texts stays in the
// place of the page it is written into. The page is read back by html5lib, a parser that
// follows the HTML standard, so the test sees the page as a browser builds it.
#include "cli/GalleryBuildSupport.h"

#include "gallery/ComQorCSS.h"
#include "imagelist/AttrLine.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <map>

namespace {

using namespace qortest;

// Prints the parse errors, then one line per element, attribute and text of the elements
// that matter here: kind, tag, attribute name, value (line breaks as \n).
const char* const kPageDump = R"(
import sys, html5lib
parser = html5lib.HTMLParser(namespaceHTMLElements=False)
with open(sys.argv[1], 'rb') as page:
    tree = parser.parse(page)
out = lambda *items: print('\t'.join(i.replace('\n', '\\n') for i in items))
for position, code, data in parser.errors:
    out('error', code, str(position))
for element in tree.iter():
    if not isinstance(element.tag, str):
        continue
    out('element', element.tag)
    for name, value in element.attrib.items():
        out('attr', element.tag, name, value)
    if element.tag in ('title', 'script', 'style', 'b'):
        out('text', element.tag, '', ''.join(element.itertext()))
)";

struct TParsedPage {
    std::vector<std::vector<std::string>> Rows;

    std::vector<std::string> Values(const std::string& kind, const std::string& tag,
                                    const std::string& name = {}) const
    {
        std::vector<std::string> values;
        for (const auto& row : Rows)
            if (row.size() == 4 && row[0] == kind && row[1] == tag && row[2] == name)
                values.push_back(row[3]);
        return values;
    }
};

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    fields.resize(std::max<size_t>(fields.size(), 4));
    return fields;
}

TParsedPage ParsePage(const TempDir& dir, const fs::path& page)
{
    fs::path script = dir.Write("dump.py", kPageDump);
    std::string command = "/usr/bin/python3 '" + script.string() + "' '" + page.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    if (pclose(pipe) != 0) throw std::runtime_error(command + " failed");
    TParsedPage parsed;
    for (const std::string& line : Lines(text))
        parsed.Rows.push_back(Fields(line));
    return parsed;
}

// Each text tries to leave its place: close its attribute, its string in the script call,
// the title element or the style element.
struct THostile {
    std::string PageTitle = "T</title><script>alert(1)</script>";
    std::string Background = "FFF;}</style><script>alert(2)</script><style>{";
    std::string Border = "FFF'});alert(3);//";
    std::string StyleSheet = "x\" onload=\"alert(4)";
    qor::TUserInfo First = {.Title = "<b>Bold</b>\" onmouseover=\"alert(5)",
                            .Topic = "x\" onmouseenter=\"alert(6)",
                            .URL = "page.htm\" onclick=\"alert(7)",
                            .Target = "_blank\" onfocus=\"alert(8)"};
    std::string ScriptLink = " JavaScript:alert(9)";
    std::string DataLink = "data:text/html,<script>alert(10)</script>";
    std::string Language = "en\" onload=\"alert(11)";
};

class SharedProjectTest : public testing::Test {
protected:
    fs::path Gallery() const { return FDir / "gallery"; }

    // The project of three pictures with the hostile texts.
    fs::path WriteProject(const THostile& h) const
    {
        qor::TComQorCSS1 s;
        s.PageTitle = h.PageTitle;
        s.BackGroundColorHex = h.Background;
        s.ThumbBorderColorHex = h.Border;
        s.ColorCommentText = "-F-F-F";
        s.ColorCommentBG = "-1-1-132";
        s.ShowTopic = true;
        s.PageLanguage = h.Language;
        std::vector<qor::TUserInfo> users(3);
        users[0] = h.First;
        users[1].URL = h.ScriptLink;
        users[2].URL = h.DataLink;
        for (size_t i = 0; i < users.size(); ++i) {
            qor::TThumbInfo entry;
            entry.FileName =
                WritePicture(FDir / qor::Format("pics/p%d.jpg", {int(i)}), 80, 40, 1).string();
            entry.user = users[i];
            s.AttrLS.push_back(qor::MakeAttrLine(entry));
        }
        fs::path project = FDir / "shared.qor";
        s.SaveToFile(project.string());
        return project;
    }

    TBuildRun BuildProject(const fs::path& project, const std::string& css) const
    {
        std::vector<std::string> args = {project.string(), "--out", Gallery().string(), "--css",
                                         css};
        for (const std::string& arg : SmallGallerySettings())
            args.push_back(arg);
        return Build(args);
    }

    TempDir FDir;
};

TEST_F(SharedProjectTest, EveryTextStaysInItsPlaceAndNoScriptOfTheProjectRuns)
{
    THostile h;
    TBuildRun run = BuildProject(WriteProject(h), h.StyleSheet);
    fs::path page = Gallery() / "index.html";
    ASSERT_TRUE(fs::exists(page)) << run.Err;
    TParsedPage parsed = ParsePage(FDir, page);

    for (const auto& row : parsed.Rows) {
        if (row[0] == "error") ADD_FAILURE() << "parse error " << row[1] << " at " << row[2];
        if (row[0] == "attr") {
            EXPECT_FALSE(row[2].starts_with("on")) << row[1] << " " << row[2];
        }
        if (row[0] == "text" && row[1] == "script") {
            EXPECT_EQ(row[3].find("alert("), std::string::npos);
        }
    }
    EXPECT_EQ(parsed.Values("text", "title"), std::vector<std::string>{h.PageTitle});
    EXPECT_EQ(parsed.Values("attr", "html", "lang"), std::vector<std::string>{"ja"});
    EXPECT_EQ(parsed.Values("text", "b"), std::vector<std::string>{"Bold"});
    EXPECT_EQ(parsed.Values("attr", "a", "href"),
              (std::vector<std::string>{h.First.URL, h.ScriptLink, h.DataLink}));
    EXPECT_EQ(parsed.Values("attr", "a", "target")[0], h.First.Target);
    EXPECT_EQ(parsed.Values("attr", "a", "data-topic")[0], h.First.Topic);
    std::vector<std::string> titles = parsed.Values("attr", "img", "title");
    EXPECT_THAT(titles, testing::Contains(h.First.Title));
    EXPECT_THAT(titles, testing::Contains(h.First.URL));

    // Colours that are not hexadecimal give way to the defaults.
    std::string text = ReadAll(page);
    EXPECT_NE(text.find("body {background:#FFFFFF;}"), std::string::npos);
    EXPECT_NE(text.find("thumbbordercolor:'#',"), std::string::npos);
    fs::path sheetFile;
    for (const auto& file : fs::directory_iterator(Gallery() / "css"))
        if (file.path().extension() == ".css") sheetFile = file.path();
    EXPECT_EQ(parsed.Values("attr", "link", "href"),
              std::vector<std::string>{"css/" + sheetFile.filename().string()});
    std::string sheet = ReadAll(sheetFile);
    EXPECT_EQ(sheet.find("#-"), std::string::npos);
    EXPECT_EQ(sheet.find("(-"), std::string::npos);

    EXPECT_EQ(run.Status, qor::ExitPicturesMissing);
    for (const std::string& named : {h.ScriptLink, h.DataLink, h.Background, h.Border, h.Language,
                                     std::string("-F-F-F"), std::string("-1-1-132")})
        EXPECT_NE(run.Err.find("warning: " + named + ": "), std::string::npos) << named << "\n"
                                                                               << run.Err;
}

} // namespace
