// Projects are exchanged, and every integer in one may be anything a 32-bit field holds.
// Projects whose sizes, margins, offsets and widths are drawn from the extremes are made
// into galleries: each is written or refused with an error, never with undefined arithmetic
// (the sanitizer build stops on any signed overflow). The resizer's geometry takes the same
// sizes as its aspect.
#include "gallery/PublishedProps.h"
#include "imaging/Geometry.h"
#include "imaging/XEResize.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

using namespace galleryfixture;
using qortest::TempDir;

constexpr int32_t Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Extremes[] = {Min, Min + 1, -100'001, -1, 0, 1, 3, 100'001, Max - 1, Max};

// Every integer property from the extremes (colours are a kind of their own); the choices are
// then drawn from their own ranges, so that every layout is reached.
TComQorCSS1 ExtremeProject(const TempDir& dir, std::mt19937& random)
{
    TComQorCSS1 s = MakeSettings(dir);
    for (const TPublishedProp& prop : PublishedProps())
        if (prop.Kind == TPropKind::Integer)
            prop.Int(s) = Extremes[random() % std::size(Extremes)];
    s.ControllerType = static_cast<int32_t>(random() % 4);
    s.FrameType = static_cast<int32_t>(random() % 3);
    s.ShowQorHeader = static_cast<int32_t>(random() % 5);
    s.CommentPosIndex = static_cast<int32_t>(random() % 6);
    s.TransitIndex = static_cast<int32_t>(random() % 16);
    s.DemoMode = random() % 4 == 0;
    s.ShowThumbTitle = random() % 2;
    s.ThumbPolaroid = random() % 2;
    return s;
}

TEST(ExtremeValues, ProjectsAtTheLimitsAreWrittenOrRefusedNeverOverflow)
{
    std::mt19937 random(20261209);
    int written = 0, refused = 0;
    for (int n = 0; n < 40; ++n) {
        TempDir dir;
        TComQorCSS1 s = ExtremeProject(dir, random);
        try {
            ASSERT_TRUE(s.Make());
            ++written;
        } catch (const std::exception&) {
            ++refused; // a picture beyond the size limit, say
        }
    }
    EXPECT_EQ(written + refused, 40);
    EXPECT_GT(written, 0);
}

TEST(ExtremeValues, ResizeGeometryTakesAnyAspect)
{
    for (int32_t aspectWidth : Extremes)
        for (int32_t aspectHeight : Extremes) {
            SCOPED_TRACE(std::to_string(aspectWidth) + " x " + std::to_string(aspectHeight));
            TRect crop = CenteredCrop(4000, 3000, aspectWidth, aspectHeight);
            if (crop.IsValid()) {
                EXPECT_TRUE(IsCropInside(crop, 4000, 3000));
            }
            TRect fit = FitRect(4000, 3000, aspectWidth, aspectHeight);
            EXPECT_GE(fit.Right, fit.Left);
            TRect rect{10, 10, 50, 40};
            ApplyAspect(rect, aspectWidth, aspectHeight);
            // The engine refuses an aspect no picture may have, or gives none (an empty aspect,
            // or one whose crop of the picture is empty), and makes any other.
            TXEResize engine;
            engine.AspectWidth = aspectWidth;
            engine.AspectHeight = aspectHeight;
            engine.SetBmp(TBmpScan(40, 30));
            bool allowed = IsAllowedPictureSize(aspectWidth, aspectHeight);
            if (allowed && int64_t(aspectWidth) * aspectHeight > 1'000'000) continue; // costly
            try {
                TBmpScan slide = engine.GetCropBmp(true);
                EXPECT_EQ(slide.Width(), allowed ? aspectWidth : 0);
            } catch (const std::exception&) {
                EXPECT_FALSE(allowed);
            }
        }
}

} // namespace
