#include "cli/CommandLine.h"
#include "cli/PictureArgs.h"
#include "cli/ProjectSetup.h"
#include "gallery/PageLanguage.h"
#include "util/XEInitPrj.h"
#include "util/LocalText.h"

#include <filesystem>
#include <iostream>

namespace qor {

int RunNew(const std::vector<std::string>& args)
{
    TParsedArgs parsed =
        ParseArgs(args, {.ValueOptions = {"--pictures", "--template", "--set"}, .FlagOptions = {"--no-captions"}});
    TPlainArgs plain = SplitPlainArgs(parsed.Positional);
    if (plain.Projects.size() != 1) throw EUsageError(LocalText("new takes one project file"));
    const std::string& fileName = plain.Projects[0];
    std::error_code ec;
    // A new project never replaces a file: that file may be someone's only copy of a gallery.
    if (std::filesystem::exists(fileName, ec))
        throw EProjectSetupError(LocalFormat("%s already exists; use set to change it", {fileName}));

    const std::string& rscFolder = Folders().RscFolder;
    TComQorCSS1 project = NewProjectFromStd(rscFolder);
    if (!parsed.Last("--template").empty())
        ApplyTemplate(project, rscFolder, parsed.Last("--template"));

    std::vector<std::string> named = parsed.All("--pictures");
    named.insert(named.end(), plain.Pictures.begin(), plain.Pictures.end());
    project.AttrLS = NewPictureLines(named, !parsed.Has("--no-captions"));
    project.PageLanguage = NewProjectPageLanguage(UiLanguage());
    ApplySettings(project, parsed.All("--set"));
    project.SaveToFile(fileName);
    std::cout << LocalFormat("%s: %d pictures", {fileName, project.AttrLS.size()}) << '\n';
    return ExitOk;
}

} // namespace qor
