// The program's own options on the settings dialog's environment tab: not part of a
// project, kept in the configuration file instead.
#pragma once

#include <string>

namespace qor {

// The watermark text a user starts with, in the language of the program's texts.
std::string DefaultWaterMark();

struct TSettingOptions {
    bool ChAddWrapperToClass = false;
    bool ChAutoOpenLastProject = true;
    bool ChCheckUpdate = true;
    bool ChDemoMode = false;
    bool ChIgnoreSampleSize = true;
    bool ChNoResizeSameSizeJPEG = true;
    bool ChKeepMetadata = false;
    bool ChMetadataCaptions = true;
    int LSSample = 0; // selected template row, -1 for none
    bool ChWaterMark = false;
    std::string WaterMark = DefaultWaterMark();
    bool ChRemoveWorkDir = false; // asked for this run only, never stored
};

} // namespace qor
