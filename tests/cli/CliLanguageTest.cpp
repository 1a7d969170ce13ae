// The command line speaks the user's language: under an English locale no Japanese character,
// under a Japanese one no English sentence — help, usage, errors, warnings and results alike.
// The real program runs with each locale in the environment.
#include "cli/CommandLine.h"
#include "cli/GalleryBuildSupport.h"
#include "util/LocalText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>
#include <sys/stat.h>
#include <set>

namespace {

using namespace qortest;

// Hiragana, katakana, CJK ideographs and full-width forms: all of them are three-byte UTF-8
// sequences, read here from their lead and first continuation byte.
bool HasJapanese(const std::string& text)
{
    for (size_t i = 0; i + 2 < text.size(); ++i) {
        auto lead = static_cast<unsigned char>(text[i]);
        if ((lead & 0xF0) != 0xE0) continue;
        unsigned code = (lead & 0x0Fu) << 12 | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                        (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
        if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x4E00 && code <= 0x9FFF) ||
            (code >= 0xFF00 && code <= 0xFFEF))
            return true;
    }
    return false;
}

// English words left in a line of the program once its data is taken out: names of
// commands, options, properties, templates and placeholders, file names, the words the
// test itself gave as arguments and a library's diagnostic quoted in a message.
std::vector<std::string> EnglishWords(std::string line, const std::string& args)
{
    // A damaged file's message quotes the decoding library's own diagnostic as it is.
    static const std::regex quoted("(壊れています|形式です) \\([^)]*\\)");
    line = std::regex_replace(line, quoted, "$1");
    static const std::set<std::string> kept = {"qorgallery", "build", "new", "show", "set",
                                               "templates", "exif", "resize", "rsc", "true",
                                               "false", "png", "qor", "jpg"};
    static const std::regex token("[A-Za-z0-9_./=$+-]+");
    static const std::regex name("-.*|[A-Z].*|.*[0-9_./=$].*");
    std::set<std::string> given;
    for (auto it = std::sregex_iterator(args.begin(), args.end(), token); it != std::sregex_iterator(); ++it)
        given.insert(it->str());
    std::vector<std::string> words;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), token); it != std::sregex_iterator(); ++it) {
        std::string word = it->str();
        if (word.size() < 3 || kept.count(word) || given.count(word) || std::regex_match(word, name)) continue;
        words.push_back(word);
    }
    return words;
}

class CliLanguageTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 3; ++i)
            WritePicture(FDir / "pictures" / qor::Format("p%d.jpg", {i}), 200, 100, i);
        FDir.Write("foreign/index.html", "<p>someone else's page</p>");
        FDir.Write("damaged.qor", "not a project");
        // Pictures that cannot be made: a pipe under a picture's name, a damaged PNG.
        fs::create_directories(FDir / "odd");
        ASSERT_EQ(mkfifo((FDir / "odd" / "pipe.jpg").c_str(), 0600), 0);
        FDir.Write("odd/broken.png", "not a PNG");
        // A project whose picture has gone and whose colour is no colour.
        WritePicture(FDir / "gone.jpg", 200, 100, 4);
        Run("LANG=C", "new '" + Path("named.qor") + "' '" + Path("gone.jpg") + "'");
        Run("LANG=C", "set '" + Path("named.qor") + "' BackGroundColorHex=-F-F-F");
        fs::remove(FDir / "gone.jpg");
    }

    std::string Path(std::string_view name) const { return (FDir / name).string(); }

    // stdout and stderr of "qorgallery ARGS" under the locale.
    std::string Run(const std::string& locale, const std::string& args) const
    {
        std::string command = "cd '" + FDir.Path().string() + "' && env -u LANGUAGE -u LC_ALL -u " +
                              "LC_MESSAGES " + locale + " QORGALLERY_RSC='" + QOR_SOURCE_DIR +
                              "/rsc' '" + QOR_BIN_DIR + "/qorgallery' " + args + " 2>&1";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 512> buffer{};
        while (pipe && fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
        if (pipe) pclose(pipe);
        return out;
    }

    // Everything the program says: help, usage errors, failures, warnings, a build.
    std::vector<std::string> Invocations() const
    {
        std::vector<std::string> calls = {
            "", "--help", "frobnicate", "build --bogus", "build --threads 99 x.jpg",
            "build a.qor b.qor", "build", "build --copy-same-size --no-copy-same-size x.jpg",
            "new", "new '" + Path("named.qor") + "'", "show", "show missing.qor", "show damaged.qor", "set",
            "set '" + Path("named.qor") + "' NoSuch=1", "set '" + Path("named.qor") + "' ImageWidth=x",
            "set '" + Path("named.qor") + "' ChDemo=maybe", "set '" + Path("named.qor") + "' AttrLS[9]=x",
            "templates extra", "exif", "exif missing.jpg", "resize", "resize a.jpg b.jpg",
            "resize a.jpg b.jpg --size 0x1", "resize a.jpg b.jpg --size 10x10 --quality 0",
            "resize missing.jpg b.jpg --size 10x10", "build --template nosuch pictures",
            "build nothing-here.jpg", "build pictures --out foreign",
            "build '" + Path("named.qor") + "' --out built", "build odd --out built-odd",
            "new '" + Path("second.qor") + "' pictures"};
        for (const qor::TCommand& command : qor::Commands())
            calls.push_back(std::string(command.Name) + " --help");
        return calls;
    }

    TempDir FDir;
};

TEST_F(CliLanguageTest, EveryMessageIsInTheLocalesLanguage)
{
    std::vector<std::string> calls = Invocations();
    ASSERT_GT(calls.size(), 30u);
    for (const std::string& args : calls) {
        SCOPED_TRACE("qorgallery " + args);
        std::string english = Run("LANG=en_US.UTF-8", args);
        std::string japanese = Run("LANG=ja_JP.UTF-8", args);
        ASSERT_FALSE(english.empty());
        EXPECT_FALSE(HasJapanese(english)) << english;
        EXPECT_TRUE(HasJapanese(japanese)) << japanese;
        for (const std::string& line : Lines(japanese))
            EXPECT_EQ(EnglishWords(line, args), std::vector<std::string>()) << line;
    }
    EXPECT_NE(Run("LANG=en_US.UTF-8", "build pictures --out built2").find("Lap: "), std::string::npos);
}

// A Japanese text that names other arguments than its English one would throw when filled.
TEST(LocalTextCatalogue, EveryJapaneseTextTakesTheArgumentsOfItsEnglish)
{
    static const std::regex specifier("%[sdf]");
    auto specifiers = [](std::string_view text) {
        std::string s(text);
        std::vector<std::string> found;
        for (auto it = std::sregex_iterator(s.begin(), s.end(), specifier); it != std::sregex_iterator(); ++it)
            found.push_back(it->str());
        return found;
    };
    ASSERT_GT(qor::JapaneseTexts().size(), 40u);
    for (const auto& [english, japanese] : qor::JapaneseTexts()) {
        EXPECT_EQ(specifiers(english), specifiers(japanese)) << english;
        EXPECT_TRUE(HasJapanese(std::string(japanese))) << english;
    }
}

} // namespace
