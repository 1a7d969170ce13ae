// The call of the gallery script in the page head: one text over several lines that
// starts the qorslider plugin on the gallery's wrapper with the options of the settings.
#pragma once

#include "gallery/ComQorCSS.h"

#include <string>

namespace qor {

// "qo_wrapper" followed by SlideIdentifier.
std::string WrapperId(const TComQorCSS1& s);
// "effectgrp:['name'], " for a TransitIndex inside the transition table, else empty.
std::string TransitOption(const TComQorCSS1& s);
// The last option: the caption effect, and for numbers and dots the controller's place.
std::string CommentOption(const TComQorCSS1& s);
// The options from "controller" to the closing "});", each after the option break.
std::string ScriptCallOptions(const TComQorCSS1& s);
// The whole call of a plain page.
std::string ScriptCall(const TComQorCSS1& s);

} // namespace qor
