// qorgallery: builds, makes and edits Qorika HTML5 Gallery projects from the command line.
#include "cli/CommandLine.h"
#include "gallery/ProjectStream.h"
#include "util/UiLanguage.h"
#include "util/XEInitPrj.h"
#include "util/LocalText.h"

#include <iostream>
#include <malloc.h>

namespace {

using namespace qor;

void PrintHelp(std::ostream& out)
{
    out << LocalText("Usage: qorgallery COMMAND [ARGS]") << "\n\n" << LocalText("Commands:") << '\n';
    for (const TCommand& command : Commands())
        out << "  " << command.Name << ' ' << command.Usage << "\n      "
            << LocalText(command.Summary) << '\n';
    out << '\n'
        << LocalText("Exit status: 0 success, 1 failure, 2 usage.") << '\n'
        << LocalText("The resource folder is $QORGALLERY_RSC, else rsc/ beside the program.") << '\n';
}

const TCommand* FindCommand(const std::string& name)
{
    for (const TCommand& command : Commands())
        if (name == command.Name) return &command;
    return nullptr;
}

void PrintCommandHelp(const TCommand& command, std::ostream& out)
{
    out << LocalFormat("Usage: qorgallery %s %s", {command.Name, command.Usage}) << "\n\n"
        << "  " << LocalText(command.Summary) << '\n';
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

int RunCommand(const TCommand& command, const std::vector<std::string>& args)
{
    if (AsksForHelp(args)) {
        PrintCommandHelp(command, std::cout);
        return ExitOk;
    }
    try {
        return command.Run(args);
    } catch (const EUsageError& e) {
        std::cerr << "qorgallery " << command.Name << ": " << e.what() << '\n'
                  << LocalFormat("Usage: qorgallery %s %s", {command.Name, command.Usage}) << '\n';
        return ExitUsage;
    } catch (const EProjectReadError& e) {
        std::cerr << "[Err] " << e.what() << '\n';
        return ExitFailure;
    } catch (const std::exception& e) {
        std::cerr << "qorgallery " << command.Name << ": " << e.what() << '\n';
        return ExitFailure;
    }
}

// A build allocates and frees a picture of tens of megabytes for every photo. Served as fresh
// mappings, each would be faulted in and cleared page by page and given back afterwards;
// kept in the heap, the next photo reuses the same pages.
void KeepLargePicturesInTheHeap()
{
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

} // namespace

int main(int argc, char** argv)
{
    KeepLargePicturesInTheHeap();
    SetUiLanguage(LanguageOfEnvironment());
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return ExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(std::cout);
        return ExitOk;
    }
    if (args[0] == "--version") {
        std::cout << "qorgallery " << AppVersion().LongVersion() << '\n';
        return ExitOk;
    }
    const TCommand* command = FindCommand(args[0]);
    if (!command) {
        std::cerr << "qorgallery: " << LocalFormat("unknown command %s", {args[0]}) << "\n\n";
        PrintHelp(std::cerr);
        return ExitUsage;
    }
    return RunCommand(*command, {args.begin() + 1, args.end()});
}
