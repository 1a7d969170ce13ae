#include "cli/CommandLine.h"

namespace qor {

const std::vector<TCommand>& Commands()
{
    static const std::vector<TCommand> commands = {
        {"new", "PROJECT.qor [--pictures PATH]... [--template NAME] [--set Name=Value]...",
         "make a project from pictures and folders (folders one level deep)", RunNew},
        {"show", "PROJECT.qor", "print every stored property as Name=Value, then the pictures",
         RunShow},
        {"set", "PROJECT.qor Name=Value...",
         "change properties and save (List+=line appends, List= clears, List[i]=line)", RunSet},
        {"templates", "", "list the templates of the resource folder", RunTemplates},
    };
    return commands;
}

} // namespace qor
