// The colour texts of the settings as Make writes them: into the page, its script call and
// the style sheet, each between a '#' and the end of its value. A text of a shared project
// that is not a colour text would end that value early, so it gives way to the default.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/MakeWarnings.h"

namespace qor {

// Replaces every colour text that is not hexadecimal by the default of a new settings
// object and leaves a warning naming the text.
void KeepColorTexts(TComQorCSS1& s, TMakeWarnings& warnings);

} // namespace qor
