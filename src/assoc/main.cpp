// qorgallery-assoc PROGRAM: makes PROGRAM the handler of Qorika HTML5 Gallery project files
// (*.qor) for the user running it. qorgallery-assoc --check answers with the exit status
// whether the association is in place.
#include "assoc/FreedesktopAssoc.h"

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    using namespace qor;
    std::string arg = argc == 2 ? argv[1] : "";
    if (arg.empty() || arg == "--help" || arg == "-h") {
        (arg.empty() ? std::cerr : std::cout)
            << "Usage: qorgallery-assoc PROGRAM\n"
               "       qorgallery-assoc --check\n"
               "Associates project files (*.qor) with PROGRAM for the current user, or tells\n"
               "with the exit status (0 yes, 1 no) whether they are associated.\n";
        return arg.empty() ? 2 : 0;
    }
    if (arg == "--check") return IsAssociated(UserXdgDirs()) ? 0 : 1;
    std::error_code ec;
    std::filesystem::path program = std::filesystem::absolute(arg, ec);
    if (ec || !std::filesystem::is_regular_file(program, ec)) {
        std::cerr << "qorgallery-assoc: no such program: " << arg << '\n';
        return 1;
    }
    try {
        AssociateProjectFiles(program, UserXdgDirs());
    } catch (const EAssociationError& e) {
        std::cerr << "qorgallery-assoc: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
