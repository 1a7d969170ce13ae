// The gallery's own markup that replaces the template's placeholder: the wrapper div
// with the slides list and, unless there is no controller, the thumbnail list.
#pragma once

#include "gallery/ComQorCSS.h"

namespace qor {

// One line per row, indented by baseIndent + level tabs: 0 normally, 3 on the demo page.
// Each picture of AttrLS gets its lines from OnMakeLIEntry when assigned, else from the
// built-in builder on the connected image list, else both lines are empty.
TStringList BuildWrapperBlock(const TComQorCSS1& s, int baseIndent);

} // namespace qor
