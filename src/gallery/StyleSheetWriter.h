// The style sheet writer: css/StyleSheet made from the style-sheet template, whose sixteen
// key lines are replaced by rules built from the settings, with the frame rule inserted,
// the wrapper selector renamed for the gallery's wrapper id and, unless suppressed, every
// class selector prefixed with that id. The other template lines pass through unchanged.
#pragma once

#include "gallery/StyleSheetKeys.h"

#include <filesystem>

namespace qor {

struct TStyleSheetTemplate {
    const TStringList& Lines;
    const TQorKeys& Keys; // found by FindStyleSheetKeys
};

TStringList ComposeStyleSheet(const TComQorCSS1& s, const TStyleSheetTemplate& css,
                              TButtonSize prevButton);

// Saves css/StyleSheet: UTF-8 with byte-order mark, CR LF after every line.
void WriteStyleSheet(const TComQorCSS1& s, const TStyleSheetTemplate& css, TButtonSize prevButton,
                     const std::filesystem::path& cssFolder);

} // namespace qor
