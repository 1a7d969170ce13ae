// The gallery's fixed assets: the button and control pictures copied from the resource
// folder's ctrl folder into css, and the script folder js with the gallery script.
#pragma once

#include "gallery/MakeWarnings.h"
#include "gallery/StyleSheetKeys.h"

#include <filesystem>

namespace qor {

// The name of the gallery script in the js folders.
inline constexpr const char* GalleryScriptName = "jquery.qorslider.min.js";

// Copies the previous and next buttons (falling back to "00-prev.png" and "00-next.png"
// when the chosen ones do not exist, and with a warning when a chosen name is not a plain
// file name: no file outside the ctrl folder is ever taken), "ctrl3stat.png" and, in demo
// mode, "h2_bg_silver.png". Answers the size of the previous button; a button that cannot be
// read as a picture throws the reader's error. A copy that fails is a warning.
TButtonSize CopyControlPictures(const TComQorCSS1& s, const std::filesystem::path& rscFolder,
                                const std::filesystem::path& cssFolder, TMakeWarnings& warnings);

// Creates js, copies the files directly in the resource folder's js folder except the
// gallery script (in any letter case), and saves the script text as the gallery script. A
// copy that fails is a warning.
void WriteScriptFolder(const std::filesystem::path& rscFolder,
                       const std::filesystem::path& outFolder, const TStringList& script,
                       TMakeWarnings& warnings);

// One warning for each file that could not be copied.
void WarnCopyFailures(const TStringList& failed, TMakeWarnings& warnings);

} // namespace qor
