// The cost of the picture path of a gallery build. Each group has its peer in the same run:
//   Decode12MP          - libjpeg-turbo decoding a 4000 x 3000 photo: the floor of the engine;
//   ShrinkArea/...      - the slide resampling (4000 x 1500 centred crop to 720 x 270) against
//                         the direct formula evaluation of the tests;
//   ResampleAreaBilinear, EnlargeBilinear - likewise;
//   Engine12MP          - one file through TXEResize (load, crop, SmoothResize), to set against
//                         Decode12MP.
#include "ReferenceResamplers.h"
#include "imaging/JpegCodec.h"
#include "imaging/Resamplers.h"
#include "imaging/XEResize.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace qor;

namespace {

// A photo-like picture: smooth shapes with fine noise, the same on every run.
TBmpScan PhotoLike(int32_t w, int32_t h)
{
    TBmpScan p(w, h);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int32_t y = 0; y < h; ++y) {
        TTriple* row = p.Scan(y);
        for (int32_t x = 0; x < w; ++x) {
            double u = double(x) / w, v = double(y) / h;
            auto level = [&](double f) {
                return uint8_t(std::clamp(int(f) + noise(random), 0, 255));
            };
            row[x] = {level(128 + 100 * std::sin(9 * u + 3 * v)), level(200 * v),
                      level(255 * u * (1 - v) + 30)};
        }
    }
    return p;
}

const std::filesystem::path& PhotoFile()
{
    static const std::filesystem::path file = [] {
        std::filesystem::path path = std::filesystem::temp_directory_path() / "qor_bench_12mp.jpg";
        SaveJpeg(path, PhotoLike(4000, 3000), 90);
        return path;
    }();
    return file;
}

const std::vector<uint8_t>& PhotoBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        std::ifstream in(PhotoFile(), std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

const TBmpScan& Photo()
{
    static const TBmpScan photo = DecodeJpeg(PhotoBytes(), "photo");
    return photo;
}

void Decode12MP(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpeg(PhotoBytes(), "photo"));
}

constexpr TRect kSlideCrop{0, 750, 4000, 2250}; // centred 720:270 crop of 4000 x 3000

void ShrinkArea12MPTo720x270(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ShrinkArea(Photo(), kSlideCrop, 720, 270));
}

void ShrinkAreaReference12MPTo720x270(benchmark::State& state)
{
    TBmpScan crop(4000, 1500);
    for (int32_t y = 0; y < 1500; ++y)
        std::copy_n(Photo().Row(750 + y), 4000 * 3, crop.Row(y));
    for (auto _ : state)
        benchmark::DoNotOptimize(qortest::ReferenceShrinkArea(crop, 720, 270));
}

const TBmpScan& Strip()
{
    static const TBmpScan strip = ShrinkArea(Photo(), Photo().Bounds(), 2000, 600);
    return strip;
}

void ResampleAreaBilinear2000x600To720x800(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ResampleAreaBilinear(Strip(), Strip().Bounds(), 720, 800));
}

void ResampleAreaBilinearReference2000x600To720x800(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qortest::ReferenceResampleAreaBilinear(Strip(), 720, 800));
}

const TBmpScan& Small()
{
    static const TBmpScan small = ShrinkArea(Photo(), Photo().Bounds(), 640, 480);
    return small;
}

void EnlargeBilinear640x480To1920x1440(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(EnlargeBilinear(Small(), Small().Bounds(), 1920, 1440));
}

void EnlargeBilinearReference640x480To1920x1440(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qortest::ReferenceEnlargeBilinear(Small(), 1920, 1440));
}

void Engine12MPTo720x270(benchmark::State& state)
{
    TXEResize engine;
    engine.AspectWidth = 720;
    engine.AspectHeight = 270;
    for (auto _ : state) {
        engine.SetFileName(PhotoFile());
        benchmark::DoNotOptimize(engine.GetCropBmp(true));
    }
}

} // namespace

BENCHMARK(Decode12MP)->Unit(benchmark::kMillisecond);
BENCHMARK(ShrinkArea12MPTo720x270)->Unit(benchmark::kMillisecond);
BENCHMARK(ShrinkAreaReference12MPTo720x270)->Unit(benchmark::kMillisecond);
BENCHMARK(ResampleAreaBilinear2000x600To720x800)->Unit(benchmark::kMillisecond);
BENCHMARK(ResampleAreaBilinearReference2000x600To720x800)->Unit(benchmark::kMillisecond);
BENCHMARK(EnlargeBilinear640x480To1920x1440)->Unit(benchmark::kMillisecond);
BENCHMARK(EnlargeBilinearReference640x480To1920x1440)->Unit(benchmark::kMillisecond);
BENCHMARK(Engine12MPTo720x270)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Make the test photo before timing anything.
    Photo();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(PhotoFile());
    return 0;
}
