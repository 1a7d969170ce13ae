#include "imaging/PictureCaptions.h"

#include "util/TextCodec.h"

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <array>
#include <mutex>

namespace qor {

namespace {

// Fixed phrases cameras put into ImageDescription or UserComment, compared in upper case.
constexpr std::array<std::string_view, 8> kCameraPhrases = {
    "OLYMPUS DIGITAL CAMERA", "SONY DSC",       "KONICA MINOLTA DIGITAL CAMERA",
    "MINOLTA DIGITAL CAMERA", "DIGITAL CAMERA", "SAMSUNG CAMERA PICTURES",
    "EXIF_JPEG_PICTURE",      "DEFAULT"};

bool IsTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

// Valid UTF-8 (a byte that does not decode becomes U+FFFD) without control characters other
// than tabs and line breaks, which would break the picture's attribute line; the title's line
// breaks become spaces.
std::string CleanText(std::string_view raw, bool oneLine)
{
    std::string text = Utf16ToUtf8(Utf8ToUtf16(Trim(raw)));
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        bool lineBreak = c == '\r' || c == '\n';
        if (oneLine && lineBreak)
            clean += ' ';
        else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || lineBreak)
            clean += c;
    }
    return clean;
}

std::string XmpText(const Exiv2::XmpData& xmp, const char* key)
{
    auto it = xmp.findKey(Exiv2::XmpKey(key));
    if (it == xmp.end()) return {};
    if (const auto* langAlt = dynamic_cast<const Exiv2::LangAltValue*>(&it->value())) {
        if (langAlt->value_.empty()) return {};
        auto chosen = langAlt->value_.find("x-default");
        return chosen != langAlt->value_.end() ? chosen->second : langAlt->value_.begin()->second;
    }
    return it->toString();
}

std::string IptcText(const Exiv2::IptcData& iptc, const char* key)
{
    auto it = iptc.findKey(Exiv2::IptcKey(key));
    return it == iptc.end() ? std::string() : it->toString();
}

std::string ExifDescription(const Exiv2::ExifData& exif)
{
    auto it = exif.findKey(Exiv2::ExifKey("Exif.Image.ImageDescription"));
    return it == exif.end() ? std::string() : it->toString();
}

// The comment after its 8-byte charset prefix, decoded to UTF-8 by exiv2 (UNICODE in the byte
// order of the file's EXIF block); JIS text is not decoded, so it gives nothing.
std::string ExifUserComment(const Exiv2::ExifData& exif)
{
    auto it = exif.findKey(Exiv2::ExifKey("Exif.Photo.UserComment"));
    if (it == exif.end()) return {};
    const auto* comment = dynamic_cast<const Exiv2::CommentValue*>(&it->value());
    if (!comment || comment->charsetId() == Exiv2::CommentValue::jis) return {};
    return comment->comment();
}

std::string ExifText(const std::string& text)
{
    return IsCameraBoilerplate(text) ? std::string() : text;
}

// The first candidate that is not empty once cleaned.
template <size_t N>
std::string FirstText(const std::array<std::string, N>& candidates, bool oneLine)
{
    for (const std::string& candidate : candidates) {
        std::string text = CleanText(candidate, oneLine);
        if (!text.empty()) return text;
    }
    return {};
}

TPictureCaptions CaptionsOf(Exiv2::Image& image)
{
    const Exiv2::XmpData& xmp = image.xmpData();
    const Exiv2::IptcData& iptc = image.iptcData();
    const Exiv2::ExifData& exif = image.exifData();
    TPictureCaptions captions;
    captions.Title = FirstText(
        std::array{XmpText(xmp, "Xmp.dc.title"), IptcText(iptc, "Iptc.Application2.Headline")},
        true);
    captions.Description = FirstText(
        std::array{XmpText(xmp, "Xmp.dc.description"), IptcText(iptc, "Iptc.Application2.Caption"),
                   ExifText(ExifDescription(exif)), ExifText(ExifUserComment(exif))},
        false);
    return captions;
}

void SilenceExiv2()
{
    static std::once_flag silenced;
    std::call_once(silenced, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
}

} // namespace

bool IsCameraBoilerplate(std::string_view text)
{
    std::string upper(Trim(text));
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    if (upper.empty() || upper.starts_with("DCIM")) return true;
    return std::find(kCameraPhrases.begin(), kCameraPhrases.end(), upper) != kCameraPhrases.end();
}

TPictureCaptions ReadPictureCaptions(const std::filesystem::path& path)
{
    // exiv2 opens by name and reads at once: a pipe or device would make it wait forever.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    SilenceExiv2();
    try {
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path.string());
        image->readMetadata();
        return CaptionsOf(*image);
    } catch (const std::exception&) {
        // Exiv2::AnyError for a damaged or unknown file, or a standard error exiv2 let
        // through: such a file simply carries no captions.
        return {};
    }
}

} // namespace qor
