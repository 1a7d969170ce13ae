#include "imaging/XEExif.h"

#include "imaging/PictureFiles.h"
#include "util/TextCodec.h"
#include "util/XEComFile.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>

namespace qor {

namespace {

// Text up to its first NUL, trailing spaces removed.
std::string CleanText(const std::string& text)
{
    std::string cut = text.substr(0, text.find('\0'));
    while (!cut.empty() && cut.back() == ' ')
        cut.pop_back();
    return cut;
}

// The decimal number at the start of a text; 999 for 999 or more.
uint16_t SubSecond(const std::string& text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), 999);
    }
    return static_cast<uint16_t>(value);
}

// The segment read from the file, with checked numbers in the TIFF data's byte order.
class TTiffData {
public:
    TTiffData(ExifInfo& info) : FInfo(info) {}

    std::optional<uint32_t> Number(int64_t at, int bytes) const
    {
        if (at < 0 || at + bytes > FInfo.size) return std::nullopt;
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            uint8_t b = FInfo.bp[static_cast<size_t>(at + (FInfo.macflag ? i : bytes - 1 - i))];
            value = (value << 8) | b;
        }
        return static_cast<uint32_t>(value);
    }
    uint32_t NumberOr0(int64_t at, int bytes) const { return Number(at, bytes).value_or(0); }
    std::optional<std::string> Bytes(int64_t at, int64_t length) const
    {
        if (at < 0 || length < 0 || at + length > FInfo.size) return std::nullopt;
        return std::string(reinterpret_cast<const char*>(FInfo.bp.data()) + at,
                           static_cast<size_t>(length));
    }

    TIFF_Tag Entry(int64_t e) const
    {
        TIFF_Tag tag;
        auto tagno = Number(e, 2), format = Number(e + 2, 2), num = Number(e + 4, 4),
             value = Number(e + 8, 4);
        if (!tagno || !format || !num || !value) return {};
        tag.tagno = static_cast<uint16_t>(*tagno);
        tag.format = static_cast<uint16_t>(*format);
        tag.num = static_cast<int32_t>(*num);
        tag.value = static_cast<int32_t>(*value);
        if (tag.format == 0 || tag.format > 12) return Unusable(tag);
        static constexpr int kTypeSize[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
        tag.dtlen = int64_t(tag.num) * kTypeSize[tag.format];
        if (tag.dtlen > 4) tag.ofs = tag.value;
        switch (tag.format) {
        case 2:
            if (tag.dtlen >= 32768) break;
            if (!Take(tag.moji, Bytes(tag.dtlen <= 4 ? e + 8 : tag.ofs, tag.dtlen)))
                return Unusable(tag);
            break;
        case 3:
        case 8:
            tag.value = static_cast<int32_t>(NumberOr0(e + 8, 2));
            break;
        case 5:
        case 10: {
            auto top = Number(tag.ofs, 4), bottom = Number(int64_t(tag.ofs) + 4, 4);
            if (!top || !bottom) return Unusable(tag);
            tag.bunshi = static_cast<int32_t>(*top), tag.bunbo = static_cast<int32_t>(*bottom);
            break;
        }
        case 7:
            if (!Take(tag.moji, Bytes(tag.ofs, tag.dtlen))) return Unusable(tag);
            break;
        default:
            break;
        }
        return tag;
    }

    // The usable entries of the directory at an offset (none for an offset of 0 or less).
    template <typename F> int64_t ForEachEntry(int64_t directory, F f) const
    {
        if (directory <= 0) return 0;
        auto count = Number(directory, 2);
        if (!count) return 0;
        for (uint32_t i = 0; i < *count; ++i) {
            TIFF_Tag tag = Entry(directory + 2 + 12 * int64_t(i));
            if (tag.tagno != 0) f(tag, directory + 2 + 12 * int64_t(i));
        }
        return directory + 2 + 12 * int64_t(*count);
    }

private:
    static TIFF_Tag Unusable(TIFF_Tag tag)
    {
        tag.tagno = 0;
        return tag;
    }
    static bool Take(std::string& to, std::optional<std::string> from)
    {
        if (!from) return false;
        to = std::move(*from);
        return true;
    }

    ExifInfo& FInfo;
};

void ReadIfd0(const TTiffData& tiff, ExifInfo& info, int64_t& exifDirectory, int64_t& ifd1)
{
    ExifRec& rec = info.Info;
    int64_t ifd0 = static_cast<int32_t>(tiff.NumberOr0(4, 4));
    int64_t end = tiff.ForEachEntry(ifd0, [&](const TIFF_Tag& tag, int64_t at) {
        switch (tag.tagno) {
        case 271:
            rec.Maker = CleanText(tag.moji), rec.photodt.Valid.Add(sdtMaker);
            break;
        case 272:
            rec.Model = CleanText(tag.moji), rec.photodt.Valid.Add(sdtModel);
            break;
        case 274:
            rec.Orientation = static_cast<uint8_t>(tag.value),
            info.ofs_orient = static_cast<int32_t>(at + 8);
            break;
        case 306:
            info.ofs_updated = tag.value, info.Updated = ParseExifDate(tag.moji);
            rec.photodt.Valid.Add(sdtUpdated);
            break;
        case 34665:
            exifDirectory = tag.value;
            break;
        }
    });
    ifd1 = end > 0 ? static_cast<int32_t>(tiff.NumberOr0(end, 4)) : 0;
}

void AppendComment(const TIFF_Tag& tag, ExifData& data)
{
    if (tag.dtlen <= 8) return;
    data.ComCode = static_cast<uint8_t>(tag.moji[0]);
    char code = static_cast<char>(data.ComCode);
    if (tag.moji[8] == 0 || (code != 0 && code != 'A' && code != 'J' && code != 'U')) return;
    for (size_t i = 8; i < tag.moji.size() && tag.moji[i] != 0; ++i) {
        char c = tag.moji[i];
        if (c == '\n') continue;
        if (c == '\r') {
            data.Comment += '\x17';
            if (i + 1 < tag.moji.size() && tag.moji[i + 1] == '\n') ++i;
            continue;
        }
        data.Comment += c;
    }
}

void ReadExifDirectory(const TTiffData& tiff, ExifInfo& info, int64_t directory)
{
    ExifRec& rec = info.Info;
    ExifData& d = rec.photodt;
    tiff.ForEachEntry(directory, [&](const TIFF_Tag& tag, int64_t) {
        switch (tag.tagno) {
        case 33434:
            d.ExpBunshi = tag.bunshi, d.ExpBunbo = tag.bunbo, d.Valid.Add(sdtExpose);
            break;
        case 33437:
            d.FBunshi = static_cast<uint16_t>(tag.bunshi),
            d.FBunbo = static_cast<uint16_t>(tag.bunbo);
            d.Valid.Add(sdtFNumber);
            break;
        case 34850:
            d.ExpPrgm = static_cast<uint8_t>(tag.value & 15), d.Valid.Add(sdtExpPrgm);
            break;
        case 34855:
            d.ISO = static_cast<uint16_t>(tag.value), d.Valid.Add(sdtISO);
            break;
        case 36867:
            info.ofs_date = tag.value, info.Date = ParseExifDate(tag.moji), d.Valid.Add(sdtDate);
            break;
        case 36868:
            info.ofs_digitized = tag.value;
            break;
        case 37380:
            d.BIASBunshi = static_cast<int16_t>(tag.bunshi),
            d.BIASBunbo = static_cast<int16_t>(tag.bunbo);
            d.Valid.Add(sdtExpBIAS);
            break;
        case 37383:
            d.Metering = static_cast<uint8_t>(tag.value), d.Valid.Add(sdtMetering);
            break;
        case 37385:
            d.FLASH = static_cast<uint8_t>(tag.value), d.Valid.Add(sdtFlash);
            break;
        case 37386:
            d.FocalBunshi = static_cast<uint16_t>(tag.bunshi),
            d.FocalBunbo = static_cast<uint16_t>(tag.bunbo);
            d.Valid.Add(sdtFocal);
            break;
        case 37500:
            info.makerofs = static_cast<uint16_t>(tag.ofs),
            info.makerlen = static_cast<uint16_t>(tag.dtlen);
            d.MakerNote.clear();
            break;
        case 37510:
            AppendComment(tag, d);
            break;
        case 37520:
        case 37521:
        case 37522:
            if (rec.SubSeqTime == 0) rec.SubSeqTime = SubSecond(tag.moji);
            break;
        case 40962:
            rec.Width = static_cast<uint16_t>(tag.value);
            break;
        case 40963:
            rec.Height = static_cast<uint16_t>(tag.value);
            break;
        }
    });
}

uint16_t CanonIso(int k)
{
    switch (k) {
    case 14:
        return 1;
    case 15:
        return 2;
    case 16:
        return 50;
    case 17:
        return 100;
    case 18:
        return 200;
    case 19:
        return 400;
    default:
        return k >= 16385 ? static_cast<uint16_t>(k - 16384) : 0;
    }
}

void ReadCanonNote(const TTiffData& tiff, ExifInfo& info)
{
    int64_t n = tiff.NumberOr0(info.makerofs, 2);
    if (12 * n - 12 > int64_t(info.blen)) n = int64_t(info.blen) / 12;
    std::optional<TIFF_Tag> settings;
    for (int64_t i = 0; i < std::min<int64_t>(n, 100) && !settings; ++i) {
        TIFF_Tag tag = tiff.Entry(int64_t(info.makerofs) + 2 + 12 * i);
        if (tag.tagno == 1) settings = tag;
    }
    if (!settings) return;
    info.CanonNote.fill(0);
    int64_t length = std::min<int64_t>(settings->dtlen, 126);
    if (length <= 0 || settings->ofs + length > 66558) return;
    auto bytes = tiff.Bytes(settings->ofs, length);
    if (!bytes) return;
    for (int64_t i = 0; i < length; ++i) {
        uint16_t& word = info.CanonNote[static_cast<size_t>(i / 2)];
        word = static_cast<uint16_t>(word | uint8_t((*bytes)[static_cast<size_t>(i)])
                                                << (i % 2 ? 8 : 0));
    }
    uint16_t iso = CanonIso(info.CanonNote[16]);
    if (iso != 0) info.Info.photodt.ISO = iso, info.Info.photodt.Valid.Add(sdtISO);
}

void ReadThumbnailDirectory(const TTiffData& tiff, ExifInfo& info, int64_t ifd1)
{
    ExifRec& rec = info.Info;
    info.ThumbJPEG = 0;
    rec.thumbsize = 0;
    if (ifd1 <= 0) return;
    tiff.ForEachEntry(ifd1, [&](const TIFF_Tag& tag, int64_t) {
        switch (tag.tagno) {
        case 259:
            info.ThumbJPEG = tag.value == 6 || tag.value == 393216 ? 6
                             : tag.value == 1 || tag.value == 65536
                                 ? 1
                                 : static_cast<uint8_t>(tag.value);
            break;
        case 513:
            info.thumbofs = static_cast<uint16_t>(tag.value);
            break;
        case 514:
            rec.thumbsize = static_cast<uint16_t>(tag.value);
            break;
        }
    });
    if (rec.thumbsize > 0) rec.thumbofs_r = static_cast<uint16_t>(info.startofs + info.thumbofs);
    if (!rec.photodt.Valid.Has(sdtISO) && info.makerlen > 0 &&
        AsciiLower(rec.Maker).starts_with("canon"))
        ReadCanonNote(tiff, info);
}

void ParseTiff(ExifInfo& info)
{
    info.Info.photodt.Valid = {};
    info.makerlen = 0;
    TTiffData tiff(info);
    int64_t exifDirectory = 0, ifd1 = 0;
    ReadIfd0(tiff, info, exifDirectory, ifd1);
    ExifData& d = info.Info.photodt;
    d.ExpBunshi = d.FBunshi = d.BIASBunshi = d.FocalBunshi = 0;
    d.ExpBunbo = d.FBunbo = d.BIASBunbo = d.FocalBunbo = 1;
    info.Info.SubSeqTime = 0;
    if (exifDirectory > 0) ReadExifDirectory(tiff, info, exifDirectory);
    ReadThumbnailDirectory(tiff, info, ifd1);
}

void ResetRecord(ExifInfo& info)
{
    ExifRec& rec = info.Info;
    rec.InfoKind = rec.WithError = 0;
    rec.SubSeqTime = rec.thumbofs_r = rec.thumbsize = 0;
    info.ThumbJPEG = 0;
    rec.photodt.Valid = {};
    rec.photodt.ExpPrgm = 0;
    info.ExFileTime = info.ExUpdate = 0;
    info.macflag = false;
    info.size = info.startofs = info.thumbofs = info.ofs = 0;
    info.cur_ofs = info.ofs_exifsize = 0;
    rec.photodt.ExpBunshi = 0;
    rec.Orientation = 1;
    rec.photodt.ExpBunbo = 1;
    info.ofs_orient = info.ofs_date = info.ofs_updated = -1;
    rec.Maker.clear(), rec.Model.clear(), rec.RsvInfo.clear();
    rec.photodt.MakerNote.clear(), rec.photodt.Comment.clear();
    info.Date = info.Updated = ExifDate{};
}

// The header check on the first 256 bytes: start of image, APP1 within the first 64 bytes,
// "Exif", a byte order mark.
bool CheckHeader(ExifInfo& info)
{
    const std::vector<uint8_t>& b = info.bp;
    if (b[0] != 0xFF || b[1] != 0xD8) return false;
    size_t a = 0;
    for (size_t i = 0; i < 64 && !a; ++i)
        if (b[i] == 0xFF && b[i + 1] == 0xE1) a = i;
    if (a == 0) return false;
    info.size = static_cast<uint16_t>(b[a + 2] << 8 | b[a + 3]);
    if (b[a + 4] != 'E' || b[a + 5] != 'x' || b[a + 6] != 'i' || b[a + 7] != 'f') return false;
    info.startofs = static_cast<uint16_t>(a + 10);
    if (b[info.startofs] == 'M' && b[info.startofs + 1] == 'M')
        info.macflag = true;
    else if (b[info.startofs] == 'I' && b[info.startofs + 1] == 'I')
        info.macflag = false;
    else
        return false;
    return true;
}

bool DaysExist(const ExifDate& d)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.month < 1 || d.month > 12 || d.day < 1) return false;
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    int days = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
    return d.day <= days && d.hour < 24 && d.minute < 60 && d.second < 60;
}

uint32_t Pack(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1980 || year > 2107) return 0;
    return uint32_t(year - 1980) << 25 | uint32_t(month) << 21 | uint32_t(day) << 16 |
           uint32_t(hour) << 11 | uint32_t(minute) << 5 | uint32_t(second / 2);
}

} // namespace

ExifDate ParseExifDate(const std::string& text)
{
    auto number = [&](size_t at, size_t digits) {
        int value = 0;
        for (size_t i = at;
             i < std::min(text.size(), at + digits) && text[i] >= '0' && text[i] <= '9'; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    ExifDate date;
    date.year = static_cast<uint16_t>(number(0, 4));
    date.month = static_cast<uint8_t>(number(5, 2));
    date.day = static_cast<uint8_t>(number(8, 2));
    date.hour = static_cast<uint8_t>(number(11, 2));
    date.minute = static_cast<uint8_t>(number(14, 2));
    date.second = static_cast<uint8_t>(number(17, 2));
    return date;
}

uint32_t PackedFileTime(const ExifDate& date)
{
    if (date.year == 0 || date.month == 0 || date.day == 0) {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return Pack(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec);
    }
    if (!DaysExist(date)) return Pack(2300, 1, 1, 0, 0, 0);
    return Pack(date.year, date.month, date.day, date.hour, date.minute, date.second);
}

namespace {

// ReadExif's steps; parsed tells whether the TIFF data of the segment was read at all.
bool ReadExifRecord(const std::filesystem::path& path, ExifInfo& info, bool& parsed)
{
    parsed = false;
    ResetRecord(info);
    if (!IsJpegFileName(path)) return false;
    TFilePtr file = OpenRegularFile(path);
    if (!file) {
        info.Info.WithError = 1;
        return false;
    }
    info.bp.assign(info.blen, 0);
    bool success = false;
    if (std::fread(info.bp.data(), 1, 256, file.get()) == 256 && CheckHeader(info)) {
        info.Info.bodyofs = static_cast<uint16_t>(info.startofs + info.size - 8);
        if (std::fseek(file.get(), info.startofs, SEEK_SET) != 0) {
            info.Info.WithError = 1;
            return false;
        }
        parsed = std::fread(info.bp.data(), 1, info.size, file.get()) == info.size;
        if (parsed) ParseTiff(info);
        if (info.Info.thumbsize > 0 && info.ThumbJPEG == 6) {
            info.Info.InfoKind = 3;
            info.Info.photodt.Valid.Add(sdtExif);
            info.ExFileTime = PackedFileTime(info.Date);
            info.ExUpdate = PackedFileTime(info.Updated);
            success = true;
        }
    }
    if (info.Info.InfoKind != 3) info.Info.InfoKind = 2;
    std::error_code error;
    info.ExFileSize = std::filesystem::file_size(path, error);
    return success;
}

} // namespace

bool ReadExif(const std::filesystem::path& path, ExifInfo& info)
{
    bool parsed;
    return ReadExifRecord(path, info, parsed);
}

namespace {

int UsableOrientation(int orientation)
{
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

} // namespace

int ExifOrientation(const std::filesystem::path& path)
{
    ExifInfo info;
    bool parsed;
    ReadExifRecord(path, info, parsed);
    return parsed ? UsableOrientation(info.Info.Orientation) : 1;
}

int TiffOrientation(std::span<const uint8_t> tiff)
{
    ExifInfo info;
    ResetRecord(info);
    info.bp.assign(info.blen, 0);
    size_t size = std::min(tiff.size(), size_t(UINT16_MAX));
    std::copy_n(tiff.begin(), size, info.bp.begin());
    info.size = static_cast<uint16_t>(size);
    if (size < 8 || tiff[0] != tiff[1] || (tiff[0] != 'M' && tiff[0] != 'I')) return 1;
    info.macflag = tiff[0] == 'M';
    ParseTiff(info);
    return UsableOrientation(info.Info.Orientation);
}

bool IsMirroredOrientation(int orientation)
{
    return orientation == 2 || orientation == 4 || orientation == 5 || orientation == 7;
}

int OrientationAngle(int orientation)
{
    switch (orientation) {
    case 3:
    case 4:
        return 180;
    case 6:
    case 7:
        return 90;
    case 5:
    case 8:
        return 270;
    default:
        return 0;
    }
}

int ReadExifAngle(const std::filesystem::path& path)
{
    return OrientationAngle(ExifOrientation(path));
}

} // namespace qor
