// Decoding only a rectangle of a JPEG picture, in stored (not turned) coordinates, with the very
// bytes the full decode (DecodeJpeg with default options) gives those pixels. Rows above the
// rectangle are skipped and columns outside it are left out of the inverse DCT by libjpeg-turbo,
// and the rows below it are never read, so a crop of a camera picture costs a fraction of the
// full decode. The rows come one at a time, so a resampler can take each while it is still in
// the processor's cache, or all at once as a picture.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace qor {

class TJpegBandReader {
public:
    // Reads the header; throws EImageError (naming the file) for a damaged file, like
    // DecodeJpeg. The data must outlive the reader.
    TJpegBandReader(std::span<const uint8_t> data, const std::string& name);
    ~TJpegBandReader();
    TJpegBandReader(const TJpegBandReader&) = delete;
    TJpegBandReader& operator=(const TJpegBandReader&) = delete;

    // False for CMYK/YCCK pictures and sizes beyond the limit: the full decode is the way
    // for those.
    bool Supported() const;
    // The stored size at the chosen scale.
    int32_t Width() const;
    int32_t Height() const;
    // Decodes at eighths/8 of the stored size (1-8) with the codec's own DCT scaling; only
    // before Start.
    void SetScale(int eighths);
    // Starts decoding rect, which must lie inside the picture at the chosen scale.
    void Start(TRect rect);
    // The rectangle's next row as blue, green, red bytes from its left edge; valid until the
    // next call. Throws EImageError for damaged data.
    const uint8_t* NextRow();
    // The rest of the rectangle's rows as a picture.
    TBmpScan ReadBand();

private:
    struct TState;
    std::unique_ptr<TState> FState;
};

} // namespace qor
