// Giving a settings object its gallery script text once at start: the copy built into the
// program when the configuration asks for it (System/jquery), else the resource folder's.
#pragma once

#include "gallery/ComQorCSS.h"

namespace qor {

// True when the settings now hold a script text. A resource script that cannot be read
// leaves the text as it was; start-up goes on and Make refuses until there is a script.
bool PrepareScript(TComQorCSS1& settings, bool builtinScript);

} // namespace qor
