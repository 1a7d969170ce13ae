// The help pages open in a browser straight from the folder: UTF-8, Japanese, and every
// picture, style sheet and page they name lies beside them.
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace qor {
namespace {

namespace fs = std::filesystem;

const fs::path kHelp = fs::path(QOR_SOURCE_DIR) / "help";

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(HelpPages, EveryPageTheProgramOpensIsThere)
{
    for (const char* page :
         {"tutorial01.html", "tutorial02.html", "tutorial03.html", "setting.html"})
        EXPECT_TRUE(fs::is_regular_file(kHelp / page)) << page;
}

// The build's default names no update server: the settings page says where updates come from.
TEST(HelpPages, TheSettingsPageSaysUpdatesComeWithThePackageManager)
{
    EXPECT_NE(ReadAll(kHelp / "setting.html").find("パッケージマネージャー"), std::string::npos);
}

TEST(HelpPages, Utf8JapaneseWithTheirLinksInPlace)
{
    int pages = 0, links = 0;
    const std::regex target(R"((?:href|src)="([^"#]+))");
    for (const auto& entry : fs::directory_iterator(kHelp)) {
        if (entry.path().extension() != ".html") continue;
        ++pages;
        std::string text = ReadAll(entry.path());
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(Utf8ToUtf16(text).find(u'\uFFFD'), std::u16string::npos); // valid UTF-8
        EXPECT_NE(text.find("<!DOCTYPE html>"), std::string::npos);
        EXPECT_NE(text.find("<html lang=\"ja\">"), std::string::npos);
        EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(text.find("</html>"), std::string::npos);
        for (std::sregex_iterator m(text.begin(), text.end(), target), end; m != end; ++m) {
            std::string link = (*m)[1];
            if (link.rfind("http", 0) == 0) continue;
            ++links;
            EXPECT_TRUE(fs::exists(kHelp / link)) << link;
        }
    }
    EXPECT_EQ(pages, 4);
    EXPECT_GE(links, 30);
}

} // namespace
} // namespace qor
