// The developer's listing of a window and its components, one line "name|text|hint|items" a
// component, for translating and checking the captions.
#pragma once

#include "util/TextFile.h"

class QWidget;

namespace qor {

// ">" + name, "name|caption||", then a line for each command, labelled edit box, button not
// bound to a command, check box, group box, radio group and combo box, in creation order.
TStringList ComponentLines(const QWidget* window);

} // namespace qor
