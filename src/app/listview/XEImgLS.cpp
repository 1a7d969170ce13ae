#include "app/listview/XEImgLS.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qor {

// FIXME: a plain list of file names until the thumbnail grid is in place.
namespace {
constexpr int RowHeight = 20;
}

TXEImgLS::TXEImgLS(QWidget* parent) : QAbstractScrollArea(parent)
{
    SetView(this);
    setFocusPolicy(Qt::StrongFocus);
}

TXEImgLS::~TXEImgLS()
{
    SetView(nullptr);
}

void TXEImgLS::SetCaptionSet(unsigned captions)
{
    FCaptionSet = captions;
    viewport()->update();
}

void TXEImgLS::SetCellSize(int, int) {}
void TXEImgLS::SetEmptyImageFile(const std::string&) {}

void TXEImgLS::SetHideEmptyImage(bool hide)
{
    FHideEmptyImage = hide;
}

void TXEImgLS::ShowCursorCell() {}

std::string TXEImgLS::GetFileAtMouse() const
{
    return GetFileName(RowAt(viewport()->mapFromGlobal(QCursor::pos()).y()));
}

void TXEImgLS::RefreshPage(bool)
{
    viewport()->update();
}

void TXEImgLS::Clear(bool refresh, bool notifyClear)
{
    TCustomImgLS::Clear(refresh, notifyClear);
}

void TXEImgLS::Redraw(TThumbLoading)
{
    viewport()->update();
}

void TXEImgLS::RedrawCellNow(int)
{
    viewport()->update();
}

void TXEImgLS::StartBackgroundLoading() {}
void TXEImgLS::StopLoaders() {}

bool TXEImgLS::LoadersAlive() const
{
    return false;
}

std::shared_ptr<TBmpScan> TXEImgLS::ComparedThumb(const TBmpScan&, int)
{
    return nullptr;
}

int TXEImgLS::RowAt(int y) const
{
    return y / RowHeight;
}

void TXEImgLS::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    for (int i = 0; i < Count(); ++i) {
        PThumbInfo entry = IdToPInfo(i);
        QRect row(0, i * RowHeight, viewport()->width(), RowHeight);
        if (entry->Selected) painter.fillRect(row, palette().highlight());
        painter.drawText(row, Qt::AlignVCenter, QString::fromStdString(entry->FileName));
    }
}

void TXEImgLS::mousePressEvent(QMouseEvent* event)
{
    int id = RowAt(event->position().toPoint().y());
    if (id < Count()) SelectByIndex(id);
}

void TXEImgLS::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DoubleClicked();
}

void TXEImgLS::keyPressEvent(QKeyEvent* event)
{
    emit KeyPressed(event->key(), event->modifiers());
    QAbstractScrollArea::keyPressEvent(event);
}

} // namespace qor
