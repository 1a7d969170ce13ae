// What Make could not do as the settings asked while still writing a working gallery: a name
// from the project that was not a plain file name or a colour text that was not hexadecimal
// (the default was used), or a control picture, script file or column picture that could not
// be copied; and a picture link that runs a script when followed. Every caller shows them: the
// command line as warnings, the desktop program in its window.
#pragma once

#include <string>
#include <vector>

namespace qor {

struct TMakeWarning {
    std::string File;   // the name, colour or link as given, or the file that could not be copied
    std::string Reason;
};

using TMakeWarnings = std::vector<TMakeWarning>;

} // namespace qor
