// The texts of a picture entry taken from the captions its file carries (see
// imaging/PictureCaptions), for pictures added to a gallery. Only empty texts are filled, so
// a text the user typed stays; the description is split into lines as a typed one is.
#pragma once

#include "imagelist/ThumbInfo.h"

namespace qor {

// Fills the entry's empty title and empty description from its picture file; meant for
// TCustomImgLS::OnNewFileEntry.
void TakePictureCaptions(TThumbInfo& entry);

} // namespace qor
