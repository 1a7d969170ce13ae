// The build record of a gallery folder: a hidden file in the folder that lists, one path
// relative to the folder a line, the files our builds wrote there. A build names the files
// it is about to replace that the record does not hold (another program's index.html, for
// example), so that the caller asks before writing over them. An empty or new folder holds
// nothing to replace, and a folder we built before holds only recorded files.
//
// The files looked at are those a build writes under names the user may have elsewhere: the
// page, the style sheet, the scripts of js, and the slide pictures and thumbnails.
#pragma once

#include "gallery/ComQorCSS.h"

namespace qor {

inline constexpr const char* BuildRecordName = ".qorgallery-files";

// The files a build of the settings writes into OutFolder, relative to it.
TStringList BuildFiles(const TComQorCSS1& s);
// Those of them that exist in OutFolder but were not written by an earlier build.
TStringList ForeignFiles(const TComQorCSS1& s);
// Adds the build's files to the record of OutFolder; throws the file error when the record
// cannot be written.
void RecordBuildFiles(const TComQorCSS1& s);

} // namespace qor
