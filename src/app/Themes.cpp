#include "app/Themes.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace qor {

namespace {

struct TDesktopTheme {
    QString StyleName;
    QPalette Palette;
};

TDesktopTheme& DesktopTheme()
{
    static TDesktopTheme theme;
    return theme;
}

QPalette CarbonPalette()
{
    const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230), accent(0, 122, 204);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(56, 56, 60));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(62, 62, 66));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(86, 156, 214));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    return p;
}

} // namespace

void RememberDesktopTheme()
{
    DesktopTheme() = {QApplication::style()->name(), QApplication::palette()};
}

void ApplyTheme(bool carbon)
{
    const TDesktopTheme& desktop = DesktopTheme();
    if (carbon) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(CarbonPalette());
    } else {
        if (!desktop.StyleName.isEmpty()) QApplication::setStyle(QStyleFactory::create(desktop.StyleName));
        QApplication::setPalette(desktop.Palette);
    }
}

} // namespace qor
