// How the command line starts a gallery's settings, the way the desktop program does for a
// new project: project settings that take the design of the resource folder's standard
// settings, optionally a template over them, then the user's Name=Value changes.
#pragma once

#include "gallery/ComQorCSS.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace qor {

class EProjectSetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// New project settings with the design of rscFolder's "stdSetting.qor" (the plain defaults
// when the file is missing). Throws EProjectReadError when the file cannot be read.
TComQorCSS1 NewProjectFromStd(const std::string& rscFolder);

// Puts the template's design over the settings as the settings dialog does: responsive and
// slideshow settings stay, and the slide and thumbnail sizes stay unless takeSizes.
// Throws EProjectSetupError for an unknown template name.
void ApplyTemplate(TComQorCSS1& settings, const std::string& rscFolder, const std::string& name,
                   bool takeSizes = false);

// Applies each "Name=Value" in order (see ApplySetting).
void ApplySettings(TComQorCSS1& settings, const std::vector<std::string>& assignments);

// Loads a project; throws EProjectSetupError when the file does not exist and
// EProjectReadError when it cannot be read.
TComQorCSS1 LoadProject(const std::string& fileName);

} // namespace qor
