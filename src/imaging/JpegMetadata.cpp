#include "imaging/JpegMetadata.h"

#include "imaging/ImageError.h"

#include <cstring>

namespace qor {

namespace {

constexpr uint8_t kSOI = 0xD8, kSOS = 0xDA, kEOI = 0xD9, kAPP0 = 0xE0, kAPP2 = 0xE2,
                  kAPP14 = 0xEE, kTEM = 0x01;

bool StartsWith(std::span<const uint8_t> data, const char* text)
{
    size_t n = std::strlen(text) + 1; // the identifiers end with their zero byte
    return data.size() >= n && std::memcmp(data.data(), text, n) == 0;
}

// APPn segments other than JFIF, the ICC profile and Adobe's colour transform, and comments,
// carry what was said about the photograph; the rest is the picture.
bool IsMetadata(uint8_t marker, std::span<const uint8_t> payload)
{
    if (marker == 0xFE) return true;
    if (marker < kAPP0 || marker > 0xEF) return false;
    if (marker == kAPP0) return !StartsWith(payload, "JFIF") && !StartsWith(payload, "JFXX");
    if (marker == kAPP2) return !StartsWith(payload, "ICC_PROFILE");
    return marker != kAPP14;
}

bool IsStandalone(uint8_t marker)
{
    return marker == kTEM || (marker >= 0xD0 && marker <= 0xD7);
}

// The end of the entropy-coded data that starts at from: the next marker that is neither a
// stuffed zero nor a restart.
size_t EndOfScanData(std::span<const uint8_t> jpeg, size_t from)
{
    size_t at = from;
    while (at + 1 < jpeg.size()) {
        if (jpeg[at] == 0xFF && jpeg[at + 1] != 0x00 && !(jpeg[at + 1] >= 0xD0 && jpeg[at + 1] <= 0xD7))
            return at;
        ++at;
    }
    return jpeg.size();
}

} // namespace

std::vector<uint8_t> WithoutPhotoMetadata(std::span<const uint8_t> jpeg, const std::string& name)
{
    auto damaged = [&] { return EImageError(name + ": the JPEG segments cannot be read"); };
    if (jpeg.size() < 2 || jpeg[0] != 0xFF || jpeg[1] != kSOI) throw damaged();
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    auto copy = [&](size_t from, size_t to) { out.insert(out.end(), jpeg.begin() + from, jpeg.begin() + to); };
    size_t at = 2;
    while (true) {
        if (at == jpeg.size()) return out; // a file cut after its picture data, kept as it is
        if (at + 2 > jpeg.size() || jpeg[at] != 0xFF) throw damaged();
        uint8_t marker = jpeg[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == kEOI) { // what follows (a multi-picture file's other pictures) goes too
            copy(at, at + 2);
            return out;
        }
        if (IsStandalone(marker)) {
            copy(at, at + 2);
            at += 2;
            continue;
        }
        if (at + 4 > jpeg.size()) throw damaged();
        size_t length = size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        if (length < 2 || at + 2 + length > jpeg.size()) throw damaged();
        size_t next = at + 2 + length;
        if (marker == kSOS) {
            next = EndOfScanData(jpeg, next);
            copy(at, next);
        } else if (!IsMetadata(marker, jpeg.subspan(at + 4, length - 2))) {
            copy(at, next);
        }
        at = next;
    }
}

} // namespace qor
