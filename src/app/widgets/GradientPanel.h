// TGradientPanel: the vertical gradient between two colours, top to bottom.
#pragma once

#include <QColor>
#include <QWidget>

namespace qor {

class TGradientPanel : public QWidget {
    Q_OBJECT
public:
    explicit TGradientPanel(QWidget* parent = nullptr);

    void SetColors(const QColor& start, const QColor& end);
    QColor StartColor() const { return FStart; }
    QColor EndColor() const { return FEnd; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FStart = Qt::white;
    QColor FEnd = Qt::lightGray;
};

} // namespace qor
