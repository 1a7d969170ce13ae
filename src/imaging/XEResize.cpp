#include "imaging/XEResize.h"

#include "imaging/Bitmaps.h"
#include "imaging/Geometry.h"
#include "imaging/Orientation.h"
#include "imaging/PictureFiles.h"
#include "imaging/Resamplers.h"
#include "imaging/XEExif.h"
#include "util/TextCodec.h"

namespace qor {

void TXEResize::SetFileName(const std::filesystem::path& fileName)
{
    FFileName = fileName;
    Load();
}

void TXEResize::Load()
{
    FBmp.Release();
    FExifAngle = 0;
    FExifMirror = false;
    std::error_code error;
    TBmpScan picture;
    int orientation = 1;
    if (std::filesystem::exists(FFileName, error)) {
        picture = LoadPicture(FFileName);
        if (EnableExifRotation) {
            orientation = ExifOrientation(FFileName);
            FExifAngle = OrientationAngle(orientation);
            FExifMirror = IsMirroredOrientation(orientation);
        }
    }
    if (picture.Empty()) {
        SetBmp(TBmpScan());
        return;
    }
    if (orientation != 1) picture = TransformOrientation(picture, orientation);
    if (FUserAngle % 360 != 0) picture = RotateByAngle(picture, FUserAngle);
    HoldPicture(std::move(picture));
}

void TXEResize::SetBmp(const TBmpScan& picture)
{
    HoldPicture(picture.Empty() ? TBmpScan() : CopyBitmap24(picture));
}

void TXEResize::HoldPicture(TBmpScan&& picture)
{
    FBmp.Release();
    if (picture.Empty()) return;
    FBmp = std::move(picture);
    if (AutoCropOnLoad) {
        TRect ignored;
        GetAutoCropRect(ignored);
    }
}

void TXEResize::SetCropREx(TRect rect, bool)
{
    FCropR = rect;
    if (GetBmp() && OnCrop) OnCrop(*this);
}

void TXEResize::SetUserAngleEx(int angle, bool reload)
{
    FUserAngle = angle;
    if (reload) Load();
}

bool TXEResize::GetAutoCropRect(TRect& rect)
{
    if (!GetBmp()) return false;
    FCropR = CenteredCrop(FBmp.Width(), FBmp.Height(), AspectWidth, AspectHeight);
    rect = FCropR;
    return true;
}

TRect TXEResize::DoAutoCrop()
{
    TRect rect;
    if (GetAutoCropRect(rect)) SetCropREx(rect, true);
    return FCropR;
}

bool TXEResize::IsValidCrop(TRect rect) const
{
    return IsCropInside(rect, FBmp.Width(), FBmp.Height());
}

TBmpScan TXEResize::GetCropBmp(bool smooth) const
{
    // The crop is read in place: resampling the area gives the bytes of resampling its copy.
    if (!GetBmp() || !IsValidCrop(FCropR)) return {};
    return smooth ? SmoothResize(FBmp, FCropR, AspectWidth, AspectHeight)
                  : StretchFast(FBmp, FCropR, AspectWidth, AspectHeight);
}

void TXEResize::Flip(int tag)
{
    FUserAngle = (tag * 90 + FUserAngle + 720) % 360;
    if (!GetBmp()) return;
    HoldPicture(TransformOrientation(FBmp, tag == -1 ? 8 : 6));
}

void TXEResize::ChangeAspect(int32_t width, int32_t height)
{
    AspectWidth = width;
    AspectHeight = height;
    DoAutoCrop();
}

void TXEResize::Clear()
{
    SetCropREx({0, 0, 0, 0}, true);
}

bool TXEResize::IsSameSizeJPEG() const
{
    // Only ".jpg": a ".jpeg" or ".jpe" file is always written anew.
    return GetBmp() && AsciiLower(FFileName.extension().string()) == ".jpg" && FExifAngle + FUserAngle == 0 && !FExifMirror &&
           FBmp.Width() == AspectWidth && FBmp.Height() == AspectHeight;
}

} // namespace qor
