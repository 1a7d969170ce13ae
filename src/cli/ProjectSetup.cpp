#include "cli/ProjectSetup.h"

#include "cli/PropertyText.h"
#include "gallery/DesignSettings.h"
#include "gallery/TemplateList.h"
#include "util/LocalText.h"

namespace qor {

TComQorCSS1 NewProjectFromStd(const std::string& rscFolder)
{
    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    TComQorCSS1 standard = TComQorCSS1::NewDialogSettings();
    if (standard.LoadFromFile(rscFolder + "stdSetting.qor")) CopyDesignSettings(standard, project);
    project.SetRscFolder(rscFolder);
    return project;
}

void ApplyTemplate(TComQorCSS1& settings, const std::string& rscFolder, const std::string& name,
                   bool takeSizes)
{
    std::string names;
    for (const TTemplateItem& item : LoadTemplateList(rscFolder)) {
        if (item.Name != name) {
            names += (names.empty() ? "" : ", ") + item.Name;
            continue;
        }
        TComQorCSS1 design = TComQorCSS1::NewDialogSettings();
        if (!design.LoadFromFile(item.ProjectFile))
            throw EProjectSetupError(LocalFormat("template file missing: %s", {item.ProjectFile}));
        CopyDesignSettings(design, settings, {.AsTemplate = true, .KeepSizes = !takeSizes});
        return;
    }
    throw EProjectSetupError(names.empty()
                                 ? LocalFormat("no template named %s (the resource folder has none)", {name})
                                 : LocalFormat("no template named %s (templates: %s)", {name, names}));
}

void ApplySettings(TComQorCSS1& settings, const std::vector<std::string>& assignments)
{
    for (const std::string& assignment : assignments) ApplySetting(settings, assignment);
}

TComQorCSS1 LoadProject(const std::string& fileName)
{
    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    if (!project.LoadFromFile(fileName)) throw EProjectSetupError(LocalFormat("no such project: %s", {fileName}));
    return project;
}

} // namespace qor
