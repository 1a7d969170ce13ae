#include "text/TextCanvas.h"

#include "text/PaintCoverage.h"
#include "text/TextRasterizer.h"

#include <algorithm>

namespace qor {

std::vector<std::string_view> BreakLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

TRect TextRect(const TFont& font, std::string_view text)
{
    TTextRasterizer& rasterizer = TTextRasterizer::ForThisThread();
    std::vector<std::string_view> lines = BreakLines(text);
    int32_t width = 0;
    for (std::string_view line : lines)
        width = std::max(width, rasterizer.LineWidth(font, line));
    return {0, 0, width, static_cast<int32_t>(lines.size()) * rasterizer.LineHeight(font)};
}

void DrawText(TBmpScan& picture, const TFont& font, std::string_view text, TRect box,
              uint16_t flags, TColor color)
{
    TTextRasterizer& rasterizer = TTextRasterizer::ForThisThread();
    int32_t top = box.Top;
    for (std::string_view line : BreakLines(text)) {
        int32_t x = box.Left;
        if (flags & (DT_CENTER | DT_RIGHT)) {
            int32_t room = box.Width() - rasterizer.LineWidth(font, line);
            x += (flags & DT_CENTER) ? room / 2 : room;
        }
        PaintCoverage(picture, rasterizer.RenderLine(font, line), x, top, color);
        top += rasterizer.LineHeight(font);
    }
}

} // namespace qor
