// The manual page of qorgallery describes exactly the commands and options that the program's
// own help names.
#include "cli/CliDocsSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

using namespace qortest;

// The man page's COMMANDS sections: command name -> its text with "\-" read as "-".
std::map<std::string, std::string> ManPageCommands()
{
    std::string page = ReadAll(std::string(QOR_SOURCE_DIR) + "/packaging/man/qorgallery.1");
    for (size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at))
        page.erase(at, 1);
    std::map<std::string, std::string> sections;
    std::istringstream in(page);
    std::string* current = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(".SH")) current = nullptr;
        if (line.starts_with(".SS ")) {
            std::string name = line.substr(4, line.find(' ', 4) - 4);
            current = &sections[name];
        }
        if (current) *current += line + "\n";
    }
    return sections;
}

TEST(ManPage, NamesEveryCommandWithTheOptionsOfItsHelp)
{
    std::map<std::string, std::string> sections = ManPageCommands();
    ASSERT_EQ(sections.size(), qor::Commands().size());
    for (const qor::TCommand& command : qor::Commands()) {
        SCOPED_TRACE(command.Name);
        ASSERT_EQ(sections.count(command.Name), 1u);
        EXPECT_EQ(OptionsIn(sections[command.Name]), UsageOptions(command));
    }
}

} // namespace
