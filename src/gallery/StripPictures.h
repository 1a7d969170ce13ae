// The pictures the style sheet needs that are made from the settings' colours: the
// translucent description background, and in thumbnail mode the four pictures of the
// thumbnail strip for browsers without gradients and shadows. All PNG at level 9.
#pragma once

#include "gallery/ComQorCSS.h"

#include <filesystem>

namespace qor {

// css/"comment-bg.png": 24 x 18 pixels of ColorCommentBG with its opacity as alpha.
void WriteCommentBackground(const TComQorCSS1& s, const std::filesystem::path& cssFolder);
// css/"thumbbg_ie.png", "ie8thumb_li_bg.png", "ie8thumb_li_hover.png" and
// "ie8thumb_li_active.png".
void WriteThumbStripPictures(const TComQorCSS1& s, const std::filesystem::path& cssFolder);

} // namespace qor
