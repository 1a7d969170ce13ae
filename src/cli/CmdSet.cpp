#include "cli/CommandLine.h"
#include "cli/ProjectSetup.h"
#include "util/LocalText.h"

namespace qor {

int RunSet(const std::vector<std::string>& args)
{
    TParsedArgs parsed = ParseArgs(args, {});
    if (parsed.Positional.size() < 2) throw EUsageError(LocalText("set takes a project file and Name=Value"));
    const std::string& fileName = parsed.Positional[0];
    TComQorCSS1 project = LoadProject(fileName);
    ApplySettings(project, {parsed.Positional.begin() + 1, parsed.Positional.end()});
    project.SaveToFile(fileName);
    return ExitOk;
}

} // namespace qor
