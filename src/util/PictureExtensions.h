// The picture files the gallery takes, by extension in lower case (names are compared in lower
// case, so ".HEIC" counts): the folder scans, drops and the command line all read this one
// list, and the decoder table has a decoder for each.
#pragma once

#include "util/TextFile.h"

namespace qor {

// ".jpg", ".png", ".bmp", ".gif", ".heic", ".heif", ".avif", ".webp".
const TStringList& PictureExtensions();

} // namespace qor
