// Which of the paths dropped from the desktop the picture list accepts: a folder dropped
// first stands alone; otherwise every file with one of the list's extensions.
#pragma once

#include "util/TextFile.h"

namespace qor {

enum class TIMLDropToDo { tdpIgnore, tdpAdd, tdpReplace };

// True when the extension of path, lowered, is one of exts (lower case with the dot).
bool HasListedExt(const std::string& path, const TStringList& exts);
TStringList AcceptedDropPaths(const TStringList& dropped, const TStringList& exts);
// True when the first accepted path is a folder to scan rather than a list of files.
bool IsFolderDrop(const TStringList& accepted);

} // namespace qor
