// The bash completion of qorgallery, run in bash as the shell runs it: the commands, each
// command's options as its help names them, the templates of the resource folder, files.
#include "cli/CliDocsSupport.h"
#include "gallery/TemplateList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

namespace {

using namespace qortest;

class CompletionTest : public testing::Test {
protected:
    // The words bash offers after "qorgallery WORDS..." (the last word being completed),
    // with the current folder FDir.
    std::set<std::string> Complete(const std::vector<std::string>& words)
    {
        std::string array = "'" + std::string(QOR_BIN_DIR) + "/qorgallery'";
        for (const std::string& word : words)
            array += " '" + word + "'";
        std::filesystem::path script = FScripts.Write(
            "complete.sh", "shopt -s extglob\nsource '" + std::string(QOR_SOURCE_DIR) +
                               "/packaging/completion/qorgallery'\ncd '" + FDir.Path().string() +
                               "'\nCOMP_WORDS=(" + array +
                               ")\nCOMP_CWORD=" + std::to_string(words.size()) +
                               "\n_qorgallery\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n");
        std::string command = "QORGALLERY_RSC='" + std::string(QOR_SOURCE_DIR) + "/rsc' bash '" +
                              script.string() + "'";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 512> buffer{};
        while (pipe && fgets(buffer.data(), buffer.size(), pipe))
            out += buffer.data();
        if (pipe) {
            EXPECT_EQ(pclose(pipe), 0) << out;
        }
        std::set<std::string> offered;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) offered.insert(line);
        return offered;
    }
    TempDir FScripts;
    TempDir FDir;
};

TEST_F(CompletionTest, OffersTheCommandsOfTheProgram)
{
    std::set<std::string> expected = {"--help", "--version"};
    for (const qor::TCommand& command : qor::Commands())
        expected.insert(command.Name);
    EXPECT_EQ(Complete({""}), expected);
    EXPECT_EQ(Complete({"te"}), std::set<std::string>{"templates"});
}

TEST_F(CompletionTest, OffersEachCommandsOptionsAsItsHelpNamesThem)
{
    for (const qor::TCommand& command : qor::Commands()) {
        SCOPED_TRACE(command.Name);
        std::set<std::string> expected = UsageOptions(command);
        expected.insert("--help");
        EXPECT_EQ(Complete({command.Name, "--"}), expected);
    }
}

TEST_F(CompletionTest, OffersTemplateNamesAfterTemplate)
{
    std::set<std::string> expected;
    for (const qor::TTemplateItem& item :
         qor::LoadTemplateList(std::string(QOR_SOURCE_DIR) + "/rsc/"))
        expected.insert(item.Name);
    ASSERT_GE(expected.size(), 3u);
    EXPECT_EQ(Complete({"build", "--template", ""}), expected);
}

TEST_F(CompletionTest, OffersProjectsForShowAndAnyFileForBuild)
{
    FDir.Write("trip.qor", "");
    FDir.Write("OLD.QOR", "");
    FDir.Write("photo.jpg", "");
    FDir.Write("pics/a.jpg", "");
    EXPECT_EQ(Complete({"show", ""}), (std::set<std::string>{"trip.qor", "OLD.QOR", "pics"}));
    EXPECT_EQ(Complete({"build", ""}),
              (std::set<std::string>{"trip.qor", "OLD.QOR", "photo.jpg", "pics"}));
    EXPECT_EQ(Complete({"build", "--pictures", ""}), (std::set<std::string>{"photo.jpg", "pics"}));
}

} // namespace
