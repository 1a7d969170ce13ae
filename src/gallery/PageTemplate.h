// The page template of the resource folder and the key texts that locate its key lines:
// five in the head (viewport, title, style sheet, background, script call) and two that
// enclose the placeholder gallery.
#pragma once

#include "gallery/QorKey.h"

#include <cstdint>
#include <string>

namespace qor {

enum THeadKey { HeadViewport, HeadTitle, HeadStyleSheet, HeadBackground, HeadScriptCall };
enum TWrapperKey { WrapperStart, WrapperEnd };

const TStringList& HeadKeyTexts();
const TStringList& WrapperKeyTexts();

// "index-base.html" for a plain page or one with header, "index-%dcolumns.html" for the
// site layouts.
std::string PageTemplateName(int32_t showQorHeader);

} // namespace qor
