// Pictures with an embedded ICC profile (Display P3, Adobe RGB, a camera's own) converted to
// sRGB, the colour space in which the gallery's pictures are shown, through Little CMS 2. Every
// decoder calls it the same way with the profile's bytes as stored in the file:
//
//   TColorProfile profile(iccBytes);  // empty bytes: no profile
//   profile.ConvertToSrgb(picture);   // the decoded 24-bit picture, in place, row by row
//
// No conversion is needed, and the picture stays as decoded to the byte, for no profile, a
// damaged one, one that is not of RGB pictures, or sRGB itself: known by its name ("sRGB
// IEC61966-2.1", "sRGB built-in"...) or by its content, when it converts colours as sRGB does
// to within one level. The intent is perceptual: profiles with rendering tables (camera and
// printer-like profiles) bring out-of-gamut colours in smoothly instead of clipping them, and
// matrix profiles such as Display P3 and Adobe RGB have no such tables, so Little CMS converts
// them colorimetrically and in-gamut colours keep their measured colour.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <memory>
#include <span>

namespace qor {

class TColorProfile {
public:
    // No profile: nothing to convert.
    TColorProfile() = default;
    explicit TColorProfile(std::span<const uint8_t> icc);

    bool NeedsConversion() const { return FTransform != nullptr; }
    // Converts a 24-bit picture's pixels to sRGB in place, one row at a time; without a
    // needed conversion (or for another depth) the picture is left untouched.
    void ConvertToSrgb(TBmpScan& picture) const;
    // The same for width blue, green, red pixels.
    void ConvertRowToSrgb(uint8_t* pixels, int32_t width) const;

private:
    struct TTransformFree {
        void operator()(void* transform) const;
    };
    std::unique_ptr<void, TTransformFree> FTransform;
};

} // namespace qor
