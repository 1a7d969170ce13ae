// TThumbInfo: one picture of the gallery with its file facts, the user's texts, rotation
// and crop, and view state. The image list owns its entries through shared references, so
// an entry stays alive while the list, the undo store or a running build holds it.
#pragma once

#include "util/TRect.h"
#include "util/XEComFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace qor {

class TBmpScan; // a picture of the imaging library; the list only holds it

struct TUserInfo {
    TStringList memoLS; // the description, one string per line
    std::string Title;
    std::string Topic;  // banner text
    std::string URL;    // empty: no link
    std::string Target; // "_blank", "_self" or empty
    std::array<std::string, 8> rsv;
};

struct TThumbInfo {
    std::string FileName;
    std::shared_ptr<TBmpScan> bmp; // the thumbnail; absent until loaded
    int32_t Width = 0;             // of the picture after EXIF orientation; 0 until loaded
    int32_t Height = 0;
    bool Selected = false;
    bool InThread = false;
    int32_t pid = 0;
    int32_t btnId = 0;
    int32_t ExifAngle = 0;
    int32_t UserAngle = 0;
    TUserInfo user;
    TRect CropR;                   // all 0: no crop; set only when valid
    std::string CropRSV1 = "crop"; // reserved word carried through the attribute line
    TDateTime Time{};              // creation time
    TDateTime Updated{};           // last-write time
    int64_t Size = 0;
    bool NotFound = false;
    std::string CompareDt; // sort key stored just before a sort by name
};

using PThumbInfo = std::shared_ptr<TThumbInfo>;

// Reads the file's facts into the entry: times and size when the file exists (kept when it
// exists but cannot be opened); otherwise the current time, size 0 and NotFound.
void ReadFileFacts(TThumbInfo& entry);
// The title of a picture added by file name: the name without folder up to its last dot.
std::string TitleFromFileName(std::string_view path);

} // namespace qor
