// TClickLabel: a picture label that reports clicks.
#pragma once

#include <QLabel>

namespace qor {

class TClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace qor
