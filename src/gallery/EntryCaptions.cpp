#include "gallery/EntryCaptions.h"

#include "imaging/PictureCaptions.h"
#include "util/TextFile.h"

namespace qor {

void TakePictureCaptions(TThumbInfo& entry)
{
    if (!entry.user.Title.empty() && !entry.user.memoLS.empty()) return;
    TPictureCaptions captions = ReadPictureCaptions(entry.FileName);
    if (entry.user.Title.empty()) entry.user.Title = captions.Title;
    if (entry.user.memoLS.empty()) entry.user.memoLS = SplitTextLines(captions.Description);
}

} // namespace qor
