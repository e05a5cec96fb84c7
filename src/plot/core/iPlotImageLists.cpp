// The plot's three image lists, whose pictures annotations show. A smaller picture is
// centred on the list's size; each picture is transparent where it has its corner colour.
#include "core/iPlotComponent.h"

#include "rtl/Exception.h"

#include <QPainter>

TImageList& TiPlotComponent::CheckedImageList(int index) {
    if (index < 0 || index > 2) throw Exception(QStringLiteral("ImageList Index must be 0-2"));
    return FImageLists[std::size_t(index)];
}

void TiPlotComponent::ImageListAdd(int imageListIndex, const QImage& bitmap) {
    TImageList& list = CheckedImageList(imageListIndex);
    // The transparent colour of a picture is its bottom-left pixel.
    if (bitmap.isNull()) throw Exception(QStringLiteral("Image is empty"));
    const QRgb corner = bitmap.pixel(0, bitmap.height() - 1);
    const TColor transparent = RGBColor(qRed(corner), qGreen(corner), qBlue(corner));
    const int w = bitmap.width(), h = bitmap.height();
    QImage picture = bitmap;
    if (list.Count() == 0) {
        list.SetSize(w, h);
    } else if (w < list.Width() && h < list.Height()) {
        picture = QImage(list.Width(), list.Height(), QImage::Format_RGB32);
        picture.fill(ToQColor(transparent));
        QPainter p(&picture);
        p.drawImage(list.Width() / 2 - w / 2, list.Height() / 2 - h / 2, bitmap);
    } else if (!(w > list.Width() && h > list.Height()) && w != list.Width() && h != list.Height()) {
        throw Exception(
            QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
    }
    list.AddMasked(picture, transparent);
    InvalidateChange();
}

void TiPlotComponent::ImageListLoadFromResourceName(int imageListIndex, const QString& resName) {
    CheckedImageList(imageListIndex);
    const QImage bitmap(resName);
    if (bitmap.isNull()) throw Exception(QStringLiteral("Resource %1 not found").arg(resName));
    ImageListAdd(imageListIndex, bitmap);
}

void TiPlotComponent::ImageListClear(int imageListIndex) {
    CheckedImageList(imageListIndex).Clear();
    InvalidateChange();
}
