#include "support/CaptionPictures.h"

#include "imaging/Bitmaps.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"

#include <exiv2/exiv2.hpp>

#include <stdexcept>

namespace qortest {

std::filesystem::path WriteCaptionPicture(const std::filesystem::path& path,
                                          const std::map<std::string, std::string>& fields,
                                          bool bigEndianExif)
{
    std::filesystem::create_directories(path.parent_path());
    qor::TBmpScan picture = qor::NewBitmap(16, 12, 24);
    bool saved = path.extension() == ".png" ? qor::SavePng(path, picture, qor::clWhite, false)
                                            : qor::SaveJpeg(path, picture, 90);
    if (!saved) throw std::runtime_error("cannot write " + path.string());
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path.string());
    for (const auto& [key, value] : fields) {
        if (key.starts_with("Xmp.")) {
            image->xmpData()[key] = value;
        } else if (key.starts_with("Iptc.")) {
            image->iptcData()[key] = value;
        } else if (key == "Exif.Photo.UserComment") {
            Exiv2::DataValue raw(Exiv2::undefined);
            raw.read(reinterpret_cast<const Exiv2::byte*>(value.data()), long(value.size()));
            image->exifData().add(Exiv2::ExifKey(key), &raw);
        } else {
            image->exifData()[key] = value;
        }
    }
    image->setByteOrder(bigEndianExif ? Exiv2::bigEndian : Exiv2::littleEndian);
    image->writeMetadata();
    return path;
}

} // namespace qortest
