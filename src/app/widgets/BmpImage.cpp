#include "app/widgets/BmpImage.h"

#include <QPainter>

#include <cstring>

namespace qor {

namespace {

// A writable picture gives a writable image, a constant one a read-only image.
template <typename Picture>
QImage ImageOver(Picture& picture)
{
    if (picture.Empty() || picture.BitsPerPixel() != 24) return {};
    return QImage(picture.Row(0), picture.Width(), picture.Height(),
                  static_cast<qsizetype>(picture.Stride()), QImage::Format_BGR888);
}

} // namespace

QImage ImageOf(TBmpScan& picture)
{
    return ImageOver(picture);
}

QImage ImageOf(const TBmpScan& picture)
{
    return ImageOver(picture);
}

TBmpScan PictureFromImage(const QImage& image)
{
    if (image.isNull()) return {};
    QImage bgr;
    if (image.hasAlphaChannel()) {
        QImage over(image.size(), QImage::Format_RGB32);
        over.fill(Qt::white);
        QPainter(&over).drawImage(0, 0, image);
        bgr = over.convertToFormat(QImage::Format_BGR888);
    } else {
        bgr = image.convertToFormat(QImage::Format_BGR888);
    }
    TBmpScan picture(bgr.width(), bgr.height(), 24, TBmpScan::TFill::None);
    size_t rowBytes = static_cast<size_t>(bgr.width()) * 3;
    for (int y = 0; y < bgr.height(); ++y)
        std::memcpy(picture.Row(y), bgr.constScanLine(y), rowBytes);
    return picture;
}

} // namespace qor
