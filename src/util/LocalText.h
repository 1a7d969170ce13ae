// The command line's and the core's own texts in the user's language. They are written in
// English in the code; under a Japanese UI (util/UiLanguage.h) the catalogue gives their
// Japanese. A text that is not in the catalogue is shown as written.
#pragma once

#include "util/DelphiFormat.h"

#include <map>
#include <string>
#include <string_view>

namespace qor {

std::string LocalText(std::string_view english);
// The text filled with its arguments by the %s and %d rules.
std::string LocalFormat(std::string_view english, std::initializer_list<TFormatArg> args);
// Every English text of the catalogue with its Japanese.
const std::map<std::string_view, std::string_view>& JapaneseTexts();

} // namespace qor
