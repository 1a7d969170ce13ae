#include "imaging/Drawing.h"
#include "imaging/FillGradient.h"
#include "imaging/GaussianBlur.h"
#include "imaging/GlowBox.h"

#include "ImagingTestSupport.h"

#include <cmath>
#include <vector>

using namespace qor;
using namespace qortest;

namespace {

// One pass of the blur told directly: the kernel cut at the edges, renormalised.
int BlurredValue(const std::vector<int>& k, int last, int p, const std::function<int(int)>& value)
{
    int r = static_cast<int>(k.size()) - 1, sum = 0, weights = 0;
    for (int d = -r; d <= r; ++d) {
        if (p + d < 0 || p + d > last) continue;
        sum += k[std::abs(d)] * value(p + d);
        weights += k[std::abs(d)];
    }
    return weights == 0 ? 0 : sum / weights;
}

TBmpScan ReferenceBlur(const TBmpScan& in, double sigma)
{
    std::vector<int> k = GaussianKernel(sigma);
    TBmpScan mid(in.Width(), in.Height()), out(in.Width(), in.Height());
    for (int y = 0; y < in.Height(); ++y)
        for (int x = 0; x < in.Width(); ++x)
            for (int c = 0; c < 3; ++c)
                mid.Row(y)[x * 3 + c] = static_cast<uint8_t>(BlurredValue(
                    k, in.Width() - 1, x, [&](int sx) { return in.Row(y)[sx * 3 + c]; }));
    for (int y = 0; y < in.Height(); ++y)
        for (int x = 0; x < in.Width(); ++x)
            for (int c = 0; c < 3; ++c)
                out.Row(y)[x * 3 + c] = static_cast<uint8_t>(BlurredValue(
                    k, in.Height() - 1, y, [&](int sy) { return mid.Row(sy)[x * 3 + c]; }));
    return out;
}

struct TRecordedProgress : TProgressIndicator {
    std::vector<int> positions;
    int max = -1;
    std::vector<bool> visible;
    void SetMax(int m) override { max = m; }
    void SetPosition(int p) override { positions.push_back(p); }
    void SetVisible(bool v) override { visible.push_back(v); }
};

} // namespace

TEST(GaussianBlur, KernelWeightsAndRadius)
{
    EXPECT_EQ(std::vector<int>({64, 39, 9, 1}), GaussianKernel(1));
    EXPECT_EQ(std::vector<int>({64, 51, 26, 9, 2}), GaussianKernel(1.5));
    EXPECT_EQ(std::vector<int>({64}), GaussianKernel(0.1));
}

TEST(GaussianBlur, MatchesTheDirectFormula)
{
    std::mt19937 random(3);
    for (auto [w, h, sigma] : {std::tuple{1, 1, 1.0},
                               {7, 1, 2.0},
                               {1, 9, 1.5},
                               {23, 17, 1.0},
                               {40, 31, 3.3},
                               {5, 5, 0.1}}) {
        TBmpScan picture = RandomPicture(random, w, h);
        TBmpScan expected = ReferenceBlur(picture, sigma);
        GaussianBlur(picture, nullptr, sigma);
        EXPECT_TRUE(SamePicture(expected, picture)) << w << "x" << h << " sigma " << sigma;
    }
}

TEST(GaussianBlur, SmallSigmaLeavesThePictureUnchanged)
{
    std::mt19937 random(4);
    TBmpScan picture = RandomPicture(random, 13, 11);
    TBmpScan copy = picture;
    GaussianBlur(picture, nullptr, 0.1);
    EXPECT_TRUE(SamePicture(copy, picture));
    GaussianBlur(picture, nullptr, 0);
    EXPECT_TRUE(SamePicture(copy, picture));
}

TEST(GaussianBlur, ReportsProgressEveryThirtyRows)
{
    TBmpScan picture(4, 65);
    TRecordedProgress progress;
    GaussianBlur(picture, &progress, 1);
    EXPECT_EQ(65, progress.max);
    EXPECT_EQ(std::vector<int>({0, 0, 30, 60, 65, 0, 30, 60, 65}), progress.positions);
    EXPECT_EQ(std::vector<bool>({true, false}), progress.visible);
}

TEST(FillGradient, RunsFromFirstToSecondColour)
{
    TBmpScan picture(5, 3);
    FillGradient(picture, clBlack, MakeColor(200, 100, 0), TGradientDirection::gdHorizontal,
                 {0, 0, 5, 3});
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(0, picture.Scan(y)[0].r);
        EXPECT_EQ(100, picture.Scan(y)[2].r);
        EXPECT_EQ(50, picture.Scan(y)[2].g);
        EXPECT_EQ(200, picture.Scan(y)[4].r);
        EXPECT_EQ(100, picture.Scan(y)[4].g);
        EXPECT_EQ(0, picture.Scan(y)[4].b);
    }
    FillGradient(picture, clWhite, clBlack, TGradientDirection::gdVertical, {1, -1, 3, 4});
    EXPECT_EQ(0, picture.Scan(0)[0].r);   // outside the rectangle: kept
    EXPECT_EQ(191, picture.Scan(0)[1].r); // step 1 of 5: 255 - 63.75 -> 191
    EXPECT_EQ(64, picture.Scan(2)[2].r);
}

TEST(GlowBox, BoxOverGlowOverBackground)
{
    TBmpScan source = UniformPicture(100, 100, {10, 20, 30});
    TGlowBoxParams p;
    p.Width = 20;
    p.Height = 10;
    p.BoxColor = MakeColor(0, 0, 255);
    p.Sigma = 2;
    p.Margin = 8;
    p.Position = {50, 50};
    p.GlowColor = MakeColor(255, 0, 0);
    TBmpScan glow = GlowBox(p, source);
    ASSERT_EQ(36, glow.Width());
    ASSERT_EQ(26, glow.Height());
    EXPECT_TRUE(glow.Scan(8)[8] == (TTriple{255, 0, 0}));  // the box
    EXPECT_TRUE(glow.Scan(0)[0] == (TTriple{10, 20, 30})); // far corner: untouched
    TTriple near = glow.Scan(13)[6];                       // just left of the box
    EXPECT_GT(near.r, 30);
    EXPECT_LT(near.b, 10);
    // Symmetric glow on both sides of the box.
    EXPECT_TRUE(glow.Scan(13)[6] == glow.Scan(13)[29]);
}

TEST(GlowBox, BackgroundOutsideTheSourceStaysWhite)
{
    TBmpScan source = UniformPicture(10, 10, {0, 0, 0});
    TGlowBoxParams p;
    p.Width = 4;
    p.Height = 4;
    p.Margin = 6; // beyond the blur's radius of 3, so the corner gets no glow
    p.Position = {0, 0};
    p.GlowColor = clWhite;
    TBmpScan glow = GlowBox(p, source);
    EXPECT_TRUE(glow.Scan(0)[0] == (TTriple{255, 255, 255}));
    EXPECT_TRUE(glow.Scan(15)[15] == (TTriple{0, 0, 0}));
}

TEST(Drawing, FillRectIsClipped)
{
    TBmpScan picture(3, 3);
    FillRect(picture, {-5, 1, 2, 10}, clBlack);
    EXPECT_TRUE(picture.Scan(0)[0] == (TTriple{255, 255, 255}));
    EXPECT_TRUE(picture.Scan(2)[1] == (TTriple{0, 0, 0}));
    EXPECT_TRUE(picture.Scan(2)[2] == (TTriple{255, 255, 255}));
}
