// Small pictures carrying the captions a photo manager writes, made with exiv2's writer for
// the tests of reading them back. Each field left empty is not written.
#pragma once

#include <filesystem>
#include <string>

namespace qortest {

struct TCaptionFields {
    std::string XmpTitle;       // dc:title, as its x-default text
    std::string XmpDescription; // dc:description, as its x-default text
    std::string IptcHeadline;
    std::string IptcCaption;     // Caption-Abstract
    std::string ExifDescription; // ImageDescription
    std::string UserComment;     // the raw value: the 8-byte charset prefix, then the text
    bool BigEndian = false;      // the byte order of the EXIF block
};

// Writes a 16 × 12 picture at path (PNG when it ends in ".png", else JPEG; its folder made) and
// then the fields into it; answers path.
std::filesystem::path WriteCaptionPicture(const std::filesystem::path& path,
                                          const TCaptionFields& fields);

// A UserComment value: prefix ("ASCII", "UNICODE" or "" for undefined) padded with NULs to 8
// bytes, then the UTF-8 text as it is, or for UNICODE as UTF-16 in the given byte order.
std::string UserCommentBytes(const std::string& prefix, const std::string& text, bool bigEndian);

} // namespace qortest
