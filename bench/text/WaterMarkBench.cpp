// What the watermark costs a gallery build per picture, against the resampling that makes the
// same slide picture from a 12-megapixel photo.
#include "imaging/Resamplers.h"
#include "text/DrawWaterMark.h"

#include <benchmark/benchmark.h>

using namespace qor;

namespace {

const std::string DefaultText = "Created by QorikaHTML5ギャラリー, Tessaro Software";

TBmpScan Photo(int32_t width, int32_t height)
{
    TBmpScan picture(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            picture.Scan(y)[x] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                  static_cast<uint8_t>(x + y)};
    return picture;
}

void BM_DrawWaterMarkOnSlide(benchmark::State& state)
{
    TBmpScan slide = Photo(720, 270);
    for (auto _ : state) {
        DrawWaterMark(slide, DefaultText, WaterMarkFont(), 0, WaterMarkShadowColor);
        benchmark::DoNotOptimize(slide.Row(0));
    }
}
BENCHMARK(BM_DrawWaterMarkOnSlide)->Unit(benchmark::kMicrosecond);

void BM_SmoothResizeTwelveMegapixelsToSlide(benchmark::State& state)
{
    TBmpScan photo = Photo(4000, 3000);
    for (auto _ : state)
        benchmark::DoNotOptimize(SmoothResize(photo, {0, 750, 4000, 2250}, 720, 270));
}
BENCHMARK(BM_SmoothResizeTwelveMegapixelsToSlide)->Unit(benchmark::kMicrosecond);

} // namespace
