#include "gallery/ButtonPicture.h"

#include "imaging/PngCodec.h"
#include "util/TextFile.h"

namespace qor {

TButtonSize MeasureButton(const std::filesystem::path& picture)
{
    std::string bytes = LoadFileBytes(picture);
    TBmpScan decoded =
        DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, picture.string());
    return {decoded.Width(), decoded.Height()};
}

} // namespace qor
