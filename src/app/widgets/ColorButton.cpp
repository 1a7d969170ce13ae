#include "app/widgets/ColorButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace qor {

namespace {

constexpr int kSwatchWidth = 40;
constexpr int kSwatchHeight = 16;

// The colour over a chequer board, so that the opacity shows.
QPixmap Swatch(const QColor& color)
{
    QPixmap pixmap(kSwatchWidth, kSwatchHeight);
    QPainter painter(&pixmap);
    constexpr int kCell = 4;
    for (int y = 0; y < kSwatchHeight; y += kCell)
        for (int x = 0; x < kSwatchWidth; x += kCell)
            painter.fillRect(x, y, kCell, kCell, ((x + y) / kCell) % 2 ? Qt::lightGray : Qt::white);
    painter.fillRect(pixmap.rect(), color);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

TColorButton::TColorButton(bool withOpacity, QWidget* parent)
    : QToolButton(parent), FWithOpacity(withOpacity)
{
    setToolButtonStyle(withOpacity ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    setIconSize(QSize(kSwatchWidth, kSwatchHeight));
    connect(this, &QToolButton::clicked, this, &TColorButton::OpenPopup);
    ShowValue();
}

void TColorButton::SetValue(const TColorValue& value)
{
    FValue = value;
    ShowValue();
}

QColor TColorButton::ToQColor() const
{
    return QColor(FValue.Red, FValue.Green, FValue.Blue, AlphaOfOpacity(FValue.Opacity));
}

bool TColorButton::IsPopupOpen() const
{
    return FPopup && FPopup->isVisible();
}

void TColorButton::ClosePopup()
{
    if (FPopup) FPopup->reject();
}

void TColorButton::OpenPopup()
{
    if (!FPopup) {
        FPopup = new QColorDialog(this);
        FPopup->setOption(QColorDialog::ShowAlphaChannel, FWithOpacity);
        connect(FPopup, &QColorDialog::colorSelected, this, &TColorButton::Take);
    }
    FPopup->setCurrentColor(ToQColor());
    FPopup->open();
}

void TColorButton::Take(const QColor& color)
{
    TColorValue value{color.red(), color.green(), color.blue(),
                      FWithOpacity ? OpacityOfAlpha(color.alpha()) : FValue.Opacity};
    SetValue(value);
    emit Changed();
}

void TColorButton::ShowValue()
{
    setIcon(QIcon(Swatch(ToQColor())));
    if (FWithOpacity) setText(QStringLiteral("%1%").arg(FValue.Opacity));
    QString text = QString::fromStdString(FWithOpacity ? FValue.RgbaText() : FValue.RgbText());
    setToolTip(FHint.isEmpty() ? text : FHint + '\n' + text);
}

void TColorButton::SetHint(const QString& hint)
{
    FHint = hint;
    ShowValue();
}

} // namespace qor
