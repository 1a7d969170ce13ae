// The program's two looks: "Carbon", a dark palette of our own on the Fusion style (the
// default), and "Windows", the desktop's own style and palette.
#pragma once

namespace qor {

// Remembers the desktop's own style and palette; called once, before any theme is applied.
void RememberDesktopTheme();
void ApplyTheme(bool carbon);

} // namespace qor
