#include "support/CaptionPictures.h"

#include "imaging/Bitmaps.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"
#include "util/TextCodec.h"

#include <exiv2/exiv2.hpp>

#include <stdexcept>

namespace qortest {

namespace {

void SavePicture(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path.parent_path());
    qor::TBmpScan picture = qor::NewBitmap(16, 12, 24);
    bool saved = path.extension() == ".png" ? qor::SavePng(path, picture, qor::clWhite, false)
                                            : qor::SaveJpeg(path, picture, 90);
    if (!saved) throw std::runtime_error("cannot write " + path.string());
}

void SetLangAlt(Exiv2::XmpData& xmp, const char* key, const std::string& text)
{
    if (!text.empty()) xmp[key] = "lang=x-default " + text;
}

void SetText(Exiv2::IptcData& iptc, const char* key, const std::string& text)
{
    if (!text.empty()) iptc[key] = text;
}

} // namespace

std::filesystem::path WriteCaptionPicture(const std::filesystem::path& path,
                                          const TCaptionFields& fields)
{
    SavePicture(path);
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path.string());
    image->readMetadata();
    SetLangAlt(image->xmpData(), "Xmp.dc.title", fields.XmpTitle);
    SetLangAlt(image->xmpData(), "Xmp.dc.description", fields.XmpDescription);
    SetText(image->iptcData(), "Iptc.Application2.Headline", fields.IptcHeadline);
    SetText(image->iptcData(), "Iptc.Application2.Caption", fields.IptcCaption);
    Exiv2::ExifData& exif = image->exifData();
    if (!fields.ExifDescription.empty())
        exif["Exif.Image.ImageDescription"] = fields.ExifDescription;
    if (!fields.UserComment.empty()) {
        Exiv2::DataValue raw(Exiv2::undefined);
        raw.read(reinterpret_cast<const Exiv2::byte*>(fields.UserComment.data()),
                 static_cast<long>(fields.UserComment.size()));
        exif.add(Exiv2::ExifKey("Exif.Photo.UserComment"), &raw);
    }
    image->setByteOrder(fields.BigEndian ? Exiv2::bigEndian : Exiv2::littleEndian);
    image->writeMetadata();
    return path;
}

std::string UserCommentBytes(const std::string& prefix, const std::string& text, bool bigEndian)
{
    std::string bytes = prefix;
    bytes.resize(8, '\0');
    if (prefix != "UNICODE") return bytes + text;
    for (char16_t unit : qor::Utf8ToUtf16(text)) {
        char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace qortest
