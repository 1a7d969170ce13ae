// What a JPEG file says about the photograph beyond its picture: EXIF (camera, serial
// numbers, the GPS position, a thumbnail of the uncropped picture), XMP, IPTC, the previews of
// a multi-picture file and comments. A gallery that copies a photograph as it is publishes
// the picture without them; the colour profile and what the decoder needs stay.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qor {

// The same JPEG stream without its metadata segments; throws EImageError (naming the file)
// when the data is not a JPEG stream whose segments can be walked.
std::vector<uint8_t> WithoutPhotoMetadata(std::span<const uint8_t> jpeg, const std::string& name);

} // namespace qor
