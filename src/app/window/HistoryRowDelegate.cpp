#include "app/window/HistoryRowDelegate.h"

#include "app/window/ProjectNames.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace qor {

namespace {

constexpr int DesignRowHeight = 46;
constexpr int DesignFontHeight = 18;
constexpr int TextLeft = 5;
constexpr int DetailIndent = 20;

QFont RowFont(const QFont& base)
{
    QFont font = base;
    font.setPixelSize(17);
    return font;
}

} // namespace

// The designed height follows the desktop's font, as the rows hold two lines of it.
QSize THistoryRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    int fontHeight = QFontMetrics(QApplication::font()).height();
    int height = static_cast<int>(std::lround(DesignRowHeight * fontHeight / double(DesignFontHeight)));
    return {option.rect.width(), std::max(height, 2 * QFontMetrics(RowFont(option.font)).height() + 4)};
}

void THistoryRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const QRect r = option.rect;
    QColor textColor = option.palette.color(QPalette::Text);
    if (option.state & QStyle::State_Selected) {
        QLinearGradient gradient(r.topLeft(), r.bottomLeft());
        gradient.setColorAt(0, QColor(48, 0, 204));
        gradient.setColorAt(1, option.palette.color(QPalette::Highlight));
        painter->fillRect(r, gradient);
        textColor = Qt::white;
    } else if (index.row() % 2 == 1) {
        painter->fillRect(r, Qt::white);
        textColor = Qt::black;
    } else {
        painter->fillRect(r, option.palette.color(QPalette::AlternateBase));
    }
    THistoryRowText text =
        HistoryRowText(index.data().toString().toStdString(), tr("画像数:%3s   フォルダ:%s").toStdString());
    painter->setFont(RowFont(option.font));
    painter->setPen(textColor);
    QFontMetrics metrics(painter->font());
    int lineHeight = metrics.height();
    QRect nameRect(r.left() + TextLeft, r.top() + 2, r.width() - TextLeft, lineHeight);
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(QString::fromStdString(text.Name), Qt::ElideRight, nameRect.width()));
    QRect detailRect = nameRect.translated(DetailIndent, lineHeight).adjusted(0, 0, -DetailIndent, 0);
    painter->drawText(detailRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(QString::fromStdString(text.Detail), Qt::ElideRight, detailRect.width()));
    painter->restore();
}

} // namespace qor
