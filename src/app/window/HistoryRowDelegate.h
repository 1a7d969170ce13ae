// The rows of the recent-project list: the project's name, and below it the picture count
// and the folder; a gradient behind the selected row, alternating colours for the others.
#pragma once

#include <QStyledItemDelegate>

namespace qor {

class THistoryRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace qor
