#include "cli/CommandLine.h"
#include "imaging/JpegCodec.h"
#include "imaging/PngCodec.h"
#include "imaging/XEResize.h"
#include "util/TextCodec.h"
#include "util/LocalText.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace qor {

namespace {

// Integers separated by one character, all of the text used.
std::vector<int> Integers(const std::string& text, char separator, size_t count, const char* what)
{
    std::vector<int> values;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (values.size() < count) {
        int value = 0;
        auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc()) break;
        values.push_back(value);
        at = next;
        if (values.size() < count && (at == end || *at++ != separator)) break;
    }
    if (values.size() != count || at != end)
        throw EUsageError(LocalFormat("bad %s: %s", {what, text}));
    return values;
}

bool EndsWithPng(const std::string& name)
{
    return name.size() >= 4 && AsciiLower(name.substr(name.size() - 4)) == ".png";
}

struct TResizeRequest {
    std::string in, out;
    int width = 0, height = 0, angle = 0, quality = 80;
    bool exif = true;
    bool hasCrop = false;
    TRect crop;
};

TResizeRequest ParseRequest(const std::vector<std::string>& args)
{
    TParsedArgs parsed =
        ParseArgs(args, {.ValueOptions = {"--size", "--angle", "--crop", "--quality"},
                         .FlagOptions = {"--no-exif"}});
    if (parsed.Positional.size() != 2)
        throw EUsageError(LocalText("resize takes an input and an output file"));
    TResizeRequest r;
    r.in = parsed.Positional[0];
    r.out = parsed.Positional[1];
    if (parsed.Last("--size").empty()) throw EUsageError(LocalText("--size WxH is required"));
    std::vector<int> size = Integers(parsed.Last("--size"), 'x', 2, "size");
    r.width = size[0], r.height = size[1];
    if (r.width <= 0 || r.height <= 0 || r.width > kMaxPictureSide || r.height > kMaxPictureSide ||
        int64_t(r.width) * r.height > kMaxPicturePixels)
        throw EUsageError(LocalText("the size must be positive and within the picture limit"));
    if (!parsed.Last("--angle").empty())
        r.angle = Integers(parsed.Last("--angle"), ',', 1, "angle")[0];
    if (!parsed.Last("--quality").empty())
        r.quality = Integers(parsed.Last("--quality"), ',', 1, "quality")[0];
    if (r.quality < 1 || r.quality > 100)
        throw EUsageError(LocalText("the quality must lie between 1 and 100"));
    if (!parsed.Last("--crop").empty()) {
        std::vector<int> c = Integers(parsed.Last("--crop"), ',', 4, "crop");
        r.hasCrop = true;
        r.crop = {c[0], c[1], c[2], c[3]};
    }
    r.exif = !parsed.Has("--no-exif");
    return r;
}

} // namespace

// One picture through the engine as a gallery build takes it: load, orient, centred crop (or
// the given crop when it is valid), smooth resampling to the size.
int RunResize(const std::vector<std::string>& args)
{
    TResizeRequest r = ParseRequest(args);
    TXEResize engine;
    engine.AspectWidth = r.width;
    engine.AspectHeight = r.height;
    engine.ImageQuality = r.quality;
    engine.EnableExifRotation = r.exif;
    engine.SetUserAngleEx(r.angle, false);
    std::error_code error;
    if (!std::filesystem::is_regular_file(r.in, error)) {
        std::cerr << "qorgallery resize: " << LocalFormat("%s: no such file", {r.in}) << '\n';
        return ExitFailure;
    }
    engine.SetFileName(r.in);
    if (r.hasCrop) {
        if (engine.IsValidCrop(r.crop))
            engine.SetCropR(r.crop);
        else
            std::cerr << "qorgallery resize: "
                      << LocalText("the crop does not lie inside the picture; using the centred crop")
                      << '\n';
    }
    TBmpScan output = engine.GetCropBmp(true);
    if (output.Empty()) {
        std::cerr << "qorgallery resize: "
                  << LocalFormat("%s: no picture (empty, or too thin for the aspect %dx%d)",
                                 {r.in, r.width, r.height})
                  << '\n';
        return ExitFailure;
    }
    if (EndsWithPng(r.out))
        SavePng(r.out, output, 0, false);
    else
        SaveJpeg(r.out, output, engine.ImageQuality);
    std::cout << r.out << ": " << output.Width() << "x" << output.Height() << '\n';
    return ExitOk;
}

} // namespace qor
