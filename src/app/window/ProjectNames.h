// The texts the main window derives from project paths: its caption, the name proposed for
// a new project file, the two lines of a recent-project row, and whether a path names a
// project. Free of Qt so they are tested on their own.
#pragma once

#include "util/XEComFile.h"

#include <string>

namespace qor {

// "QorikaHTML5ギャラリー [ name ]" for a project, else the program's name alone.
std::string WindowCaption(const std::string& projectPath);

// The page title (or "新しいプロジェクト") made a file name, "_", the date as YYYYMMDD and
// ".qor", made unique in folder.
std::string ProposedProjectName(const std::string& pageTitle, TDateTime today, const std::string& folder);

// An existing file whose extension is ".qor" in any case.
bool IsProjectFile(const std::string& path);

// A recent-project row "path|count" as drawn: the name on the first line, and on the second
// detailFormat ("画像数:%3s   フォルダ:%s" in Japanese) filled with the count and the folder.
struct THistoryRowText {
    std::string Name;
    std::string Detail;
};
THistoryRowText HistoryRowText(const std::string& row, const std::string& detailFormat);

} // namespace qor
