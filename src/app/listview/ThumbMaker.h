// Making one cell thumbnail from a picture file, on any thread: the JPEG reduced-scale decode
// (other formats at full size), the EXIF orientation, the user's turn and the fit into the cell's
// picture box. A thumbnail store, when given, supplies and keeps the upright picture so that
// a file seen before needs no decode.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace qor {

struct TThumbRequest {
    std::string FileName;
    int32_t BoxWidth = 180; // in device pixels
    int32_t BoxHeight = 160;
    int32_t UserAngle = 0;
    bool Smooth = false;
    bool ExifRotation = true;
};

struct TThumbResult {
    std::shared_ptr<TBmpScan> Bmp; // none when the picture cannot be decoded
    int32_t Width = 0;             // the picture's own size after its EXIF orientation
    int32_t Height = 0;
    int32_t ExifAngle = 0;
    bool NotFound = false;
};

// An upright picture kept for a file, with the file's own size as stored (before the turn).
struct TStoredThumb {
    TBmpScan Picture;
    int32_t Width = 0;
    int32_t Height = 0;
};

// Where upright thumbnails of files are kept between runs (the desktop's thumbnail cache).
class TThumbStore {
public:
    virtual ~TThumbStore() = default;
    // The side of the square the stored pictures of this store fit in for a cell box.
    virtual int32_t StoredSize(int32_t boxWidth, int32_t boxHeight) const = 0;
    virtual std::optional<TStoredThumb> Load(const std::string& fileName, int32_t size) = 0;
    // width and height: the file's own size as stored.
    virtual void Save(const std::string& fileName, int32_t size, const TBmpScan& upright,
                      int32_t width, int32_t height) = 0;
    virtual bool KnownFailure(const std::string& fileName) = 0;
    virtual void SaveFailure(const std::string& fileName) = 0;
};

// notFound is shown for a missing file (a blank 64 × 64 picture when none is given).
TThumbResult MakeThumbnail(const TThumbRequest& request, TThumbStore* store,
                           const TBmpScan* notFound);

} // namespace qor
