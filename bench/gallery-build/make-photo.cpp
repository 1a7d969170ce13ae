// Draws one reproducible photograph-like JPEG for the gallery build benchmark: a landscape of
// sky, clouds, hills and textured ground with fine detail and sensor grain, so that decoding
// and resampling meet the entropy of a real camera file, not flat colour. The same arguments
// always give the same bytes.
//
//   make-photo OUT.jpg WIDTH HEIGHT SEED ORIENTATION
//
// WIDTH x HEIGHT is the stored size. ORIENTATION 6 stores the scene turned a quarter counter-
// clockwise with an EXIF orientation of 6, as a camera held upright does; 1 stores it as seen.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed)
{
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

float Unit(uint32_t h)
{
    return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

float Smooth(float t)
{
    return t * t * (3 - 2 * t);
}

// Value noise of one octave along a row: the lattice rows above and below are hashed once per
// row, the pixels only interpolate.
class TOctaveRow {
public:
    TOctaveRow(float period, uint32_t seed) : FPeriod(period), FSeed(seed) {}

    void Prepare(float v, int32_t width)
    {
        float gy = v / FPeriod;
        auto ly = static_cast<uint32_t>(std::floor(gy));
        FTy = Smooth(gy - std::floor(gy));
        size_t cells = static_cast<size_t>(width / FPeriod) + 3;
        FTop.resize(cells);
        FBottom.resize(cells);
        for (size_t k = 0; k < cells; ++k) {
            FTop[k] = Unit(Hash(static_cast<uint32_t>(k), ly, FSeed));
            FBottom[k] = Unit(Hash(static_cast<uint32_t>(k), ly + 1, FSeed));
        }
    }

    float At(float u) const
    {
        float gx = u / FPeriod;
        auto lx = static_cast<size_t>(gx);
        float tx = Smooth(gx - static_cast<float>(lx));
        float a = FTop[lx] + (FTop[lx + 1] - FTop[lx]) * tx;
        float b = FBottom[lx] + (FBottom[lx + 1] - FBottom[lx]) * tx;
        return a + (b - a) * FTy;
    }

private:
    float FPeriod;
    uint32_t FSeed;
    float FTy = 0;
    std::vector<float> FTop, FBottom;
};

// Fractal noise in 0..1 from octaves of halving period and amplitude.
class TFractal {
public:
    TFractal(float period, int octaves, uint32_t seed)
    {
        for (int k = 0; k < octaves; ++k, period /= 2.3f)
            FOctaves.emplace_back(std::max(period, 1.5f), seed + 977u * k);
    }
    void Prepare(float v, int32_t width)
    {
        for (TOctaveRow& octave : FOctaves)
            octave.Prepare(v, width);
    }
    float At(float u) const
    {
        float sum = 0, amplitude = 1, total = 0;
        for (const TOctaveRow& octave : FOctaves) {
            sum += octave.At(u) * amplitude;
            total += amplitude;
            amplitude *= 0.62f;
        }
        return sum / total;
    }

private:
    std::vector<TOctaveRow> FOctaves;
};

struct TColor {
    float r, g, b;
};

TColor Mix(TColor a, TColor b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

uint8_t Byte(float value)
{
    return static_cast<uint8_t>(std::clamp(value, 0.0f, 255.0f) + 0.5f);
}

// The upright scene, W x H, one row at a time.
class TScene {
public:
    TScene(int32_t width, int32_t height, uint32_t seed)
        : FW(width), FH(height), FSeed(seed), FRidge(width / 3.0f, 6, seed + 1),
          FClouds(width / 4.0f, 7, seed + 2), FGround(width / 10.0f, 9, seed + 3),
          FTint(width / 5.0f, 3, seed + 4)
    {
        // The skyline: one value per column from a one-row fractal.
        TFractal ridge(width / 2.5f, 8, seed + 5);
        ridge.Prepare(0, width);
        FHorizon.resize(static_cast<size_t>(width));
        float base = 0.42f + 0.1f * Unit(Hash(1, 2, seed));
        for (int32_t x = 0; x < width; ++x)
            FHorizon[x] = height * (base + 0.22f * (ridge.At(static_cast<float>(x)) - 0.5f));
        uint32_t h = Hash(3, 4, seed);
        FSky = {60.0f + (h & 31), 110.0f + ((h >> 5) & 31), 190.0f + ((h >> 10) & 31)};
        FGrass = {70.0f + ((h >> 15) & 31), 100.0f + ((h >> 20) & 31), 40.0f};
    }

    int32_t Width() const { return FW; }
    int32_t Height() const { return FH; }

    // Pixel (x, y) of the row last prepared, with grain.
    TColor At(int32_t x, int32_t y) const
    {
        float u = static_cast<float>(x);
        float horizon = FHorizon[x];
        TColor c;
        if (y < horizon) {
            float t = std::min(y / (0.55f * FH), 1.0f);
            TColor sky = Mix(FSky, {225, 230, 240}, t * t);
            float cloud = std::clamp((FClouds.At(u) - 0.48f) * 3.2f, 0.0f, 1.0f);
            c = Mix(sky, {246, 246, 250}, cloud * (1 - 0.6f * t));
        } else {
            float depth = (y - horizon) / std::max(FH - horizon, 1.0f);
            float texture = FGround.At(u);
            float tint = FTint.At(u);
            TColor far = {110, 120, 140};
            TColor soil = {120 + 40 * tint, 95 + 20 * tint, 60};
            TColor ground = Mix(FGrass, soil, std::clamp(tint * 1.6f - 0.4f, 0.0f, 1.0f));
            c = Mix(far, ground, std::min(depth * 4, 1.0f));
            float shade = 0.55f + 0.9f * texture;
            c = {c.r * shade, c.g * shade, c.b * shade};
            float ridge = FRidge.At(u);
            if (y < horizon + 3) c = Mix(c, {60, 70, 60}, 0.5f + 0.5f * ridge);
        }
        // Sensor grain: luminance and a little chroma.
        uint32_t h = Hash(static_cast<uint32_t>(x), static_cast<uint32_t>(y), FSeed + 99);
        float grain = (Unit(h) - 0.5f) * 14;
        float chroma = (Unit(h * 2654435761u) - 0.5f) * 5;
        return {c.r + grain + chroma, c.g + grain, c.b + grain - chroma};
    }

    void PrepareRow(int32_t y)
    {
        float v = static_cast<float>(y);
        FClouds.Prepare(v * 2.2f, FW);
        FGround.Prepare(v, FW);
        FTint.Prepare(v, FW);
        FRidge.Prepare(v, FW);
    }

private:
    int32_t FW, FH;
    uint32_t FSeed;
    TFractal FRidge, FClouds, FGround, FTint;
    std::vector<float> FHorizon;
    TColor FSky, FGrass;
};

// A minimal EXIF block: big-endian TIFF header and one IFD entry, the orientation.
std::vector<JOCTET> ExifOrientationBlock(int orientation)
{
    return {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3,
            0,   0,   0,   1,   0, static_cast<JOCTET>(orientation), 0, 0, 0, 0, 0, 0};
}

// The stored picture, row by row. For orientation 6 the stored pixel (sx, sy) shows the
// upright pixel (H - 1 - sy, sx), so the scene is drawn upright into a whole buffer first.
std::vector<uint8_t> StoredPixels(int32_t width, int32_t height, uint32_t seed, int orientation)
{
    bool turned = orientation == 6;
    TScene scene(turned ? height : width, turned ? width : height, seed);
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    for (int32_t y = 0; y < scene.Height(); ++y) {
        scene.PrepareRow(y);
        for (int32_t x = 0; x < scene.Width(); ++x) {
            TColor c = scene.At(x, y);
            int32_t sx = turned ? y : x, sy = turned ? height - 1 - x : y;
            uint8_t* p = &pixels[(static_cast<size_t>(sy) * width + sx) * 3];
            p[0] = Byte(c.r), p[1] = Byte(c.g), p[2] = Byte(c.b);
        }
    }
    return pixels;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: make-photo OUT.jpg WIDTH HEIGHT SEED ORIENTATION\n");
        return 2;
    }
    int32_t width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    auto seed = static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10));
    int orientation = std::atoi(argv[5]);
    if (width < 16 || height < 16 || (orientation != 1 && orientation != 6)) {
        std::fprintf(stderr, "make-photo: bad size or orientation\n");
        return 2;
    }
    std::vector<uint8_t> pixels = StoredPixels(width, height, seed, orientation);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    jpeg_stdio_dest(&encoder, file);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 92, TRUE); // a camera's fine setting, 4:2:0
    jpeg_start_compress(&encoder, TRUE);
    std::vector<JOCTET> exif = ExifOrientationBlock(orientation);
    jpeg_write_marker(&encoder, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW row = &pixels[static_cast<size_t>(encoder.next_scanline) * width * 3];
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    return std::fclose(file) == 0 ? 0 : 1;
}
