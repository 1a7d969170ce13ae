#include "cli/CommandLine.h"
#include "cli/ProjectSetup.h"
#include "cli/PropertyText.h"
#include "util/LocalText.h"

#include <iostream>

namespace qor {

int RunShow(const std::vector<std::string>& args)
{
    TParsedArgs parsed = ParseArgs(args, {});
    if (parsed.Positional.size() != 1) throw EUsageError(LocalText("show takes one project file"));
    std::cout << FormatAllProps(LoadProject(parsed.Positional[0]));
    return ExitOk;
}

} // namespace qor
