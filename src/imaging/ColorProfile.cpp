#include "imaging/ColorProfile.h"

#include "util/TextCodec.h"

#include <lcms2.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace qor {

namespace {

using TProfile = std::unique_ptr<void, decltype(&cmsCloseProfile)>;

// The working picture's pixels (blue, green, red) as Little CMS names their layout.
constexpr cmsUInt32Number kPixelFormat = TYPE_BGR_8;
constexpr cmsUInt32Number kIntent = INTENT_PERCEPTUAL;

// Every mix of these channel levels probes whether a profile converts as sRGB does; the dark
// levels are closer together, where tone curves differ most.
constexpr std::array<uint8_t, 16> kProbeLevels = {0,  2,   5,   10,  20,  35,  50,  70,
                                                  90, 115, 140, 165, 190, 215, 235, 255};
// A conversion that moves no probe by more than this is sRGB's own, rounded.
constexpr int kSrgbTolerance = 1;

bool HasSrgbName(cmsHPROFILE profile)
{
    std::array<char, 256> name{};
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", name.data(), name.size());
    std::string lower = AsciiLower(name.data());
    return lower == "srgb" || lower.starts_with("srgb iec61966-2") ||
           lower.starts_with("srgb built-in");
}

// A profile that describes the colours of RGB pictures (not a link, an abstract or a named
// colour profile, nor one of CMYK or grey pictures).
bool DescribesRgbPictures(cmsHPROFILE profile)
{
    cmsProfileClassSignature kind = cmsGetDeviceClass(profile);
    return cmsGetColorSpace(profile) == cmsSigRgbData &&
           (kind == cmsSigInputClass || kind == cmsSigDisplayClass || kind == cmsSigOutputClass ||
            kind == cmsSigColorSpaceClass);
}

std::vector<TTriple> ProbeColours()
{
    std::vector<TTriple> probes;
    probes.reserve(kProbeLevels.size() * kProbeLevels.size() * kProbeLevels.size());
    for (uint8_t b : kProbeLevels)
        for (uint8_t g : kProbeLevels)
            for (uint8_t r : kProbeLevels)
                probes.push_back({b, g, r});
    return probes;
}

bool ConvertsAsSrgb(cmsHTRANSFORM transform)
{
    const std::vector<TTriple> probes = ProbeColours();
    std::vector<TTriple> converted(probes.size());
    cmsDoTransform(transform, probes.data(), converted.data(),
                   static_cast<cmsUInt32Number>(probes.size()));
    auto near = [](uint8_t a, uint8_t b) { return std::abs(a - b) <= kSrgbTolerance; };
    for (size_t i = 0; i < probes.size(); ++i)
        if (!near(probes[i].b, converted[i].b) || !near(probes[i].g, converted[i].g) ||
            !near(probes[i].r, converted[i].r))
            return false;
    return true;
}

} // namespace

void TColorProfile::TTransformFree::operator()(void* transform) const
{
    cmsDeleteTransform(transform);
}

// Damaged profiles fail to open or to make a transform; either way they are ignored.
TColorProfile::TColorProfile(std::span<const uint8_t> icc)
{
    if (icc.empty()) return;
    TProfile source(cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size())),
                    cmsCloseProfile);
    if (!source || !DescribesRgbPictures(source.get()) || HasSrgbName(source.get())) return;
    TProfile srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    if (!srgb) return;
    std::unique_ptr<void, TTransformFree> transform(
        cmsCreateTransform(source.get(), kPixelFormat, srgb.get(), kPixelFormat, kIntent, 0));
    if (transform && !ConvertsAsSrgb(transform.get())) FTransform = std::move(transform);
}

void TColorProfile::ConvertToSrgb(TBmpScan& picture) const
{
    if (!FTransform || picture.BitsPerPixel() != 24) return;
    for (int32_t y = 0; y < picture.Height(); ++y)
        ConvertRowToSrgb(picture.Row(y), picture.Width());
}

void TColorProfile::ConvertRowToSrgb(uint8_t* pixels, int32_t width) const
{
    // Input and output have the same layout, so the row is converted where it lies.
    if (FTransform)
        cmsDoTransform(FTransform.get(), pixels, pixels, static_cast<cmsUInt32Number>(width));
}

} // namespace qor
