// The copy of the gallery script built into the program, taken from the resource folder's
// "js/jquery.qorslider.min.js" when the program was built. Empty when the build had none.
#pragma once

#include "util/TextFile.h"

namespace qor {

TStringList BuiltinScriptText();

} // namespace qor
