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

// The rectangle of the stored picture at eighths/8 of its size that holds rect, in the size
// libjpeg gives a scaled picture (the scaled sizes rounded up).
TRect ScaledRect(TRect rect, int eighths, int32_t width, int32_t height)
{
    auto down = [eighths](int32_t v) { return static_cast<int32_t>(int64_t(v) * eighths / 8); };
    auto up = [eighths](int32_t v) { return static_cast<int32_t>((int64_t(v) * eighths + 7) / 8); };
    return {down(rect.Left), down(rect.Top), std::min(up(rect.Right), width),
            std::min(up(rect.Bottom), height)};
}

// The smallest DCT scale that leaves at least twice the slide's pixels each way in the stored
// rectangle, so the exact resampler still averages over every slide pixel's footprint. Only
// the halvings: libjpeg-turbo has vector code for their inverse DCTs, not for the other
// eighths.
int FastScale(TRect stored, int32_t slideWidth, int32_t slideHeight)
{
    for (int eighths : {1, 2, 4})
        if (int64_t(stored.Width()) * eighths >= 16 * int64_t(slideWidth) &&
            int64_t(stored.Height()) * eighths >= 16 * int64_t(slideHeight))
            return eighths;
    return 8;
}

// The reader's rows as the resampler asks for them: each row is decoded when first asked
// for and kept while it is asked for again.
TBmpScan ShrinkStreamed(TJpegBandReader& reader, TRect rect, int32_t width, int32_t height)
{
    reader.Start(rect);
    int32_t current = -1;
    const uint8_t* row = nullptr;
    return ShrinkAreaRows(
        rect.Width(), rect.Height(),
        [&](int32_t y) {
            for (; current < y; ++current)
                row = reader.NextRow();
            return row;
        },
        width, height);
}

} // namespace

std::optional<TBmpScan> BandSlidePicture(const TBandSlideRequest& request)
{
    if (request.FileName.empty() || !IsJpegFileName(request.FileName)) return std::nullopt;
    std::error_code missing;
    if (!std::filesystem::exists(request.FileName, missing)) return std::nullopt;
    try {
        std::vector<uint8_t> bytes = ReadPictureFile(request.FileName);
        TJpegBandReader reader(bytes, request.FileName.string());
        if (!reader.Supported()) return std::nullopt;
        int orientation = ExifOrientation(request.FileName);
        bool mirrored = IsMirroredOrientation(orientation);
        int code = AngleToOrientation(OrientationAngle(orientation) + request.UserAngle);
        bool swap = code == 6 || code == 8;
        int32_t width = reader.Width(), height = reader.Height();
        int32_t uprightWidth = swap ? height : width, uprightHeight = swap ? width : height;
        if (uprightWidth == request.AspectWidth && uprightHeight == request.AspectHeight)
            return std::nullopt;
        TRect crop = IsCropInside(request.CropR, uprightWidth, uprightHeight)
                         ? request.CropR
                         : CenteredCrop(uprightWidth, uprightHeight, request.AspectWidth,
                                        request.AspectHeight);
        if (!IsCropInside(crop, uprightWidth, uprightHeight)) return std::nullopt;
        // Undo the turn, then the mirror (which reverses each stored row).
        TRect stored = SourceOfTurned(crop, code, width, height);
        if (mirrored) stored = {width - stored.Right, stored.Top, width - stored.Left, stored.Bottom};
        if (request.Fast) {
            int eighths = swap ? FastScale(stored, request.AspectHeight, request.AspectWidth)
                               : FastScale(stored, request.AspectWidth, request.AspectHeight);
            reader.SetScale(eighths);
            stored = ScaledRect(stored, eighths, reader.Width(), reader.Height());
        }
        // Upright rows shrunk both ways are averaged as they are decoded: no band in memory.
        if (code == 1 && !mirrored && stored.Width() > request.AspectWidth &&
            stored.Height() > request.AspectHeight)
            return ShrinkStreamed(reader, stored, request.AspectWidth, request.AspectHeight);
        reader.Start(stored);
        TBmpScan band = reader.ReadBand();
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
