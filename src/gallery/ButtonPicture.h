// The size of a button picture, which the style sheet gives to both buttons.
#pragma once

#include "gallery/StyleSheetKeys.h"

#include <filesystem>

namespace qor {

// Reads the picture; a file that cannot be read as a picture throws the reader's error.
TButtonSize MeasureButton(const std::filesystem::path& picture);

} // namespace qor
