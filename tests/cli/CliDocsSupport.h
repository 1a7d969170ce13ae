// What the tests of the command line's documentation share: the options each command's
// usage names, as `qorgallery COMMAND --help` prints them.
#pragma once

#include "cli/CommandLine.h"

#include <regex>
#include <set>
#include <string>

namespace qortest {

// The --options in a text.
inline std::set<std::string> OptionsIn(const std::string& text)
{
    static const std::regex option("--[a-z][a-z-]*");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

inline std::set<std::string> UsageOptions(const qor::TCommand& command)
{
    return OptionsIn(command.Usage);
}

} // namespace qortest
