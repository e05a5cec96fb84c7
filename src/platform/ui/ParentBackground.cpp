#include "ui/ParentBackground.h"

#include "ui/TControl.h"

#include <QPainter>

void PaintParentBackground(const QWidget& control, TCanvas& canvas) {
    QWidget* parent = control.parentWidget();
    QImage* target = canvas.Target();
    if (!parent || !target || target->isNull()) return;
    const QRect under = control.geometry().intersected(parent->rect());
    if (under.isEmpty()) return;
    canvas.Release();
    QImage layer(under.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    parent->render(&layer, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
    const QPoint at = under.topLeft() - control.pos();
    QPainter p(target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const auto* owner = qobject_cast<const TControl*>(parent);
    p.fillRect(QRect(at, under.size()), owner ? ToQColor(owner->Color()) : parent->palette().window().color());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(at, layer);
    p.end();
    canvas.Changed(QRect(at, under.size()));
}
