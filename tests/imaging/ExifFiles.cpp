#include "ExifFiles.h"

#include "imaging/JpegCodec.h"
#include "support/TempDir.h"

namespace qortest {

std::string TExifBuilder::Number(uint32_t value, int bytes) const
{
    std::string out(static_cast<size_t>(bytes), '\0');
    for (int i = 0; i < bytes; ++i) {
        uint8_t b = static_cast<uint8_t>(value >> (8 * i));
        out[static_cast<size_t>(FBig ? bytes - 1 - i : i)] = static_cast<char>(b);
    }
    return out;
}

TExifEntry TExifBuilder::Short(uint16_t tag, uint16_t value) const
{
    return {tag, 3, 1, Number(value, 2)};
}

TExifEntry TExifBuilder::Long(uint16_t tag, uint32_t value) const
{
    return {tag, 4, 1, Number(value, 4)};
}

TExifEntry TExifBuilder::Ascii(uint16_t tag, const std::string& text) const
{
    return {tag, 2, static_cast<uint32_t>(text.size() + 1), text + std::string(1, '\0')};
}

TExifEntry TExifBuilder::Rational(uint16_t tag, uint32_t numerator, uint32_t denominator) const
{
    return {tag, 5, 1, Number(numerator, 4) + Number(denominator, 4)};
}

TExifEntry TExifBuilder::Undefined(uint16_t tag, const std::string& bytes) const
{
    return {tag, 7, static_cast<uint32_t>(bytes.size()), bytes};
}

namespace {

size_t DirectorySize(size_t entries)
{
    return entries == 0 ? 0 : 2 + 12 * entries + 4;
}

} // namespace

uint32_t TExifBuilder::DataOffsetBase() const
{
    size_t ifd0 = Ifd0.size() + (ExifIfd.empty() ? 0 : 1);
    return static_cast<uint32_t>(8 + DirectorySize(ifd0) + DirectorySize(ExifIfd.size()) +
                                 DirectorySize(Ifd1.size()));
}

uint32_t TExifBuilder::AddData(const std::string& bytes)
{
    FExtraData += bytes;
    return static_cast<uint32_t>(FExtraData.size() - bytes.size());
}

std::string TExifBuilder::Tiff() const
{
    std::vector<TExifEntry> ifd0 = Ifd0;
    uint32_t ifd0At = 8;
    uint32_t exifAt =
        ifd0At + static_cast<uint32_t>(DirectorySize(ifd0.size() + (ExifIfd.empty() ? 0 : 1)));
    uint32_t ifd1At = exifAt + static_cast<uint32_t>(DirectorySize(ExifIfd.size()));
    if (!ExifIfd.empty()) ifd0.push_back(Long(34665, exifAt));
    // Extra data first, so offsets answered by AddData stay put; entry data follows.
    std::string data = FExtraData;
    uint32_t dataBase = DataOffsetBase();
    auto directory = [&](const std::vector<TExifEntry>& entries, uint32_t next) {
        if (entries.empty()) return std::string();
        std::string out = Number(static_cast<uint32_t>(entries.size()), 2);
        for (const TExifEntry& e : entries) {
            out += Number(e.tag, 2) + Number(e.type, 2) + Number(e.count, 4);
            if (e.data.size() <= 4) {
                out += e.data + std::string(4 - e.data.size(), '\0');
            } else {
                out += Number(dataBase + static_cast<uint32_t>(data.size()), 4);
                data += e.data;
            }
        }
        return out + Number(next, 4);
    };
    std::string header = (FBig ? "MM" : "II") + Number(42, 2) + Number(ifd0At, 4);
    std::string d0 = directory(ifd0, Ifd1.empty() ? 0 : ifd1At);
    std::string dExif = directory(ExifIfd, 0);
    std::string d1 = directory(Ifd1, 0);
    return header + d0 + dExif + d1 + data;
}

std::string JpegWithExif(const std::string& tiff, const qor::TBmpScan& picture, int app0Length)
{
    TempDir dir;
    qor::SaveJpeg(dir / "p.jpg", picture, 90);
    std::string jpeg = ReadAll(dir / "p.jpg");
    // The encoder writes its own JFIF APP0 after SOI; keep only what follows it.
    size_t afterApp0 = 2 + 2 + (uint8_t(jpeg[4]) << 8 | uint8_t(jpeg[5]));
    std::string out = "\xFF\xD8";
    if (app0Length > 0) {
        std::string app0 = "\xFF\xE0";
        app0 += static_cast<char>(app0Length >> 8);
        app0 += static_cast<char>(app0Length & 0xFF);
        app0 += std::string("JFIF\0", 5);
        app0 += std::string(static_cast<size_t>(app0Length - 7), '\0');
        out += app0;
    }
    size_t length = 2 + 6 + tiff.size();
    out += "\xFF\xE1";
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(length & 0xFF);
    out += std::string("Exif\0\0", 6) + tiff;
    return out + jpeg.substr(afterApp0);
}

std::string CameraJpeg(const qor::TBmpScan& picture, int orientation, bool withThumbnail,
                       bool bigEndian)
{
    TExifBuilder b(bigEndian);
    b.Ifd0 = {b.Ascii(271, "Canon"), b.Ascii(272, "Canon EOS 5D"),
              b.Short(274, static_cast<uint16_t>(orientation)),
              b.Ascii(306, "2008:01:02 03:04:05")};
    b.ExifIfd = {b.Ascii(36867, "2007:12:31 23:59:58")};
    if (withThumbnail) b.Ifd1 = {b.Short(259, 6), b.Long(513, 300), b.Long(514, 1000)};
    return JpegWithExif(b.Tiff(), picture, 16);
}

} // namespace qortest
