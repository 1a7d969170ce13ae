#include "app/dialogs/TemplateRows.h"

#include <QLinearGradient>
#include <QPainter>

namespace qor {

void TTemplateRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const QPalette& palette = option.palette;
    const QRect r = option.rect;
    painter->save();
    bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected) {
        QColor base = palette.color(QPalette::Highlight);
        QLinearGradient gradient(r.topLeft(), r.bottomLeft());
        gradient.setColorAt(0, base.lighter(150));
        gradient.setColorAt(1, base.darker(120));
        painter->fillRect(r, gradient);
    } else {
        painter->fillRect(
            r, palette.color(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base));
    }
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(r.adjusted(6, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize TTemplateRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width(), size.height() + 6};
}

} // namespace qor
