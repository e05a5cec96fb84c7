#include "ui/ParentBackground.h"

#include "ui/TControl.h"
#include "ui/TCustomControl.h"

#include <QGraphicsEffect>
#include <QPainter>

namespace {

// A parent whose render shows no more than its window colour and its own repaint: shown (so
// nothing of its size waits to be sent), no filled or styled background, no effect or mask,
// and a plain window colour.
bool DrawsAsRendered(const QWidget& parent) {
    return parent.isVisible() && !parent.autoFillBackground() && !parent.testAttribute(Qt::WA_StyledBackground) &&
           !parent.graphicsEffect() && parent.mask().isEmpty() &&
           parent.palette().brush(QPalette::Window).style() == Qt::SolidPattern;
}

}  // namespace

void PaintParentBackground(const QWidget& control, TCanvas& canvas) {
    QWidget* parent = control.parentWidget();
    QImage* target = canvas.Target();
    if (!parent || !target || target->isNull()) return;
    const QRect under = control.geometry().intersected(parent->rect());
    if (under.isEmpty()) return;
    canvas.Release();
    QImage layer(under.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    if (auto* painted = qobject_cast<TCustomControl*>(parent); painted && DrawsAsRendered(*parent)) {
        // The window's render would first walk every control of the window (for pending
        // moves and resizes) on each call; a shown control that draws itself is painted
        // straight away instead: its window colour, then its repaint.
        QPainter lp(&layer);
        lp.setCompositionMode(QPainter::CompositionMode_Source);
        lp.fillRect(layer.rect(), parent->palette().brush(QPalette::Window));
        lp.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painted->PaintAreaTo(lp, QPoint(), under);
    } else {
        parent->render(&layer, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
    }
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
