#include "imaging/PngCodec.h"

#include "imaging/AlphaOverWhite.h"
#include "imaging/ColorProfile.h"
#include "imaging/ImageError.h"
#include "util/LocalText.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qor {

namespace {

// Everything libpng's callbacks touch. Only plain data lives across setjmp.
struct TPngContext {
    std::jmp_buf jump;
    char message[200];
    const uint8_t* data;
    size_t size;
    size_t pos;
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp text)
{
    auto* context = static_cast<TPngContext*>(png_get_error_ptr(png));
    std::snprintf(context->message, sizeof context->message, "%s", text);
    std::longjmp(context->jump, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* context = static_cast<TPngContext*>(png_get_io_ptr(png));
    if (length > context->size - context->pos) png_error(png, "unexpected end of data");
    std::memcpy(out, context->data + context->pos, length);
    context->pos += length;
}

struct TPngHeader {
    png_uint_32 width;
    png_uint_32 height;
    int passes;
};

// Reads the header and sets the transformations that give 8-bit RGBA. Answers false on error.
bool ReadPngHeader(png_structp png, png_infop info, TPngContext& context, TPngHeader& header)
{
    if (setjmp(context.jump)) return false;
    png_set_read_fn(png, &context, ReadFromMemory);
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    png_read_info(png, info);
    header.width = png_get_image_width(png, info);
    header.height = png_get_image_height(png, info);
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    header.passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

// The rows of each pass, one at a time through one RGBA row: only the pixels a pass brings
// are composited into the picture, so no RGBA copy of the whole picture is ever held. Plain
// data only across setjmp.
bool ReadPngRows(png_structp png, TPngContext& context, int passes, uint8_t* rgba, TTriple* over,
                 TBmpScan* picture)
{
    if (setjmp(context.jump)) return false;
    int32_t width = picture->Width();
    for (int pass = 0; pass < passes; ++pass) {
        for (int32_t y = 0; y < picture->Height(); ++y) {
            png_read_row(png, rgba, nullptr);
            if (passes > 1 && !PNG_ROW_IN_INTERLACE_PASS(y, pass)) continue;
            RgbaOverWhite(rgba, over, width);
            TTriple* out = picture->Scan(y);
            for (int32_t x = 0; x < width; ++x)
                if (passes == 1 || PNG_COL_IN_INTERLACE_PASS(x, pass)) out[x] = over[x];
        }
    }
    return true;
}

TBmpScan DecodeRgba(png_structp png, TPngContext& context, const TPngHeader& header,
                    const std::string& name)
{
    int32_t width = static_cast<int32_t>(header.width);
    int32_t height = static_cast<int32_t>(header.height);
    if (!IsAllowedPictureSize(width, height))
        throw EImageError(LocalFormat("%s: picture size is beyond the limit", {name}));
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * 4);
    std::vector<TTriple> over(static_cast<size_t>(width));
    TBmpScan picture(width, height, 24, TBmpScan::TFill::None);
    if (!ReadPngRows(png, context, header.passes, rgba.data(), over.data(), &picture))
        throw EImageError(LocalFormat("%s: damaged PNG file (%s)", {name, context.message}));
    return picture;
}

// The profile of the iCCP chunk, which libpng keeps uncompressed with the other chunks.
TColorProfile PngColorProfile(png_structp png, png_infop info)
{
    png_charp name = nullptr;
    int compression = 0;
    png_bytep data = nullptr;
    png_uint_32 size = 0;
    if (png_get_iCCP(png, info, &name, &compression, &data, &size) != PNG_INFO_iCCP) return {};
    return TColorProfile({data, size});
}

} // namespace

TBmpScan DecodePng(std::span<const uint8_t> data, const std::string& name)
{
    TPngContext context{};
    context.data = data.data();
    context.size = data.size();
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw EImageError(LocalFormat("%s: out of memory while reading PNG file", {name}));
    }
    TPngHeader header{};
    bool headerRead = ReadPngHeader(png, info, context, header);
    TBmpScan picture;
    std::string failure;
    try {
        if (!headerRead) throw EImageError(LocalFormat("%s: damaged PNG file (%s)", {name, context.message}));
        picture = DecodeRgba(png, context, header, name);
        PngColorProfile(png, info).ConvertToSrgb(picture);
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return picture;
}

namespace {

struct TPngWriteJob {
    const TBmpScan* picture;
    const TBmpScan* alpha;
    bool useTransparent;
    TColor transparent;
};

void WritePngStream(png_structp png, png_infop info, const TPngWriteJob& job, uint8_t* rowBuffer)
{
    const TBmpScan& picture = *job.picture;
    int channels = job.alpha ? 4 : 3;
    png_set_IHDR(png, info, picture.Width(), picture.Height(), 8,
                 job.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    if (job.useTransparent) {
        TColorParts c = SplitColor(job.transparent);
        png_color_16 colour{};
        colour.red = static_cast<png_uint_16>(c.Red);
        colour.green = static_cast<png_uint_16>(c.Green);
        colour.blue = static_cast<png_uint_16>(c.Blue);
        png_set_tRNS(png, info, nullptr, 0, &colour);
    }
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.Height(); ++y) {
        const TTriple* source = picture.Scan(y);
        const uint8_t* alphaRow = job.alpha ? job.alpha->Row(y) : nullptr;
        for (int32_t x = 0; x < picture.Width(); ++x) {
            uint8_t* out = rowBuffer + static_cast<size_t>(x) * channels;
            out[0] = source[x].r;
            out[1] = source[x].g;
            out[2] = source[x].b;
            if (alphaRow) out[3] = alphaRow[x];
        }
        png_write_row(png, rowBuffer);
    }
    png_write_end(png, info);
}

bool WritePngFile(std::FILE* file, const TPngWriteJob& job, uint8_t* rowBuffer,
                  TPngContext& context)
{
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::snprintf(context.message, sizeof context.message, "out of memory");
        return false;
    }
    if (setjmp(context.jump)) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    WritePngStream(png, info, job, rowBuffer);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool SavePngAlpha(const std::filesystem::path& path, const TBmpScan& picture, const TBmpScan* alpha,
                  bool useTransparent, TColor transparent)
{
    if (picture.Empty()) return false;
    if (alpha && (alpha->Width() != picture.Width() || alpha->Height() != picture.Height() ||
                  alpha->BitsPerPixel() != 8))
        throw EImageError(path.string() + ": the alpha plane does not match the picture");
    std::vector<uint8_t> rowBuffer(static_cast<size_t>(picture.Width()) * 4);
    TPngWriteJob job{&picture, alpha, useTransparent, transparent};
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw EImageError(LocalFormat("%s: cannot create the file", {path.string()}));
    TPngContext context{};
    bool written = WritePngFile(file, job, rowBuffer.data(), context);
    bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw EImageError(LocalFormat("%s: cannot write the file", {path.string()}) +
                          (written ? std::string() : " (" + std::string(context.message) + ")"));
    }
    return true;
}

bool SavePng(const std::filesystem::path& path, const TBmpScan& picture, TColor transparent,
             bool useTransparent)
{
    return SavePngAlpha(path, picture, nullptr, useTransparent, transparent);
}

} // namespace qor
