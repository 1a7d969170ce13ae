#include "text/KageString.h"

#include "imaging/Drawing.h"
#include "imaging/GaussianBlur.h"
#include "imaging/ImageError.h"
#include "imaging/Rounding.h"
#include "text/TextCanvas.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>
#include <stdexcept>

namespace qor {
namespace {

std::string JoinLines(const TStringList& lines, std::string_view suffix)
{
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i)
        joined += (i ? "\r" : "") + lines[i] + std::string(suffix);
    return joined;
}

TColor Grey(uint8_t level)
{
    return MakeColor(level, level, level);
}

// (colour × weight + pixel × (255 − weight)) / 256 per channel, truncated: the blend of the
// shadow and of translucent text.
void Blend(TTriple& pixel, const TTriple& colour, int weight)
{
    pixel.b = static_cast<uint8_t>((colour.b * weight + pixel.b * (255 - weight)) / 256);
    pixel.g = static_cast<uint8_t>((colour.g * weight + pixel.g * (255 - weight)) / 256);
    pixel.r = static_cast<uint8_t>((colour.r * weight + pixel.r * (255 - weight)) / 256);
}

TRect Moved(TRect r, int32_t dx, int32_t dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

} // namespace

void TKageString::UpdatePending()
{
    Pending = std::all_of(TextLS.begin(), TextLS.end(),
                          [](const std::string& line) { return line.empty(); });
}

void TKageString::SetText(const std::string& AText)
{
    TextLS = {AText};
    UpdatePending();
}

void TKageString::AssignText(const TStringList& LS)
{
    TextLS = LS;
    FreeKageScan();
    UpdatePending();
}

void TKageString::Align(int Value)
{
    DrawFlag = (Value == 1 || Value == 2) ? static_cast<uint16_t>(Value) : DT_LEFT;
}

TRect TKageString::GetMojiRect() const
{
    const TStringList lines = Pending ? TStringList{" "} : TextLS;
    TRect rect = TextRect(mojiFont, JoinLines(lines, ""));
    if (mojiFont.Italic)
        rect.Right = (rect.Right + TextRect(mojiFont, JoinLines(lines, "_")).Right) / 2;
    if (EdgeFlag) rect.Right += 2, rect.Bottom += 2;
    if (TextLS.size() > 1) rect.Bottom += static_cast<int32_t>(TextLS.size() - 1) * SpaceH;
    return rect;
}

void TKageString::DrawLines(TBmpScan& canvas, TColor color, TRect R)
{
    if (TextLS.empty()) return;
    TFont font = mojiFont;
    font.Color = color;
    const TRect T = GetMojiRect();
    const int L = RoundEven(double(T.Bottom - T.Top) / double(TextLS.size()));
    TRect box = Moved(T, R.Left, R.Top);
    box.Bottom = box.Top + L + 10;
    DrawFlag |= DT_EXPANDTABS;
    for (const std::string& line : TextLS) {
        if (EdgeFlag) {
            const TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
            for (auto [dx, dy] : {std::pair{-1, 0}, {0, -1}, {1, 0}, {0, 1}})
                DrawText(canvas, font, line, Moved(inner, dx, dy), DrawFlag, EdgeColor);
            DrawText(canvas, font, line, inner, DrawFlag, color);
        } else {
            DrawText(canvas, font, line, box, DrawFlag, color);
        }
        box = Moved(box, 0, L + SpaceH);
    }
}

int TKageString::Margin() const
{
    return std::max(3 * Spread, std::abs(Distance));
}

uint8_t TKageString::MaskGrey() const
{
    return KageAlpha >= 100 ? 0
                            : static_cast<uint8_t>(RoundEven(255.0 * (1.0 - KageAlpha / 100.0)));
}

void TKageString::Prep()
{
    if (Pending) return;
    FreeKageScan();
    try {
        kageScan = BlurredSilhouette();
    } catch (const std::bad_alloc&) {
        // Without memory for the pictures the instance stays without mask and draws nothing.
    } catch (const EImageError&) {
        // A text too large for a picture likewise.
    }
}

TBmpScan TKageString::BlurredSilhouette()
{
    const TRect T = GetMojiRect();
    const int M = Margin();
    TBmpScan silhouette(T.Right + 2 * M, T.Bottom + 2 * M);
    rKageBody = {M, M, M + T.Right, M + T.Bottom};
    DrawLines(silhouette, Grey(MaskGrey()), rKageBody);
    GaussianBlur(silhouette, nullptr, Spread);
    TBmpScan mask(silhouette.Width(), silhouette.Height(), 8, TBmpScan::TFill::None);
    for (int32_t y = 0; y < mask.Height(); ++y)
        std::transform(silhouette.Scan(y), silhouette.Scan(y) + mask.Width(), mask.Row(y),
                       [](const TTriple& p) { return p.b; });
    return mask;
}

TKageString::TScrollLimits TKageString::ScrollLimits(const TBmpScan& composite) const
{
    TScrollLimits limits;
    if (ScrollType == 1 && 0 < ScrollHt && ScrollHt < composite.Height()) limits.Height = ScrollHt;
    if (ScrollType == 2 && 0 < ScrollWd && ScrollWd < composite.Width()) limits.Width = ScrollWd;
    return limits;
}

void TKageString::DrawShadow(TBmpScan& composite, const TScrollLimits& limits) const
{
    const TTriple shadow = TripleOf(ColorPercent(KageColor & 0xFFFFFF, KageAlpha));
    const int M = Margin();
    const int32_t rows =
        limits.Height ? std::min(kageScan.Height(), M + *limits.Height) : kageScan.Height();
    const int32_t columns =
        limits.Width ? std::min(kageScan.Width(), M + *limits.Width) : kageScan.Width();
    for (int32_t y = 0; y < rows; ++y) {
        const uint8_t* mask = kageScan.Row(y);
        TTriple* pixels = composite.Scan(y);
        for (int32_t x = 0; x < columns; ++x)
            if (mask[x] != 255) Blend(pixels[x], shadow, 255 - mask[x]);
    }
}

void TKageString::BlendText(TBmpScan& composite, const TScrollLimits& limits, bool ANormalDraw)
{
    const int A = ANormalDraw ? mojiAlpha : RoundEven(mojiAlpha * 0.6);
    const uint8_t V = static_cast<uint8_t>(std::min(255, RoundEven(A * 255 / 100.0)));
    TBmpScan grey(rMoji.Width(), rMoji.Height());
    FillRect(grey, grey.Bounds(), clBlack);
    DrawLines(grey, Grey(V), grey.Bounds());
    const TTriple ink = TripleOf(mojiFont.Color & 0xFFFFFF);
    for (int32_t y = 0; y < grey.Height(); ++y) {
        const int32_t targetY = rMoji.Top + y;
        if (targetY < 0 || targetY >= composite.Height()) continue;
        for (int32_t x = 0; x < grey.Width(); ++x) {
            const int32_t targetX = rMoji.Left + x;
            const int v = grey.Scan(y)[x].b;
            if (v == 0 || targetX < 0 || targetX >= composite.Width()) continue;
            const bool faded =
                (limits.Height && y > *limits.Height) || (limits.Width && x > *limits.Width);
            Blend(composite.Scan(targetY)[targetX], ink, v / (faded ? 5 : 1));
        }
    }
}

void TKageString::Draw(TBmpScan& ATargetCanvas, TPoint ATargetPos, bool ANormalDraw)
{
    if (ATargetCanvas.BitsPerPixel() != 24)
        throw std::invalid_argument("shadowed text is drawn on 24-bit pictures only");
    if (Pending) return;
    if (!IsReady()) Prep();
    if (!IsReady()) return;
    const double theta = (360 - KageAngle) * std::numbers::pi / 180;
    distP = {RoundEven(std::cos(theta) * Distance), -RoundEven(std::sin(theta) * Distance)};
    TBmpScan composite(kageScan.Width(), kageScan.Height());
    rCanvas = Moved(composite.Bounds(), ATargetPos.x + distP.x - rKageBody.Left,
                    ATargetPos.y + distP.y - rKageBody.Top);
    CopyArea(ATargetCanvas, rCanvas.Left, rCanvas.Top, composite);
    const TScrollLimits limits = ScrollLimits(composite);
    if (KageON && ANormalDraw && mojiAlpha > 0) DrawShadow(composite, limits);
    rMoji = Moved(rKageBody, -distP.x, -distP.y);
    if (mojiAlpha < 100 || !ANormalDraw || limits.Any())
        BlendText(composite, limits, ANormalDraw);
    else
        DrawLines(composite, mojiFont.Color, rMoji);
    CopyArea(composite, -rCanvas.Left, -rCanvas.Top, ATargetCanvas);
}

void TKageString::Copy(TKageString& AKage) const
{
    AKage.TextLS = TextLS;
    AKage.UpdatePending();
    AKage.TextAngle = TextAngle;
    AKage.KageColor = KageColor;
    AKage.KageAlpha = KageAlpha;
    AKage.KageAngle = KageAngle;
    AKage.Distance = Distance;
    AKage.Spread = Spread;
    AKage.DrawFlag = DrawFlag;
    AKage.SpaceH = SpaceH;
    AKage.KageON = KageON;
    AKage.distP = distP;
    AKage.rCanvas = rCanvas;
    AKage.rMoji = rMoji;
    AKage.rKageBody = rKageBody;
    AKage.drawPos = drawPos;
    AKage.kageScan = kageScan;
}

} // namespace qor
