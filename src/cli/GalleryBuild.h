// The gallery build of the command line: the make command's steps with the terminal in place
// of the window. The batch resizer writes the pictures on worker threads while this runs the
// main thread's loop; when every picture is done the settings write the page, the style
// sheet and the assets.
#pragma once

#include "gallery/ComQorCSS.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct TBuildOptions {
    std::string OutFolder;           // empty: the project's OutFolder, else DocFolder
    std::optional<std::string> Html, Css, Title;
    std::optional<int> Id;
    int Threads = 0;                 // 0: the number of processors, at least 2
    bool SkipResize = false;
    bool CopySameSize = true;
    bool KeepMetadata = false;       // copied JPEGs keep their EXIF, XMP and IPTC
    bool Fast = false;               // JPEG slides from a reduced decode
    std::string Watermark;
    bool Demo = false;
    bool WrapperClasses = false;
    bool Lazy = false;               // pictures fetched on demand by the gallery script
    bool Open = false;
    bool Quiet = false;
    bool Force = false;              // replace files in the folder that no build wrote
};

// What a build ended with; the command's exit status follows from it.
enum class TBuildResult {
    Written, NoPictures, NoOutputFolder, ForeignFiles, NoScript, WriteFailed, Interrupted, PicturesMissing
};

int ExitStatusOf(TBuildResult result);

// Runs the build of the settings (their AttrLS are the pictures) and reports on standard
// output and standard error.
TBuildResult RunGalleryBuild(TComQorCSS1& settings, const TBuildOptions& options);

} // namespace qor
