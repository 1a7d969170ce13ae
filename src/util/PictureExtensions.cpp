#include "util/PictureExtensions.h"

namespace qor {

const TStringList& PictureExtensions()
{
    static const TStringList extensions = {".jpg",  ".png",  ".bmp",  ".gif",
                                           ".heic", ".heif", ".avif", ".webp"};
    return extensions;
}

} // namespace qor
