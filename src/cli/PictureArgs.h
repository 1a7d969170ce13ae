// The pictures named on the command line: files as they are, folders scanned one level deep
// for the picture types the gallery takes (PictureExtensions).
#pragma once

#include "util/TextFile.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace qor {

class EPictureArgError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Files in the order given; a folder contributes its pictures in FindFiles' name order. Throws
// EPictureArgError for a path that does not exist.
TStringList CollectPictures(const std::vector<std::string>& paths);

// The attribute lines of new entries for the pictures of CollectPictures. With captions, each
// entry first takes its title and description from its picture's metadata
// (TakePictureCaptions); an entry still without a title is titled from its file name.
TStringList NewPictureLines(const std::vector<std::string>& paths, bool captions);

// Plain arguments as a shell hands them over (`build ~/Pictures/trip`, `build *.jpg`): a
// ".qor" file (any case) is a project, everything else a picture or a folder of pictures.
struct TPlainArgs {
    std::vector<std::string> Projects;
    std::vector<std::string> Pictures;
};
TPlainArgs SplitPlainArgs(const std::vector<std::string>& args);

} // namespace qor
