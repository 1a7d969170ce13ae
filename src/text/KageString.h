// Shadowed text: one or more lines drawn with a soft drop shadow onto a picture. The shadow
// mask (the text's blurred silhouette) is prepared once by Prep and reused by every Draw; each
// Draw composites the shadow and then the text, optionally translucent, over what the target
// already shows.
//
//     TKageString kage;
//     kage.mojiFont = font;
//     kage.SetText("Qorika");
//     kage.Prep();
//     kage.Draw(picture, {10, 10}, true);
//
// Measuring and drawing use the calling thread's rasteriser, so instances may be used on any
// thread, each by one thread at a time.
#pragma once

#include "imaging/Color.h"
#include "imaging/GlowBox.h" // TPoint
#include "imaging/TBmpScan.h"
#include "text/TFont.h"
#include "util/TextFile.h"

#include <optional>
#include <string>

namespace qor {

class TKageString {
public:
    TBmpScan kageScan; // 8 bits per pixel, 255 = no shadow
    TPoint distP;      // shadow offset, computed at every draw
    TRect rCanvas;     // area of the target covered by the last draw
    TFont mojiFont;    // its colour is the text colour
    uint8_t mojiAlpha = 100;
    TStringList TextLS;
    int TextAngle = 0; // carried by Copy; not used for drawing
    TColor KageColor = clBlack;
    uint8_t KageAlpha = 70;
    int KageAngle = 45; // degrees clockwise from the positive x axis on the screen
    int Distance = 4;
    uint8_t Spread = 2; // the shadow blur's sigma
    uint16_t DrawFlag = 0;
    int SpaceH = 0; // extra space between lines
    bool KageON = true;
    bool Pending = true;
    TRect rMoji;     // the text inside the composite picture
    TRect rKageBody; // the text inside the shadow mask
    TPoint drawPos;  // kept for the caller
    bool EdgeFlag = false;
    TColor EdgeColor = clBlack;
    int ScrollHt = 0;
    int ScrollWd = 0;
    uint8_t ScrollType = 0; // 0 no fade, 1 vertical, 2 horizontal

    void SetText(const std::string& AText);
    void AssignText(const TStringList& LS);
    void Align(int Value);
    bool IsPending() const { return Pending; }
    bool IsReady() const { return !kageScan.Empty(); }
    TRect GetMojiRect() const;
    void Prep();
    // Throws std::invalid_argument for a target that is not a 24-bit picture.
    void Draw(TBmpScan& ATargetCanvas, TPoint ATargetPos, bool ANormalDraw);
    void Copy(TKageString& AKage) const;
    void FreeKageScan() { kageScan.Release(); }

private:
    struct TScrollLimits {
        std::optional<int> Height;
        std::optional<int> Width;
        bool Any() const { return Height || Width; }
    };

    void UpdatePending();
    int Margin() const;
    uint8_t MaskGrey() const;
    void DrawLines(TBmpScan& canvas, TColor color, TRect R);
    TBmpScan BlurredSilhouette();
    TScrollLimits ScrollLimits(const TBmpScan& composite) const;
    void DrawShadow(TBmpScan& composite, const TScrollLimits& limits) const;
    void BlendText(TBmpScan& composite, const TScrollLimits& limits, bool ANormalDraw);
};

} // namespace qor
