#include "imaging/PictureFiles.h"

#include "imaging/BmpCodec.h"
#include "imaging/EmbeddedPictures.h"
#include "imaging/GifCodec.h"
#include "imaging/HeifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"
#include "imaging/WebpCodec.h"
#include "util/TextCodec.h"
#include "util/XEComFile.h"
#include "util/LocalText.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <memory>

namespace qor {

namespace {

constexpr uintmax_t kMaxFileBytes = uintmax_t(1) << 30;

TBmpScan DecodeJpegFull(std::span<const uint8_t> data, const std::string& name)
{
    return DecodeJpeg(data, name);
}

struct TDecoderEntry {
    std::string_view extension;
    TPictureDecoder decode;
};

constexpr std::array<TDecoderEntry, 10> kDecoders = {{{".jpg", DecodeJpegFull},
                                                      {".jpeg", DecodeJpegFull},
                                                      {".jpe", DecodeJpegFull},
                                                      {".png", DecodePng},
                                                      {".gif", DecodeGif},
                                                      {".bmp", DecodeBmp},
                                                      {".heic", DecodeHeif},
                                                      {".heif", DecodeHeif},
                                                      {".avif", DecodeHeif},
                                                      {".webp", DecodeWebp}}};

} // namespace

TPictureDecoder DecoderForExtension(std::string_view extension)
{
    std::string lower = AsciiLower(extension);
    for (const TDecoderEntry& entry : kDecoders)
        if (entry.extension == lower) return entry.decode;
    return nullptr;
}

bool IsJpegFileName(const std::filesystem::path& path)
{
    return DecoderForExtension(path.extension().string()) == DecodeJpegFull;
}

std::vector<uint8_t> ReadPictureFile(const std::filesystem::path& path)
{
    TFilePtr file = OpenRegularFile(path);
    if (!file) throw EImageError(LocalFormat("%s: cannot open the file", {path.string()}));
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) != 0)
        throw EImageError(LocalFormat("%s: cannot read the file", {path.string()}));
    uintmax_t size = static_cast<uintmax_t>(info.st_size);
    if (size > kMaxFileBytes) throw EImageError(LocalFormat("%s: the file is too large", {path.string()}));
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw EImageError(LocalFormat("%s: cannot read the file", {path.string()}));
    return bytes;
}

TBmpScan LoadPicture(const std::filesystem::path& path)
{
    if (path.empty()) return {};
    TPictureDecoder decode = DecoderForExtension(path.extension().string());
    if (!decode) throw EImageError(LocalFormat("%s: unsupported picture format", {path.string()}));
    std::vector<uint8_t> bytes = ReadPictureFile(path);
    return decode(bytes, path.string());
}

TBmpScan LoadJpegScaled(const std::filesystem::path& path, int32_t& width, int32_t& height)
{
    std::vector<uint8_t> bytes = ReadPictureFile(path);
    TJpegDecodeOptions options{8, true};
    TBmpScan picture = DecodeJpeg(bytes, path.string(), options);
    int64_t full = int64_t(picture.Width()) * 8;
    if (picture.Width() < width && picture.Height() < height) {
        int64_t w = width;
        options.ScaleDenominator = 2 * w > full ? 1 : 4 * w >= full ? 2 : 8 * w >= full ? 4 : 8;
        if (options.ScaleDenominator != 8) picture = DecodeJpeg(bytes, path.string(), options);
    }
    width = picture.Width() * options.ScaleDenominator;
    height = picture.Height() * options.ScaleDenominator;
    return picture;
}

TBmpScan LoadResourcePicture(std::string_view name, std::string_view extension)
{
    std::span<const uint8_t> data = EmbeddedPicture(name);
    if (data.empty()) throw EImageError("no embedded picture named " + std::string(name));
    std::string lower = AsciiLower(extension);
    if (lower != ".png" && lower != ".jpg" && lower != ".gif" && lower != ".bmp") return {};
    return DecoderForExtension(lower)(data, std::string(name));
}

} // namespace qor
