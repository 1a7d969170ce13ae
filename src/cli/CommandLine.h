// The command line's subcommands and their arguments. Each subcommand has a file of its
// own (Cmd*.cpp) holding its Run function; CommandTable.cpp lists them.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor {

// Wrong arguments: the program prints the message and the command's usage, exit status 2.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Exit statuses of the program.
// ExitPicturesMissing: the page was written but refers to pictures that could not be made,
// or a file the gallery uses could not be copied, a project name or colour could not be
// taken, or a picture link runs a script when followed.
enum TExitStatus { ExitOk = 0, ExitFailure = 1, ExitUsage = 2, ExitPicturesMissing = 3, ExitInterrupted = 130 };

struct TParsedArgs {
    std::vector<std::string> Positional;
    std::map<std::string, std::vector<std::string>> Values; // option -> every value given
    std::set<std::string> Flags;

    bool Has(const std::string& flag) const { return Flags.count(flag) > 0; }
    const std::vector<std::string>& All(const std::string& option) const;
    // The last value given, or fallback.
    std::string Last(const std::string& option, const std::string& fallback = {}) const;
};

struct TOptionSpec {
    std::set<std::string> ValueOptions; // "--out" DIR or "--out=DIR"
    std::set<std::string> FlagOptions;  // "--quiet"
};

// Throws EUsageError for an unknown option or a value option without its value.
TParsedArgs ParseArgs(const std::vector<std::string>& args, const TOptionSpec& accepted);

struct TCommand {
    const char* Name;
    const char* Usage; // the arguments after the command's name
    const char* Summary;
    int (*Run)(const std::vector<std::string>& args);
};

const std::vector<TCommand>& Commands();

int RunBuild(const std::vector<std::string>& args);
int RunNew(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunSet(const std::vector<std::string>& args);
int RunTemplates(const std::vector<std::string>& args);
int RunExif(const std::vector<std::string>& args);
int RunResize(const std::vector<std::string>& args);

} // namespace qor
