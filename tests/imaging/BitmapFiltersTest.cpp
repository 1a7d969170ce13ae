#include "imaging/BitmapFilters.h"

#include "ImagingTestSupport.h"

using namespace qor;
using namespace qortest;

TEST(BitmapFilters, LightenMovesEachChannelTowardsWhite)
{
    TBmpScan picture = UniformPicture(3, 2, {0, 100, 255});
    TBmpScan light = LightenBitmap(picture, 51);
    // 0 + 51 * 255 / 255 = 51; 100 + 51 * 155 / 255 = 131.0 -> 131; 255 stays
    EXPECT_TRUE(SamePicture(UniformPicture(3, 2, {51, 131, 255}), light));
    EXPECT_TRUE(SamePicture(UniformPicture(3, 2, {0, 100, 255}), picture)); // source untouched
    EXPECT_TRUE(SamePicture(UniformPicture(3, 2, {255, 255, 255}), LightenBitmap(picture, 255)));
}

TEST(BitmapFilters, HatchBlendDrawsTheHatchAndBlends)
{
    TBmpScan picture(16, 16);
    HatchBlend(picture, MakeColor(255, 0, 0), 0);
    EXPECT_TRUE(picture.Scan(0)[0] == (TTriple{0x80, 0x80, 0x80})); // grey line, b = 0 keeps it
    EXPECT_TRUE(picture.Scan(0)[1] == (TTriple{0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(picture.Scan(3)[5] == picture.Scan(0)[0]);  // x + y = 8: on a line
    EXPECT_TRUE(picture.Scan(2)[10] == picture.Scan(0)[0]); // x - y = 8: on the other line
    EXPECT_TRUE(picture.Scan(2)[5] == picture.Scan(0)[1]);
    HatchBlend(picture, MakeColor(255, 0, 0), 100);
    // b = 255: (255 * 1 + 0 * 255) >> 8 = 0 for blue; red (255 + 255 * 255) >> 8 = 255
    EXPECT_TRUE(picture.Scan(0)[1] == (TTriple{0, 0, 255}));
    EXPECT_TRUE(picture.Scan(0)[0] == (TTriple{0, 0, 254}));
}

TEST(BitmapFilters, GreyAndBrightness)
{
    TBmpScan picture = UniformPicture(2, 2, {0, 0, 255});
    GreyFilter(picture, TGreyFilter::Grey, 0);
    EXPECT_TRUE(picture.Scan(1)[1] == (TTriple{76, 76, 76})); // 255 * 77 >> 8
    GreyFilter(picture, TGreyFilter::Brighten, 200);
    EXPECT_TRUE(picture.Scan(0)[0] == (TTriple{255, 255, 255}));
    GreyFilter(picture, TGreyFilter::Darken, 100);
    EXPECT_TRUE(picture.Scan(0)[0] == (TTriple{155, 155, 155}));
}
