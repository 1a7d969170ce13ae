#include "gallery/ButtonPicture.h"

#include "imaging/PictureFiles.h"

namespace qor {

TButtonSize MeasureButton(const std::filesystem::path& picture)
{
    TBmpScan decoded = LoadPicture(picture);
    return {decoded.Width(), decoded.Height()};
}

} // namespace qor
