// Crafting JPEG files with an EXIF block: directories with chosen entries in either byte order,
// placed after an optional APP0 segment, in front of a real JPEG picture.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qortest {

struct TExifEntry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::string data; // the value bytes in file order; up to 4 inline, else placed after
};

class TExifBuilder {
public:
    explicit TExifBuilder(bool bigEndian) : FBig(bigEndian) {}

    TExifEntry Short(uint16_t tag, uint16_t value) const;
    TExifEntry Long(uint16_t tag, uint32_t value) const;
    TExifEntry Ascii(uint16_t tag, const std::string& text) const; // NUL added
    TExifEntry Rational(uint16_t tag, uint32_t numerator, uint32_t denominator) const;
    TExifEntry Undefined(uint16_t tag, const std::string& bytes) const;

    std::vector<TExifEntry> Ifd0, ExifIfd, Ifd1;
    // Appended to the data area, e.g. a maker note; its offset from the TIFF header is answered.
    uint32_t AddData(const std::string& bytes);
    uint32_t DataOffsetBase() const;

    // The TIFF data: header, IFD0 (with the Exif pointer when ExifIfd is not empty, and the IFD1
    // link when Ifd1 is not empty), the Exif directory, IFD1, then the data area.
    std::string Tiff() const;
    std::string Number(uint32_t value, int bytes) const;

private:
    bool FBig;
    std::string FExtraData;
};

// SOI, an optional APP0 of appLength bytes (its length field included), APP1 "Exif" with the
// TIFF data, then the picture's JPEG data after its SOI.
std::string JpegWithExif(const std::string& tiff, const qor::TBmpScan& picture, int app0Length = 0);
// A camera-like file: orientation, a JPEG thumbnail in IFD1 unless withThumbnail is false.
std::string CameraJpeg(const qor::TBmpScan& picture, int orientation, bool withThumbnail = true,
                       bool bigEndian = false);

} // namespace qortest
