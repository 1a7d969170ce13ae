#include "app/widgets/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace qor {

TGradientPanel::TGradientPanel(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(48, 32);
}

void TGradientPanel::SetColors(const QColor& start, const QColor& end)
{
    FStart = start;
    FEnd = end;
    update();
}

void TGradientPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, FStart);
    gradient.setColorAt(1, FEnd);
    painter.fillRect(rect(), gradient);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace qor
