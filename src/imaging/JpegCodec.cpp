#include "imaging/JpegCodec.h"

#include "imaging/ImageError.h"
#include "imaging/JpegColorProfile.h"
#include "imaging/JpegErrorManager.h"
#include "util/LocalText.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <cstring>
#include <vector>

namespace qor {

namespace {

// Reads the header and starts decompression. Only plain data lives here across setjmp.
bool StartDecoding(jpeg_decompress_struct& decoder, TJpegError& error, const uint8_t* data,
                   size_t size, TJpegDecodeOptions options, jpeg_progress_mgr& progress)
{
    if (setjmp(error.jump)) return false;
    jpeg_create_decompress(&decoder);
    LimitJpegDecoder(decoder, progress);
    jpeg_mem_src(&decoder, data, static_cast<unsigned long>(size));
    KeepJpegColorProfile(decoder);
    jpeg_read_header(&decoder, TRUE);
    bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
    decoder.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    decoder.scale_num = 1;
    decoder.scale_denom = static_cast<unsigned>(options.ScaleDenominator);
    if (options.Fast) {
        decoder.dct_method = JDCT_IFAST;
        decoder.do_fancy_upsampling = FALSE;
    }
    jpeg_calc_output_dimensions(&decoder);
    if (!IsAllowedPictureSize(decoder.output_width, decoder.output_height)) {
        std::snprintf(error.message, sizeof error.message, "picture size is beyond the limit");
        return false;
    }
    jpeg_start_decompress(&decoder);
    return true;
}

// Adobe files store CMYK inverted (0 = full ink); others store it plainly.
void CmykToBgr(const uint8_t* cmyk, uint8_t* bgr, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        bgr[0] = static_cast<uint8_t>((y * k + 127) / 255);
        bgr[1] = static_cast<uint8_t>((m * k + 127) / 255);
        bgr[2] = static_cast<uint8_t>((c * k + 127) / 255);
    }
}

bool ReadScanlines(jpeg_decompress_struct& decoder, TJpegError& error, uint8_t* const* rows,
                   uint8_t* cmykRow)
{
    if (setjmp(error.jump)) return false;
    while (decoder.output_scanline < decoder.output_height) {
        uint8_t* row = rows[decoder.output_scanline];
        JSAMPROW target = cmykRow ? cmykRow : row;
        jpeg_read_scanlines(&decoder, &target, 1);
        if (cmykRow) CmykToBgr(cmykRow, row, decoder.output_width, decoder.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&decoder);
    return true;
}

} // namespace

TBmpScan DecodeJpeg(std::span<const uint8_t> data, const std::string& name,
                    TJpegDecodeOptions options)
{
    jpeg_decompress_struct decoder{};
    TJpegError error;
    InstallErrorManager(error);
    decoder.err = &error.manager;
    jpeg_progress_mgr progress{};
    bool started = StartDecoding(decoder, error, data.data(), data.size(), options, progress);
    TBmpScan picture;
    try {
        if (!started) throw EImageError(JpegFailure(name, error));
        TColorProfile profile = JpegColorProfile(decoder, error);
        picture = TBmpScan(static_cast<int32_t>(decoder.output_width),
                           static_cast<int32_t>(decoder.output_height), 24, TBmpScan::TFill::None);
        std::vector<uint8_t*> rows(decoder.output_height);
        for (JDIMENSION y = 0; y < decoder.output_height; ++y)
            rows[y] = picture.Row(static_cast<int32_t>(y));
        std::vector<uint8_t> cmykRow(decoder.out_color_space == JCS_CMYK ? decoder.output_width * 4
                                                                         : 0);
        if (!ReadScanlines(decoder, error, rows.data(), cmykRow.empty() ? nullptr : cmykRow.data()))
            throw EImageError(JpegFailure(name, error));
        profile.ConvertToSrgb(picture);
    } catch (...) {
        jpeg_destroy_decompress(&decoder);
        throw;
    }
    jpeg_destroy_decompress(&decoder);
    return picture;
}

namespace {

bool EncodeRows(jpeg_compress_struct& encoder, TJpegError& error, std::FILE* file,
                const TBmpScan& picture, int quality)
{
    if (setjmp(error.jump)) return false;
    jpeg_create_compress(&encoder);
    jpeg_stdio_dest(&encoder, file);
    encoder.image_width = static_cast<JDIMENSION>(picture.Width());
    encoder.image_height = static_cast<JDIMENSION>(picture.Height());
    encoder.input_components = 3;
    encoder.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    while (encoder.next_scanline < encoder.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row =
            const_cast<uint8_t*>(picture.Row(static_cast<int32_t>(encoder.next_scanline)));
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    return true;
}

} // namespace

bool SaveJpeg(const std::filesystem::path& path, const TBmpScan& picture, int quality)
{
    if (picture.Empty()) return false;
    if (picture.BitsPerPixel() != 24) throw EImageError(path.string() + ": not a 24-bit picture");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw EImageError(LocalFormat("%s: cannot create the file", {path.string()}));
    jpeg_compress_struct encoder{};
    TJpegError error;
    InstallErrorManager(error);
    encoder.err = &error.manager;
    bool written = EncodeRows(encoder, error, file, picture, quality & 0xFF);
    jpeg_destroy_compress(&encoder);
    bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw EImageError(LocalFormat("%s: cannot write the file", {path.string()}) +
                          (written ? std::string() : " (" + std::string(error.message) + ")"));
    }
    return true;
}

} // namespace qor
