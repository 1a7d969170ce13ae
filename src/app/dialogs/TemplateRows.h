// The rows of the template list: each shows the template's caption, rows alternate their
// background, and the selected row lies on a gradient.
#pragma once

#include <QStyledItemDelegate>

namespace qor {

class TTemplateRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace qor
