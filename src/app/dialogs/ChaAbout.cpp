#include "app/dialogs/ChaAbout.h"

#include "app/widgets/BmpImage.h"
#include "imaging/FillGradient.h"
#include "util/XEInitPrj.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 270;
constexpr TColor kWhite = 0xFFFFFF;

struct TLightColour {
    int r, g, b;
};

// A soft disc of light: the colour mixed in with a strength that fades to the rim.
void Glow(TBmpScan& picture, int cx, int cy, int radius, TLightColour colour, double strength)
{
    for (int y = std::max(0, cy - radius); y < std::min(picture.Height(), cy + radius); ++y)
        for (int x = std::max(0, cx - radius); x < std::min(picture.Width(), cx + radius); ++x) {
            double d = std::hypot(x - cx, y - cy) / radius;
            if (d >= 1) continue;
            double a = strength * (1 - d * d);
            TTriple& px = picture.Scan(y)[x];
            px.r = static_cast<uint8_t>(px.r + (colour.r - px.r) * a);
            px.g = static_cast<uint8_t>(px.g + (colour.g - px.g) * a);
            px.b = static_cast<uint8_t>(px.b + (colour.b - px.b) * a);
        }
}

} // namespace

TBmpScan AboutBackground(int width, int height)
{
    TBmpScan picture(width, height);
    FillGradient(picture, MakeColor(24, 40, 72), MakeColor(16, 112, 128),
                 TGradientDirection::gdVertical, picture.Bounds());
    // Out-of-focus lights, as behind a slide show.
    struct TLight {
        double x, y, r, strength;
        TLightColour colour;
    };
    const TLight lights[] = {
        {0.82, 0.25, 0.30, 0.35, {255, 210, 120}}, {0.65, 0.70, 0.22, 0.25, {120, 220, 255}},
        {0.15, 0.85, 0.26, 0.20, {255, 160, 200}}, {0.92, 0.80, 0.12, 0.30, {255, 255, 255}},
        {0.40, 0.15, 0.10, 0.20, {200, 255, 200}},
    };
    for (const TLight& l : lights)
        Glow(picture, static_cast<int>(l.x * width), static_cast<int>(l.y * height),
             static_cast<int>(l.r * height), l.colour, l.strength);
    return picture;
}

TChaAbout::TChaAbout(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName("ChaAbout");
    FBackground = AboutBackground(kWidth, kHeight);
    setFixedSize(kWidth, kHeight);
    AddText("QorikaHTML5ギャラリー", {"Meiryo UI", 37, kWhite}, {28, 70});
    AddText(AppVersion().ShortVersion(), {"Tahoma", 16, kWhite}, {32, 130});
    AddText("Copyright (C) Tessaro Software", {"Tahoma", 16, kWhite}, {32, 220});
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Init();
}

void TChaAbout::AddText(const std::string& text, const TFont& font, TPoint at)
{
    auto kage = std::make_unique<TKageString>();
    kage->KageColor = MakeColor(60, 60, 60);
    kage->KageAlpha = 100;
    kage->KageAngle = 45;
    kage->Distance = 2;
    kage->Spread = 2;
    kage->mojiFont = font;
    kage->SetText(text);
    kage->drawPos = at;
    kage->Prep();
    FKageLS.push_back(std::move(kage));
}

void TChaAbout::Init()
{
    FComposed = FBackground;
    for (auto& kage : FKageLS)
        kage->Draw(FComposed, kage->drawPos, true);
    update();
}

void TChaAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!FComposed.Empty()) painter.drawImage(0, 0, ImageOf(FComposed));
}

void TChaAbout::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
        key == Qt::Key_Space || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TChaAbout::mouseReleaseEvent(QMouseEvent*)
{
    accept();
}

} // namespace qor
