// The program's configuration: options, last folders, the last project and the window's
// place, read once at start and written once at exit. This file is free of Qt so that the
// keys, their defaults and their order are tested on their own.
#pragma once

#include "app/dialogs/SettingOptions.h"
#include "util/TRect.h"
#include "util/XEComFile.h"
#include "util/XEIni.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct TAppConfig {
    bool Debug = false;  // the developer flag; only ever set by hand in the file
    bool JQuery = false; // the gallery script comes from the caption form's memo
    bool Carbon = true;
    TSettingOptions Options;
    std::string ProjectFile;
    std::string LastPictFolder;
    std::string OpenPictDialogInitialFolder;
    std::string OpenDialogInitialFolder;
    bool ChSkipResize = false;
    bool ChFastBuild = false;
    bool ActShowMenuBar = true;
    int cbCaptionSet = 0;
    std::string MainGeo;
    bool InitMax = false;
    std::string UpdateServer; // [Update] Server: another update server than the build's
};

// Reads every key in the configuration's order. On entry config holds the defaults that
// depend on the running program: ProjectFile (the current project), LastPictFolder (the
// pictures folder), OpenDialogInitialFolder (DocFolder) and InitMax (the window's state).
void LoadConfiguration(const TXEIniFile& ini, TAppConfig& config);
// Writes the keys that are kept, in the configuration's order; LastRun is now.
void SaveConfiguration(TXEIniFile& ini, const TAppConfig& config, TDateTime now);

// Where the window goes for a "MainGeo" text: the rectangle when it is valid and overlaps
// one of the screens (touching edges count), else nothing.
std::optional<TRect> PlaceMainGeo(const std::string& mainGeo, const std::vector<TRect>& screens);

} // namespace qor
