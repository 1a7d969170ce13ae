#include "imaging/BandSlide.h"

#include "imaging/Geometry.h"
#include "imaging/ImageError.h"
#include "imaging/JpegBand.h"
#include "imaging/Orientation.h"
#include "imaging/PictureFiles.h"
#include "imaging/Resamplers.h"
#include "imaging/XEExif.h"

#include <algorithm>

namespace qor {

namespace {

// The rectangle of a width x height source that TransformOrientation(code) carries to rect.
TRect SourceOfTurned(TRect rect, int code, int32_t width, int32_t height)
{
    switch (code) {
    case 3:
        return {width - rect.Right, height - rect.Bottom, width - rect.Left, height - rect.Top};
    case 6:
        return {rect.Top, height - rect.Right, rect.Bottom, height - rect.Left};
    case 8:
        return {width - rect.Bottom, rect.Left, width - rect.Top, rect.Right};
    default:
        return rect;
    }
}

} // namespace

std::optional<TBmpScan> BandSlidePicture(const TBandSlideRequest& request)
{
    if (request.FileName.empty() || !IsJpegFileName(request.FileName)) return std::nullopt;
    std::error_code missing;
    if (!std::filesystem::exists(request.FileName, missing)) return std::nullopt;
    try {
        std::vector<uint8_t> bytes = ReadPictureFile(request.FileName);
        int orientation = ExifOrientation(request.FileName);
        bool mirrored = IsMirroredOrientation(orientation);
        int code = AngleToOrientation(OrientationAngle(orientation) + request.UserAngle);
        bool swap = code == 6 || code == 8;
        TRect crop; // in the upright picture
        auto choose = [&](int32_t width, int32_t height) -> TRect {
            int32_t uprightWidth = swap ? height : width, uprightHeight = swap ? width : height;
            if (uprightWidth == request.AspectWidth && uprightHeight == request.AspectHeight)
                return {};
            crop = IsCropInside(request.CropR, uprightWidth, uprightHeight)
                       ? request.CropR
                       : CenteredCrop(uprightWidth, uprightHeight, request.AspectWidth,
                                      request.AspectHeight);
            if (!IsCropInside(crop, uprightWidth, uprightHeight)) return {};
            // Undo the turn, then the mirror (which reverses each stored row).
            TRect stored = SourceOfTurned(crop, code, width, height);
            if (mirrored)
                stored = {width - stored.Right, stored.Top, width - stored.Left, stored.Bottom};
            return stored;
        };
        TBmpScan band;
        if (DecodeJpegBand(bytes, request.FileName.string(), choose, band) !=
            TJpegBandResult::Decoded)
            return std::nullopt;
        if (mirrored)
            for (int32_t y = 0; y < band.Height(); ++y)
                std::reverse(band.Scan(y), band.Scan(y) + band.Width());
        if (code != 1) band = TransformOrientation(band, code);
        if (band.Empty()) return std::nullopt;
        return SmoothResize(band, band.Bounds(), request.AspectWidth, request.AspectHeight);
    } catch (const std::exception&) {
        // The engine's full load meets the same failure and reports it in its own words.
        return std::nullopt;
    }
}

} // namespace qor
