// What Make could not do as the settings asked while still writing a working gallery: a name
// from the project that was not a plain file name (the default was used), or a control picture,
// script file or column picture that could not be copied. Every caller shows them: the command
// line as warnings, the desktop program in its window.
#pragma once

#include <string>
#include <vector>

namespace qor {

struct TMakeWarning {
    std::string File;   // the name as given, or the file that could not be copied
    std::string Reason;
};

using TMakeWarnings = std::vector<TMakeWarning>;

} // namespace qor
