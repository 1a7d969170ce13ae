// Moving a gallery's design from one settings object to another, as the settings dialog
// does: the standard settings into a new project, or a template over the current design.
// The design is every published property except the project's own fields (OutFolder,
// StyleSheet, HTML, PageTitle, Identifier, AttrLS, Descriptions, SlideIdentifier,
// SuppressWrapperNote, DemoMode, DemoWidth, PageLanguage).
#pragma once

#include "gallery/ComQorCSS.h"

namespace qor {

struct TDesignCopy {
    // A template keeps the target's responsive and slideshow settings.
    bool AsTemplate = false;
    // With AsTemplate: keep the target's slide and thumbnail sizes too.
    bool KeepSizes = true;
};

void CopyDesignSettings(const TComQorCSS1& from, TComQorCSS1& to, TDesignCopy how = {});

} // namespace qor
