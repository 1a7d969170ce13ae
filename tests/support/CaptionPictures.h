// Small pictures carrying the captions a photo manager writes, made with exiv2's writer.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace qortest {

// Writes a 16 × 12 picture at path (PNG for ".png", else JPEG; its folder made), then each
// field: an exiv2 key ("Xmp.dc.title", "Iptc.Application2.Caption", "Exif.Image.Make") with
// its value in exiv2's text form ("lang=x-default Harbour" for XMP), except
// "Exif.Photo.UserComment", given as its raw bytes. Answers path.
std::filesystem::path WriteCaptionPicture(const std::filesystem::path& path,
                                          const std::map<std::string, std::string>& fields,
                                          bool bigEndianExif = false);

} // namespace qortest
