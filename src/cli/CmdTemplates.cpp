#include "cli/CommandLine.h"
#include "gallery/TemplateList.h"
#include "util/XEInitPrj.h"
#include "util/LocalText.h"

#include <iostream>

namespace qor {

int RunTemplates(const std::vector<std::string>& args)
{
    if (!ParseArgs(args, {}).Positional.empty()) throw EUsageError(LocalText("templates takes no arguments"));
    for (const TTemplateItem& item : LoadTemplateList(Folders().RscFolder))
        std::cout << item.Name << '\t' << item.Caption << '\n';
    return ExitOk;
}

} // namespace qor
