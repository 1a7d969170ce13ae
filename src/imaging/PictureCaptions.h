// The title and description that a photo manager wrote into a picture file, for the texts of
// a picture added to a gallery. Read with exiv2, which knows JPEG, PNG, WebP, TIFF and more;
// a file of another kind, a damaged one or one that is not a regular file gives no texts.
//
// First found wins, each text on its own:
//   Title:       XMP dc:title, IPTC Headline;
//   Description: XMP dc:description, IPTC Caption-Abstract, EXIF ImageDescription, EXIF
//                UserComment (its ASCII, UNICODE or undefined text; a JIS one is skipped).
// An XMP alternative-language text gives its x-default version, else its first one. Texts are
// taken as UTF-8, as today's writers store them (a byte that does not decode becomes U+FFFD),
// and trimmed of spaces, line breaks and NULs; camera boilerplate in the EXIF texts (see
// IsCameraBoilerplate) counts as no text. Line breaks stay in the description, and the
// title's become spaces. Control characters other than tabs and line breaks are dropped, so
// that a text fits the project file as a typed one does.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qor {

struct TPictureCaptions {
    std::string Title;
    std::string Description;
};

// Never throws; exiv2's own messages are silenced.
TPictureCaptions ReadPictureCaptions(const std::filesystem::path& path);

// Whether an EXIF text is what a camera writes by itself: a text of spaces and NULs, a
// maker's fixed phrase ("OLYMPUS DIGITAL CAMERA", "SONY DSC"...) or a folder name of the
// memory card ("DCIM..."), in any case.
bool IsCameraBoilerplate(std::string_view text);

} // namespace qor
