// Times as the user's clock shows them.
#pragma once

#include "util/XEComFile.h"

#include <string>

namespace qor {

// The local time of t written with strftime's format, for example "%Y/%m/%d %H:%M".
std::string FormatLocalTime(TDateTime t, const char* format);

} // namespace qor
