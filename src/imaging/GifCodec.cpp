#include "imaging/GifCodec.h"

#include "imaging/ImageError.h"
#include "util/LocalText.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace qor {

namespace {

struct TGifInput {
    std::span<const uint8_t> data;
    size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length)
{
    auto* input = static_cast<TGifInput*>(gif->UserData);
    size_t n = std::min(static_cast<size_t>(std::max(length, 0)), input->data.size() - input->pos);
    std::memcpy(out, input->data.data() + input->pos, n);
    input->pos += n;
    return static_cast<int>(n);
}

struct TGifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using TGifFile = std::unique_ptr<GifFileType, TGifCloser>;

class TGifReader {
public:
    TGifReader(std::span<const uint8_t> data, std::string name)
        : FInput{data}, FName(std::move(name))
    {
        int error = 0;
        FGif.reset(DGifOpen(&FInput, ReadFromMemory, &error));
        if (!FGif) Fail(error);
    }

    TBmpScan FirstFrame()
    {
        for (;;) {
            GifRecordType record;
            Check(DGifGetRecordType(FGif.get(), &record));
            if (record == TERMINATE_RECORD_TYPE)
                throw EImageError(LocalFormat("%s: the GIF file holds no picture", {FName}));
            if (record == EXTENSION_RECORD_TYPE) ReadExtension();
            if (record == IMAGE_DESC_RECORD_TYPE) return ReadFrame();
        }
    }

private:
    [[noreturn]] void Fail(int error)
    {
        const char* text = GifErrorString(error);
        throw EImageError(LocalFormat("%s: damaged GIF file (%s)", {FName, text ? text : "unknown error"}));
    }

    void Check(int result)
    {
        if (result == GIF_ERROR) Fail(FGif->Error);
    }

    // Of the extensions only the graphic control block matters: its transparent colour.
    void ReadExtension()
    {
        int code = 0;
        GifByteType* block = nullptr;
        Check(DGifGetExtension(FGif.get(), &code, &block));
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
            FTransparent = (block[1] & 1) ? block[4] : -1;
        while (block)
            Check(DGifGetExtensionNext(FGif.get(), &block));
    }

    TBmpScan ReadFrame()
    {
        Check(DGifGetImageDesc(FGif.get()));
        const GifImageDesc& frame = FGif->Image;
        if (frame.Width <= 0 || frame.Height <= 0) return {};
        int32_t width = FGif->SWidth > 0 ? FGif->SWidth : frame.Width;
        int32_t height = FGif->SHeight > 0 ? FGif->SHeight : frame.Height;
        if (!IsAllowedPictureSize(width, height) ||
            !IsAllowedPictureSize(frame.Width, frame.Height))
            throw EImageError(LocalFormat("%s: picture size is beyond the limit", {FName}));
        if (!IsScreenWithinReach(width, height, frame))
            throw EImageError(LocalFormat("%s: logical screen far larger than its picture", {FName}));
        std::vector<std::vector<GifPixelType>> lines = ReadLines(frame);
        TBmpScan picture(width, height);
        std::vector<TTriple> colours = Palette(frame.ColorMap ? frame.ColorMap : FGif->SColorMap);
        std::vector<int32_t> order = RowOrder(frame.Height, frame.Interlace);
        for (size_t i = 0; i < order.size(); ++i) {
            const std::vector<GifPixelType>& line = lines[i];
            int32_t y = frame.Top + order[i];
            if (y < 0 || y >= height) continue;
            TTriple* out = picture.Scan(y);
            for (int32_t x = 0; x < frame.Width; ++x) {
                int32_t px = frame.Left + x;
                if (px >= width || line[static_cast<size_t>(x)] == FTransparent) continue;
                out[px] = colours[line[static_cast<size_t>(x)]];
            }
        }
        return picture;
    }

    // The frame's rows in stored order, each taken only once its data decoded: a file that
    // ends early costs the rows it holds, not the size it claims.
    std::vector<std::vector<GifPixelType>> ReadLines(const GifImageDesc& frame)
    {
        std::vector<std::vector<GifPixelType>> lines;
        for (int32_t row = 0; row < frame.Height; ++row) {
            std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
            Check(DGifGetLine(FGif.get(), line.data(), frame.Width));
            lines.push_back(std::move(line));
        }
        return lines;
    }

    // The white screen around the first frame may be larger than the frame, but not without
    // bound: a few bytes must not claim hundreds of megabytes of it.
    static bool IsScreenWithinReach(int32_t width, int32_t height, const GifImageDesc& frame)
    {
        constexpr int64_t FreeScreenPixels = 16'000'000, ScreenPerFramePixel = 64;
        int64_t screen = int64_t(width) * height;
        return screen <= FreeScreenPixels ||
               screen <= ScreenPerFramePixel * int64_t(frame.Width) * frame.Height;
    }

    // Colours for all 256 indices; indices beyond the table are black.
    static std::vector<TTriple> Palette(const ColorMapObject* map)
    {
        std::vector<TTriple> colours(256, TTriple{0, 0, 0});
        if (!map) {
            for (int i = 0; i < 256; ++i)
                colours[static_cast<size_t>(i)] = {uint8_t(i), uint8_t(i), uint8_t(i)};
            return colours;
        }
        for (int i = 0; i < std::min(map->ColorCount, 256); ++i) {
            const GifColorType& c = map->Colors[i];
            colours[static_cast<size_t>(i)] = {c.Blue, c.Green, c.Red};
        }
        return colours;
    }

    // The order in which the frame's rows are stored: interlaced frames in four passes.
    static std::vector<int32_t> RowOrder(int32_t height, bool interlaced)
    {
        std::vector<int32_t> rows;
        rows.reserve(static_cast<size_t>(height));
        if (!interlaced) {
            for (int32_t y = 0; y < height; ++y)
                rows.push_back(y);
            return rows;
        }
        const int32_t starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int32_t y = starts[pass]; y < height; y += steps[pass])
                rows.push_back(y);
        return rows;
    }

    TGifInput FInput;
    std::string FName;
    TGifFile FGif;
    int FTransparent = -1;
};

} // namespace

TBmpScan DecodeGif(std::span<const uint8_t> data, const std::string& name)
{
    return TGifReader(data, name).FirstFrame();
}

} // namespace qor
