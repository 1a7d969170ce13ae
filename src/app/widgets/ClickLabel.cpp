#include "app/widgets/ClickLabel.h"

#include <QMouseEvent>

namespace qor {

void TClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace qor
