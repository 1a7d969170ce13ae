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

bool Rescale(jpeg_decompress_struct& decoder, TJpegError& error, int eighths)
{
    if (setjmp(error.jump)) return false;
    decoder.scale_num = static_cast<unsigned>(eighths);
    decoder.scale_denom = 8;
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

bool ReadRow(jpeg_decompress_struct& decoder, TJpegError& error, uint8_t* row)
{
    if (setjmp(error.jump)) return false;
    JSAMPROW target = row;
    jpeg_read_scanlines(&decoder, &target, 1);
    return true;
}

} // namespace

struct TJpegBandReader::TState {
    std::string Name;
    jpeg_decompress_struct Decoder{};
    TJpegError Error;
    jpeg_progress_mgr Progress{};
    bool Created = false;
    TRect Rect;
    int32_t RowsLeft = 0;
    std::vector<uint8_t> Row; // a whole decoded row, with the crop's margins
    size_t Offset = 0;        // of the rectangle's left edge in Row
    TColorProfile Profile;    // the rows are turned into sRGB as they come

    // The rows below the rectangle are not needed: the rest of the file is left unread.
    ~TState()
    {
        if (Created) jpeg_destroy_decompress(&Decoder);
    }
    [[noreturn]] void Fail() const { throw EImageError(JpegFailure(Name, Error)); }
};

TJpegBandReader::TJpegBandReader(std::span<const uint8_t> data, const std::string& name)
    : FState(std::make_unique<TState>())
{
    TState& s = *FState;
    s.Name = name;
    InstallErrorManager(s.Error);
    s.Decoder.err = &s.Error.manager;
    s.Created = true;
    if (!ReadHeader(s.Decoder, s.Error, data.data(), data.size(), s.Progress)) s.Fail();
}

TJpegBandReader::~TJpegBandReader() = default;

bool TJpegBandReader::Supported() const
{
    const jpeg_decompress_struct& d = FState->Decoder;
    bool cmyk = d.jpeg_color_space == JCS_CMYK || d.jpeg_color_space == JCS_YCCK;
    return !cmyk && IsAllowedPictureSize(d.output_width, d.output_height);
}

int32_t TJpegBandReader::Width() const
{
    return static_cast<int32_t>(FState->Decoder.output_width);
}

int32_t TJpegBandReader::Height() const
{
    return static_cast<int32_t>(FState->Decoder.output_height);
}

void TJpegBandReader::SetScale(int eighths)
{
    if (!Rescale(FState->Decoder, FState->Error, std::clamp(eighths, 1, 8))) FState->Fail();
}

void TJpegBandReader::Start(TRect rect)
{
    TState& s = *FState;
    if (!IsCropInside(rect, Width(), Height()))
        throw EImageError(s.Name + ": band outside the picture");
    JDIMENSION firstColumn = 0;
    if (!StartBand(s.Decoder, s.Error, static_cast<JDIMENSION>(rect.Left),
                   static_cast<JDIMENSION>(rect.Right), static_cast<JDIMENSION>(rect.Top),
                   firstColumn))
        s.Fail();
    // Read while the decoder still holds the file's segments.
    s.Profile = JpegColorProfile(s.Decoder, s.Error);
    s.Rect = rect;
    s.RowsLeft = rect.Height();
    s.Row.resize(size_t(s.Decoder.output_width) * 3);
    s.Offset = (static_cast<size_t>(rect.Left) - firstColumn) * 3;
}

const uint8_t* TJpegBandReader::NextRow()
{
    TState& s = *FState;
    if (s.RowsLeft <= 0) throw EImageError(s.Name + ": no rows left in the band");
    if (!ReadRow(s.Decoder, s.Error, s.Row.data())) s.Fail();
    --s.RowsLeft;
    uint8_t* row = s.Row.data() + s.Offset;
    s.Profile.ConvertRowToSrgb(row, s.Rect.Width());
    return row;
}

TBmpScan TJpegBandReader::ReadBand()
{
    const TRect& rect = FState->Rect;
    TBmpScan band(rect.Width(), FState->RowsLeft, 24, TBmpScan::TFill::None);
    for (int32_t y = 0; y < band.Height(); ++y)
        std::memcpy(band.Row(y), NextRow(), static_cast<size_t>(rect.Width()) * 3);
    return band;
}

} // namespace qor
