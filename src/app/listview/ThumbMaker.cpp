#include "app/listview/ThumbMaker.h"

#include "imaging/Orientation.h"
#include "imaging/PictureFiles.h"
#include "imaging/Resamplers.h"
#include "imaging/XEExif.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace qor {

namespace {

// The picture as stored in the file, decoded at the smallest JPEG scale that still covers
// wanted × wanted, or at full size; width and height become the file's own size. Empty when
// the file cannot be decoded.
TBmpScan DecodeForThumb(const std::string& fileName, int32_t wantedW, int32_t wantedH,
                        int32_t& width, int32_t& height)
{
    if (IsJpegFileName(fileName)) {
        try {
            width = wantedW;
            height = wantedH;
            return LoadJpegScaled(fileName, width, height);
        } catch (const std::exception&) {
            // Not a JPEG after all, or damaged: the general decoders decide.
        }
    }
    try {
        TBmpScan picture = LoadPicture(fileName);
        width = picture.Width();
        height = picture.Height();
        return picture;
    } catch (const std::exception&) {
        return {};
    }
}

TBmpScan Turned(TBmpScan picture, int angle)
{
    return angle % 360 == 0 ? picture : RotateByAngle(picture, angle);
}

TBmpScan Upright(TBmpScan picture, int orientation)
{
    return orientation == 1 ? picture : TransformOrientation(picture, orientation);
}

TThumbResult NotFoundThumb(const TThumbRequest& request, const TBmpScan* notFound)
{
    TThumbResult result;
    result.NotFound = true;
    TBmpScan picture = notFound && !notFound->Empty() ? *notFound : TBmpScan(64, 64);
    result.Width = picture.Width();
    result.Height = picture.Height();
    result.Bmp = std::make_shared<TBmpScan>(
        FitBitmap(picture, request.BoxWidth, request.BoxHeight, request.Smooth));
    return result;
}

// The upright picture and the file's own size, from the store or decoded (and then stored).
TBmpScan UprightPicture(const TThumbRequest& request, TThumbStore* store, int orientation,
                        int32_t& width, int32_t& height)
{
    int32_t storedSize = store ? store->StoredSize(request.BoxWidth, request.BoxHeight) : 0;
    if (store) {
        if (std::optional<TStoredThumb> stored = store->Load(request.FileName, storedSize)) {
            width = stored->Width;
            height = stored->Height;
            return std::move(stored->Picture);
        }
        if (store->KnownFailure(request.FileName)) return {};
    }
    TBmpScan picture = DecodeForThumb(request.FileName, std::max(request.BoxWidth, storedSize),
                                      std::max(request.BoxHeight, storedSize), width, height);
    if (picture.Empty()) {
        if (store) store->SaveFailure(request.FileName);
        return {};
    }
    picture = Upright(std::move(picture), orientation);
    if (store) {
        bool large = picture.Width() > storedSize || picture.Height() > storedSize;
        store->Save(request.FileName, storedSize,
                    large ? FitBitmap(picture, storedSize, storedSize, true) : picture, width,
                    height);
    }
    return picture;
}

} // namespace

TThumbResult MakeThumbnail(const TThumbRequest& request, TThumbStore* store,
                           const TBmpScan* notFound)
{
    std::error_code ec;
    if (!std::filesystem::exists(request.FileName, ec)) return NotFoundThumb(request, notFound);
    TThumbResult result;
    int orientation = request.ExifRotation ? ExifOrientation(request.FileName) : 1;
    result.ExifAngle = OrientationAngle(orientation);
    TThumbStore* usedStore = request.ExifRotation ? store : nullptr;
    TBmpScan upright = UprightPicture(request, usedStore, orientation, result.Width, result.Height);
    if (upright.Empty()) return result;
    if (SwapsSides(orientation)) std::swap(result.Width, result.Height);
    TBmpScan turned = Turned(std::move(upright), request.UserAngle);
    result.Bmp = std::make_shared<TBmpScan>(
        FitBitmap(turned, request.BoxWidth, request.BoxHeight, request.Smooth));
    return result;
}

} // namespace qor
