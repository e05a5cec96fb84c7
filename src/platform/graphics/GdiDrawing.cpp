#include "graphics/GdiDrawing.h"

#include <QPainter>

#include <algorithm>
#include <vector>

void TextOutAngle(TCanvas& canvas, int x, int y, const QString& text, int escapement) {
    if (escapement % 3600 == 0) {
        canvas.TextOut(x, y, text);
        return;
    }
    if (text.isEmpty()) return;
    QPainter* p = canvas.Painter();
    if (!p) return;
    const QFont font = canvas.Font.ToQFont();
    const QFontMetrics metrics(font);
    const int w = canvas.TextWidth(text), h = metrics.height();
    p->save();
    p->translate(x, y);
    p->rotate(-escapement / 10.0);
    if (canvas.Brush.Style == bsSolid) p->fillRect(QRect(0, 0, w, h), ToQColor(canvas.Brush.Color));
    p->setFont(font);
    p->setPen(ToQColor(canvas.Font.Color()));
    p->drawText(QPoint(0, metrics.ascent()), text);
    const QRect touched = p->transform().mapRect(QRect(0, 0, w, h)).adjusted(-2, -2, 2, 2);
    p->restore();
    canvas.Changed(touched);
}

namespace {

void EdgeLines(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    const TPen saved = canvas.Pen;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.Pen.Color = topLeft;
    const TPoint tl[] = {{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}};
    canvas.Polyline(tl, 3);
    canvas.Pen.Color = bottomRight;
    const TPoint br[] = {{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}};
    canvas.Polyline(br, 3);
    canvas.Pen = saved;
}

}  // namespace

void DrawEdge(TCanvas& canvas, const TRect& rect, unsigned edge) {
    const TRect inner{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    if (edge & BDR_RAISEDOUTER) EdgeLines(canvas, rect, cl3DLight, cl3DDkShadow);
    if (edge & BDR_SUNKENOUTER) EdgeLines(canvas, rect, clBtnShadow, clBtnHighlight);
    if (edge & BDR_RAISEDINNER) EdgeLines(canvas, inner, clBtnHighlight, clBtnShadow);
    if (edge & BDR_SUNKENINNER) EdgeLines(canvas, inner, cl3DDkShadow, cl3DLight);
}

void DrawFocusRect(TCanvas& canvas, const TRect& rect) {
    QImage* image = canvas.Target();
    if (!image || image->isNull() || rect.Width() <= 0 || rect.Height() <= 0) return;
    if (image->depth() != 32) return;
    canvas.Release();
    const QRect area = canvas.DrawableArea();
    auto invert = [&](int x, int y) {
        if (!area.contains(x, y) || ((x + y) & 1)) return;
        auto* px = reinterpret_cast<QRgb*>(image->scanLine(y)) + x;
        *px ^= 0x00FFFFFFu;
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        invert(x, rect.Top);
        if (rect.Bottom - 1 != rect.Top) invert(x, rect.Bottom - 1);
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        invert(rect.Left, y);
        if (rect.Right - 1 != rect.Left) invert(rect.Right - 1, y);
    }
    canvas.Changed(rect.ToQRect());
}
