// TXEResize, the single-picture engine: loads one picture file, turns it upright from its EXIF
// orientation plus the user's rotation, keeps a crop rectangle in pixels of the upright picture
// (the centred crop of the target aspect, or one the owner sets) and gives the crop resampled to
// exactly AspectWidth x AspectHeight. Output is always crop-to-fill: no border, small pictures
// are enlarged. One engine is used by one thread at a time.
//
// Beyond the EXIF reader's quarter turns, the engine also undoes the mirrored orientations
// 2, 4, 5 and 7 (a mirror plus a turn), so every camera orientation comes out upright.
#pragma once

#include "imaging/TBmpScan.h"

#include <filesystem>
#include <functional>

namespace qor {

class TXEResize {
public:
    TXEResize() = default;

    const std::filesystem::path& FileName() const { return FFileName; }
    // Loads the file: decoding failures are passed on and leave no picture; a missing file
    // leaves no picture without failing.
    void SetFileName(const std::filesystem::path& fileName);

    TRect CropR() const { return FCropR; }
    void SetCropR(TRect rect) { SetCropREx(rect, true); }
    // Stores the rectangle unchanged (changeAspect has no effect here); with a picture held,
    // calls OnCrop.
    void SetCropREx(TRect rect, bool changeAspect);

    int32_t AspectWidth = 640;
    int32_t AspectHeight = 480;
    int32_t MinSelWidth = 20;  // used by the crop control only
    int32_t MinSelHeight = 20; // used by the crop control only
    std::function<void(TXEResize& sender)> OnCrop;
    bool KeepAspect = true; // used by the crop control only
    // When a picture is set, replace the crop by the centred crop of the target aspect.
    bool AutoCropOnLoad = true;
    // Read the EXIF orientation at the next load.
    bool EnableExifRotation = true;
    int ImageQuality = 0; // JPEG quality the owner uses when saving the output

    int UserAngle() const { return FUserAngle; }
    void SetUserAngle(int angle) { SetUserAngleEx(angle, true); }
    // Stores the angle; with reload, loads FileName again so that the angle takes effect.
    void SetUserAngleEx(int angle, bool reload);
    // The turn taken from the file's EXIF orientation at the last load: 0, 90, 180 or 270.
    int ExifAngle() const { return FExifAngle; }

    // Holds a 24-bit copy of the picture (an empty one empties the engine), then with
    // AutoCropOnLoad computes the centred crop.
    void SetBmp(const TBmpScan& picture);
    // The picture held, owned by the engine and valid until the next load, SetBmp or Flip;
    // none when empty.
    const TBmpScan* GetBmp() const { return FBmp.Empty() ? nullptr : &FBmp; }

    // With a picture held: stores the centred crop in CropR and answers it in rect (true).
    bool GetAutoCropRect(TRect& rect);
    // GetAutoCropRect, then SetCropREx so that OnCrop fires; answers CropR.
    TRect DoAutoCrop();
    // Valid and inside the picture's bounds.
    bool IsValidCrop(TRect rect) const;
    // The crop at exactly AspectWidth x AspectHeight (SmoothResize, or StretchFast when not
    // smooth), owned by the caller; empty when no picture is held or CropR is not valid.
    TBmpScan GetCropBmp(bool smooth) const;
    // A quarter turn of the held picture: tag -1 counter-clockwise, any other clockwise.
    void Flip(int tag);
    void ChangeAspect(int32_t width, int32_t height);
    void Clear();
    // True when the file can be copied as the output: a picture is held, the extension in lower
    // case is ".jpg", no turn or mirror was applied, and the picture has the target size.
    bool IsSameSizeJPEG() const;

private:
    void Load();
    void HoldPicture(TBmpScan&& picture);

    std::filesystem::path FFileName;
    TRect FCropR;
    int FUserAngle = 0;
    int FExifAngle = 0;
    bool FExifMirror = false;
    TBmpScan FBmp;
};

} // namespace qor
