#include "imaging/JpegBand.h"

#include "imaging/Geometry.h"
#include "imaging/ImageError.h"
#include "imaging/JpegColorProfile.h"
#include "imaging/JpegErrorManager.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace qor {

namespace {

// Fancy upsampling treats the edges of a column crop as the picture's edges; columns this far
// inside the cropped edges are untouched by that (the widest chroma block is 16 pixels).
constexpr JDIMENSION kColumnMargin = 16;

// Plain data only across setjmp in the functions below.
bool ReadHeader(jpeg_decompress_struct& decoder, TJpegError& error, const uint8_t* data,
                size_t size, jpeg_progress_mgr& progress)
{
    if (setjmp(error.jump)) return false;
    jpeg_create_decompress(&decoder);
    LimitJpegDecoder(decoder, progress);
    jpeg_mem_src(&decoder, data, static_cast<unsigned long>(size));
    KeepJpegColorProfile(decoder);
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&decoder);
    return true;
}

// Starts decompression of the columns [left, right) with their margin and skips to row top;
// answers the first decoded column in firstColumn.
bool StartBand(jpeg_decompress_struct& decoder, TJpegError& error, JDIMENSION left,
               JDIMENSION right, JDIMENSION top, JDIMENSION& firstColumn)
{
    if (setjmp(error.jump)) return false;
    jpeg_start_decompress(&decoder);
    firstColumn = 0;
    JDIMENSION from = left > kColumnMargin ? left - kColumnMargin : 0;
    JDIMENSION to = std::min(decoder.output_width, right + kColumnMargin);
    if (from > 0 || to < decoder.output_width) {
        JDIMENSION width = to - from;
        jpeg_crop_scanline(&decoder, &from, &width);
        firstColumn = from;
    }
    if (top > 0) jpeg_skip_scanlines(&decoder, top);
    return true;
}

bool ReadBand(jpeg_decompress_struct& decoder, TJpegError& error, uint8_t* const* rows,
              JDIMENSION count, uint8_t* rowBuffer, size_t offset, size_t bytes)
{
    if (setjmp(error.jump)) return false;
    for (JDIMENSION y = 0; y < count; ++y) {
        JSAMPROW target = rowBuffer ? rowBuffer : rows[y];
        jpeg_read_scanlines(&decoder, &target, 1);
        if (rowBuffer) std::memcpy(rows[y], rowBuffer + offset, bytes);
    }
    // The rows below are not needed: the rest of the file is left unread.
    jpeg_abort_decompress(&decoder);
    return true;
}

} // namespace

TJpegBandResult DecodeJpegBand(std::span<const uint8_t> data, const std::string& name,
                               const TJpegBandChooser& choose, TBmpScan& band)
{
    jpeg_decompress_struct decoder{};
    TJpegError error;
    InstallErrorManager(error);
    decoder.err = &error.manager;
    jpeg_progress_mgr progress{};
    bool read = ReadHeader(decoder, error, data.data(), data.size(), progress);
    TJpegBandResult result = TJpegBandResult::Unsupported;
    try {
        if (!read) throw EImageError(JpegFailure(name, error));
        bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
        auto width = static_cast<int32_t>(decoder.output_width);
        auto height = static_cast<int32_t>(decoder.output_height);
        TRect rect;
        if (!cmyk && IsAllowedPictureSize(width, height)) rect = choose(width, height);
        if (!cmyk && IsAllowedPictureSize(width, height) && IsCropInside(rect, width, height)) {
            JDIMENSION firstColumn = 0;
            if (!StartBand(decoder, error, static_cast<JDIMENSION>(rect.Left),
                           static_cast<JDIMENSION>(rect.Right), static_cast<JDIMENSION>(rect.Top),
                           firstColumn))
                throw EImageError(JpegFailure(name, error));
            TColorProfile profile = JpegColorProfile(decoder, error);
            TBmpScan picture(rect.Width(), rect.Height(), 24, TBmpScan::TFill::None);
            std::vector<uint8_t*> rows(static_cast<size_t>(rect.Height()));
            for (int32_t y = 0; y < rect.Height(); ++y)
                rows[static_cast<size_t>(y)] = picture.Row(y);
            bool whole =
                firstColumn == 0 && decoder.output_width == static_cast<JDIMENSION>(rect.Width());
            std::vector<uint8_t> rowBuffer(whole ? 0 : size_t(decoder.output_width) * 3);
            size_t offset = (static_cast<size_t>(rect.Left) - firstColumn) * 3;
            if (!ReadBand(decoder, error, rows.data(), static_cast<JDIMENSION>(rect.Height()),
                          whole ? nullptr : rowBuffer.data(), offset,
                          static_cast<size_t>(rect.Width()) * 3))
                throw EImageError(JpegFailure(name, error));
            profile.ConvertToSrgb(picture);
            band = std::move(picture);
            result = TJpegBandResult::Decoded;
        }
    } catch (...) {
        jpeg_destroy_decompress(&decoder);
        throw;
    }
    jpeg_destroy_decompress(&decoder);
    return result;
}

} // namespace qor
