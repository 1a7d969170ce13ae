// The EXIF reader. It answers the system's one question - by how many degrees must a picture
// be turned clockwise to stand upright - and fills a whole record of shooting data on the way.
// It is deliberately not a general JPEG parser: it finds APP1 only by a byte search in the first
// 64 bytes and reads that one segment. ReadExif succeeds only when IFD1 describes a JPEG
// thumbnail; the orientation, though, is taken from any EXIF block that was read, since whether
// a camera stored a thumbnail says nothing about how the picture must be turned. Every read is
// checked against the bytes read; an entry that would read outside them is skipped.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace qor {

struct ExifDate {
    uint16_t year = 0;
    uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    uint8_t quarter_msec = 0; // milliseconds div 4
};

// Elements of TSetDataType, by bit number.
enum TDataType : uint16_t {
    sdtExif,
    sdtMaker,
    sdtModel,
    sdtMakerNote,
    sdtDate,
    sdtUpdated,
    sdtExpose,
    sdtFNumber,
    sdtISO,
    sdtExpPrgm,
    sdtWhite,
    sdtFlash,
    sdtExpBIAS,
    sdtFocal,
    sdtMetering
};

struct TSetDataType {
    uint16_t bits = 0;
    bool Has(TDataType e) const { return (bits >> e) & 1; }
    void Add(TDataType e) { bits = static_cast<uint16_t>(bits | (1u << e)); }
};

struct ExifData {
    TSetDataType Valid;
    std::string MakerNote;
    int32_t ExpBunbo = 1, ExpBunshi = 0;
    uint16_t FocalBunbo = 1, FocalBunshi = 0;
    uint16_t FBunbo = 1, FBunshi = 0;
    int16_t BIASBunbo = 1, BIASBunshi = 0;
    uint16_t ISO = 0;
    uint8_t Metering = 0, ExpPrgm = 0, FLASH = 0, ComCode = 0;
    std::string Comment;
};

struct ExifRec {
    ExifData photodt;
    uint16_t Width = 0, Height = 0;
    uint16_t SubSeqTime = 0;
    uint8_t Orientation = 1;
    uint8_t InfoKind = 0; // 2 read without success, 3 EXIF with JPEG thumbnail
    uint8_t WithError = 0;
    uint16_t thumbofs_r = 0, thumbsize = 0, bodyofs = 0;
    std::string Maker, Model, RsvInfo;
};

inline constexpr size_t kExifBufferSize = 66559;

struct ExifInfo {
    ExifRec Info;
    ExifDate Date;           // DateTimeOriginal
    ExifDate Updated;        // DateTime
    std::vector<uint8_t> bp; // the segment buffer, kExifBufferSize bytes during a read
    size_t blen = kExifBufferSize;
    uint32_t ExFileTime = 0, ExUpdate = 0;
    uint64_t ExFileSize = 0;
    uint8_t ThumbJPEG = 0;
    uint16_t ThumbWd = 0, ThumbHt = 0;
    bool macflag = false; // big-endian TIFF data
    uint16_t size = 0, startofs = 0, ofs = 0, thumbofs = 0, makerofs = 0, makerlen = 0;
    std::array<uint16_t, 64> CanonNote{};
    int32_t cur_ofs = 0, ofs_exifsize = 0, ofs_thumbsize = 0;
    int32_t ofs_orient = -1, ofs_date = -1, ofs_updated = -1, ofs_digitized = -1;
};

struct TIFF_Tag {
    uint16_t tagno = 0; // 0: not usable
    uint16_t format = 0;
    int64_t dtlen = 0;
    int32_t num = 0;
    int32_t value = 0;
    int32_t ofs = 0;
    int32_t bunshi = 0, bunbo = 0;
    std::string moji;
};

// Fills the record; true for a JPEG whose EXIF block carries a JPEG thumbnail.
bool ReadExif(const std::filesystem::path& path, ExifInfo& info);
// The orientation code 1-8 of the EXIF block, or 1 (not a JPEG name, no readable EXIF block
// within the reader's limits, or a code outside 1-8).
int ExifOrientation(const std::filesystem::path& path);
// The orientation code 1-8 of TIFF data as an EXIF block holds it (a byte-order mark first), as
// containers other than JPEG store it; 1 when there is none or it is outside 1-8. Only the first
// 65535 bytes are read, as of a JPEG segment.
int TiffOrientation(std::span<const uint8_t> tiff);
// The clockwise turn of an orientation code: 90 for 6, 180 for 3, 270 for 8. A mirrored code
// (2, 4, 5, 7) is a horizontal mirror followed by its turn (0, 180, 270, 90), which callers that
// can only turn use alone; the engine mirrors as well.
int OrientationAngle(int orientation);
// Whether the code mirrors the picture: 2, 4, 5 and 7.
bool IsMirroredOrientation(int orientation);
// OrientationAngle of the file's ExifOrientation.
int ReadExifAngle(const std::filesystem::path& path);
// The 32-bit packed date and time (two-second steps from 1980) of an EXIF date: the current
// local time when year, month or day is 0, 1 January 2300 for a date that does not exist, and 0
// when the year lies outside 1980-2107.
uint32_t PackedFileTime(const ExifDate& date);
// "YYYY:MM:DD HH:MM:SS", each number stopping at its first non-digit.
ExifDate ParseExifDate(const std::string& text);

} // namespace qor
