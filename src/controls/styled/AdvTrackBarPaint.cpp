// The fader's painting: background, groove, tick marks, thumb, step buttons, value label,
// rating pictures and focus rectangle.
#include "AdvTrackBar.h"
#include "ui/ProgramLook.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace trackbar_rects;

namespace {


void StrokeLine(TCanvas& c, TColor color, int x1, int y1, int x2, int y2) {
    c.Pen.Color = color;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Fill(TCanvas& c, TColor color, const QRect& r) {
    c.Brush.Color = color;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect{r.x(), r.y(), Right(r), Bottom(r)});
}

// The colours of one state of a thumb or button.
struct Look {
    TColor border, color, colorTo, mirror, mirrorTo;
};

QRectF RectF(const QRect& r) { return QRectF(r.x(), r.y(), r.width(), r.height()); }

// One half of the glossy fill, inside the current clip.
void GlossyHalf(TGPGraphics& g, const QRectF& r, TColor base, TColor other, TGDIPGradient kind, bool upper) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const TGPRectF gr{float(r.x()), float(r.y()), float(r.width()), float(r.height())};
    if (kind == ggRadial) {
        TGPSolidBrush solid(OpaqueArgb(base));
        g.FillRectangle(&solid, gr);
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(gr.X - gr.Width / 4, upper ? gr.Y - gr.Height : gr.Y, gr.Width * 1.5f, gr.Height * 2);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterPoint(TGPPointF{gr.X + gr.Width / 2, upper ? gr.Y : gr.Y + gr.Height});
        brush.SetCenterColor(OpaqueArgb(other));
        ARGB surround = OpaqueArgb(base);
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        g.FillRectangle(&brush, gr);
        return;
    }
    const LinearGradientMode mode = kind == ggDiagonalForward    ? LinearGradientModeForwardDiagonal
                                    : kind == ggDiagonalBackward ? LinearGradientModeBackwardDiagonal
                                                                 : LinearGradientModeVertical;
    TGPLinearGradientBrush brush(gr, OpaqueArgb(base), OpaqueArgb(other), mode);
    g.FillRectangle(&brush, gr);
}

// The two-half glossy fill over r (upper half Color to ColorTo, lower half the mirror pair).
void GlossyFill(TGPGraphics& g, const QRectF& r, const Look& look, TGDIPGradient upper, TGDIPGradient lower) {
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const double h = r.height() / 2;
    GlossyHalf(g, QRectF(r.x(), r.y() + h, r.width(), r.height() - h), look.mirror, look.mirrorTo, lower, false);
    GlossyHalf(g, QRectF(r.x(), r.y(), r.width(), h), look.color, look.colorTo, upper, true);
}

}  // namespace

TColor BlendColor(TColor a, TColor b, int percent) {
    if (percent >= 100) return a;
    if (percent <= 0) return b;
    return MixColors(a, b, percent / 100.0);
}

void DrawBandedGradient(TCanvas& canvas, TColor a, TColor b, int n, const QRect& r, TGradientDirection direction) {
    if (n <= 0) n = 1;
    if (direction == gdHorizontalInOut || direction == gdVerticalInOut) {
        const bool horizontal = direction == gdHorizontalInOut;
        const QRect first = horizontal ? QRect(r.x(), r.y(), r.width() / 2, r.height())
                                       : QRect(r.x(), r.y(), r.width(), r.height() / 2);
        const QRect second = horizontal ? LTRB(Right(first), r.y(), Right(r), Bottom(r))
                                        : LTRB(r.x(), Bottom(first), Right(r), Bottom(r));
        const TGradientDirection d = horizontal ? gdHorizontal : gdVertical;
        DrawBandedGradient(canvas, a, b, n, first, d);
        DrawBandedGradient(canvas, b, a, n, second, d);
        return;
    }
    const TColor ca = ColorToRGB(a), cb = ColorToRGB(b);
    const bool horizontal = direction == gdHorizontal;
    const int nearEdge = horizontal ? r.x() : r.y();
    const int farEdge = (horizontal ? Right(r) : Bottom(r)) - 1;
    const double w = double(farEdge - nearEdge) / n;
    for (int k = 0; k < n; ++k) {
        auto channel = [&](int x, int y) { return x + int(std::nearbyint(double(k) * (y - x) / n)); };
        const TColor c = RGBColor(channel(GetRValue(ca), GetRValue(cb)), channel(GetGValue(ca), GetGValue(cb)),
                                  channel(GetBValue(ca), GetBValue(cb)));
        const int from = nearEdge + int(std::nearbyint(k * w));
        const int to = std::min(from + int(std::nearbyint(w)) + 1, horizontal ? Right(r) : Bottom(r));
        Fill(canvas, c, horizontal ? LTRB(from, r.y(), to, Bottom(r)) : LTRB(r.x(), from, Right(r), to));
    }
}

void Draw3DFrame(TCanvas& c, const QRect& rect, TColor dark, TColor light) {
    const int l = rect.x(), t = rect.y(), r = Right(rect), b = Bottom(rect);
    if (b - t > 2) StrokeLine(c, dark, l, t, l, b);
    StrokeLine(c, dark, l, t, r, t);
    StrokeLine(c, dark, r - 2, t, r - 2, b - 2);
    StrokeLine(c, dark, r - 2, b - 2, l, b - 2);
    StrokeLine(c, light, l + 1, b - 1, r - 1, b - 1);
    StrokeLine(c, light, r - 1, b - 1, r - 1, t - 1);
    StrokeLine(c, light, l + 1, b - 1, l + 1, t + 1);
    StrokeLine(c, light, l + 1, t + 1, r - 2, t + 1);
}

void TCustomTrackBar::Paint() {
    TCanvas& canvas = Canvas();
    PaintBackground(canvas);
    if (RatingMode()) {
        PaintRating(canvas);
    } else {
        PaintLabel(canvas);
        DrawSlider(canvas);
        PaintTicks(canvas);
        DrawThumb(canvas);
        PaintButtons(canvas);
    }
    if (Focused() && FShowFocus) PaintFocus(canvas);
}

void TCustomTrackBar::PaintBackground(TCanvas& canvas) {
    const bool enabled = isEnabled();
    TGDIPPicture& picture = !enabled && !FBackGroundDisabled.Empty() ? FBackGroundDisabled : FBackGround;
    const TColor c1 = enabled ? Color() : FColorDisabled, c2 = enabled ? FColorTo : FColorDisabledTo;
    const TColor border = enabled ? FBorderColor : FBorderColorDisabled;
    if (!picture.Empty()) {
        picture.GetImageSizes();
        if (FBackGroundStretched)
            picture.Draw(canvas, TRect{0, 0, width(), height()});
        else
            picture.Draw(canvas, TRect{0, 0, picture.Width(), picture.Height()});
    } else if (!FTransparent) {
        if (c1 != clNone && c2 != clNone)
            DrawBandedGradient(canvas, c1, c2, 80, rect(), FDirection);
        else if (c1 != clNone)
            Fill(canvas, c1, rect());
    }
    if (border != clNone && FFrameWidth >= 1) {
        canvas.Pen.Color = border;
        canvas.Pen.Width = FFrameWidth;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(0, 0, width(), height());
        canvas.Pen.Width = 1;
        canvas.Brush.Style = bsSolid;
    }
}

void TCustomTrackBar::DrawSlider(TCanvas& canvas) {
    if (RatingMode() || !FSlider->Visible() || FSlider->Size() <= 0) return;
    const QRect G = GrooveRect();
    const bool enabled = isEnabled();
    TTrackBarSlider& s = *FSlider;
    TGDIPPicture& picture = !enabled && !s.PictureDisabled().Empty() ? s.PictureDisabled() : s.Picture();
    TGDIPPicture& completedPicture = enabled ? s.PictureCompleted() : s.PictureCompletedDisabled();
    const TColor border = enabled ? s.BorderColor() : s.BorderColorDisabled();
    const TColor c1 = enabled ? s.Color() : s.ColorDisabled(), c2 = enabled ? s.ColorTo() : s.ColorDisabledTo();
    const TColor k1 = enabled ? s.ColorCompleted() : s.ColorCompletedDisabled();
    const TColor k2 = enabled ? s.ColorCompletedTo() : s.ColorCompletedDisabledTo();
    QRect completed, remaining = G;
    if (k1 != clNone || !completedPicture.Empty()) {
        const QRect thumb = GetThumbRect();
        const int split = (Vertical() ? thumb.y() : thumb.x()) + FThumb->Width() / 2;
        if (FPosition == FMin) {
            completed = QRect();
        } else if (FPosition == FMax) {
            completed = G;
            remaining = QRect();
        } else if (Vertical()) {
            completed = LTRB(G.x(), split, Right(G), Bottom(G));
            remaining = LTRB(G.x(), G.y(), Right(G), split + 1);
        } else {
            completed = LTRB(G.x(), G.y(), split, Bottom(G));
            remaining = LTRB(split - 1, G.y(), Right(G), Bottom(G));
        }
    }
    QPainter* p = canvas.Painter();
    const bool noPicture = picture.Empty();
    if (s.Rounded() && noPicture && p) {
        QPainterPath clip;
        clip.addRoundedRect(RectF(G), 3.5, 3.5);
        p->setClipPath(clip);
    }
    auto pair = [&](const QRect& part, TColor a, TColor b) {
        if (part.isEmpty()) return;
        if (a != clNone && b != clNone)
            DrawBandedGradient(canvas, a, b, 20, part, s.Direction());
        else if (a != clNone)
            Fill(canvas, a, part);
    };
    auto pictureOver = [&](TGDIPPicture& pic, const QRect& part) {
        if (pic.Empty() || part.isEmpty()) return;
        pic.GetImageSizes();
        if (s.PictureStretched()) {
            pic.Draw(canvas, TRect{part.x(), part.y(), Right(part), Bottom(part)});
        } else if (part.x() > 0 && Right(part) > 0 && p) {
            p->save();
            p->setClipRect(part, Qt::IntersectClip);
            pic.Draw(canvas, TRect{G.x(), G.y(), G.x() + pic.Width(), G.y() + pic.Height()});
            p = canvas.Painter();
            if (p) p->restore();
        }
    };
    if (noPicture) {
        pair(completed, k1, k2);
        pair(remaining, c1, c2);
    } else {
        pictureOver(completedPicture, completed);
        pictureOver(picture, remaining);
    }
    p = canvas.Painter();
    if (p) p->setClipping(false);
    if (border == clNone) return;
    if (s.Rounded() && p) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setBrush(Qt::NoBrush);
        p->setPen(QPen(ToQColor(ColorToRGB(border)), 1));
        p->drawRoundedRect(RectF(G).adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
        if (s.Border3D()) {
            p->setPen(QPen(Qt::white, 1));
            p->drawRoundedRect(RectF(G).adjusted(1.5, 1.5, -1.5, -1.5), 3.5, 3.5);
        }
        p->setRenderHint(QPainter::Antialiasing, false);
        canvas.Changed(G);
    } else if (s.Border3D()) {
        Draw3DFrame(canvas, G, border, BlendColor(border, clWhite, 10));
    } else {
        canvas.Pen.Color = border;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(G.x(), G.y(), Right(G), Bottom(G));
        canvas.Brush.Style = bsSolid;
    }
}

void TCustomTrackBar::PaintTicks(TCanvas& canvas) {
    if (RatingMode() || FTickMark->Size() <= 0 || FTickMark->Style() != tsAuto) return;
    const TTrackBarTick& t = *FTickMark;
    QRect rows[2];
    GetTopLeftTickRect(rows[0]);
    GetBottomRightTickRect(rows[1]);
    const int L = GetThumbLength();
    int last = FMax;
    if (!OnDrawTick && !t.ShowText()) {
        const QRect& ref = t.Position() == tmTopLeft ? rows[0] : rows[1];
        const int c = Vertical() ? ref.y() : ref.x();
        last = std::min(FMax, (std::max(width(), height()) - 2 * c) / 2);
    }
    const double scale = last == FMin ? 0.0 : double(TrackLength() - L) / (double(last) - FMin);
    const int H = t.ShowText() ? TickTextHeight() : 0;
    const QFontMetrics fm(t.Font().ToQFont());
    for (int rowIndex = 0; rowIndex < 2; ++rowIndex) {
        const QRect row = rows[rowIndex];
        if (row.isEmpty()) continue;
        const TTickMarkPosition which = rowIndex == 0 ? tmTopLeft : tmBottomRight;
        int previous = 0;
        bool first = true;
        for (int i = FMin; i <= last; ++i) {
            const int pixel = int(std::trunc((double(i) - FMin) * scale));
            if (!OnDrawTick && !first && pixel <= previous + 1) continue;
            first = false;
            previous = pixel;
            bool draw = true;
            int length = t.Size();
            TColor color = isEnabled() ? t.Color() : t.ColorDisabled();
            TColor textColor = t.Font().Color();
            QString text;
            if (t.ShowText()) {
                text = QString::number(i);
                if (OnGetTickMarkText) OnGetTickMarkText(this, i, text);
            }
            const int along = Vertical() ? Bottom(row) - pixel : row.x() + pixel;
            if (OnDrawTick)
                OnDrawTick(this, canvas, Vertical() ? QPoint(row.x(), along) : QPoint(along, row.y()), i, which,
                           length, color, textColor, text, draw);
            if (t.ShowImageAtThumbOnly() && i != FPosition) draw = false;
            if (t.ShowImageAtSteps() > 1 && i % t.ShowImageAtSteps() != 0) draw = false;
            if (!draw) continue;
            int a0, a1;
            if (which == tmTopLeft) {
                a0 = (Vertical() ? row.x() : row.y()) + H;
                a1 = a0 + length;
            } else {
                a1 = (Vertical() ? Right(row) : Bottom(row)) - H;
                a0 = a1 - length;
            }
            if (FTickImages && FTickImages->Count() > 0) {
                // The tick's image, centred where its line would be.
                const int index = i < FTickImages->Count() ? i : 0;
                const int mid = (a0 + a1) / 2;
                const int x = Vertical() ? mid : along, y = Vertical() ? along : mid;
                FTickImages->Draw(canvas, x - FTickImages->Width() / 2, y - FTickImages->Height() / 2, index,
                                  isEnabled());
            } else if (Vertical()) {
                StrokeLine(canvas, color, a0, along, a1, along);
                if (t.Line3D()) StrokeLine(canvas, BlendColor(color, clWhite, 10), a0, along - 1, a1, along - 1);
            } else {
                StrokeLine(canvas, color, along, a0, along, a1);
                if (t.Line3D()) StrokeLine(canvas, BlendColor(color, clWhite, 10), along + 1, a0, along + 1, a1);
            }
            if (t.ShowText() && !text.isEmpty()) {
                canvas.Font = t.Font();
                canvas.Font.SetColor(textColor);
                canvas.Brush.Style = bsClear;
                const int w = fm.horizontalAdvance(text);
                if (Vertical() && t.RotateFontVert()) {
                    // Turned text: reading upward in the top/left row, downward in the other.
                    const bool up = which == tmTopLeft;
                    const QPoint start = up ? QPoint(row.x() + 2, along + w / 2) : QPoint(Right(row), along - w / 2);
                    QPainter* p = canvas.Painter();
                    if (p) {
                        p->save();
                        p->setFont(t.Font().ToQFont());
                        p->setPen(ToQColor(ColorToRGB(textColor)));
                        p->translate(start);
                        p->rotate(up ? -90 : 90);
                        p->drawText(QRect(0, 0, w, fm.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                    text);
                        p->restore();
                        canvas.Changed(up ? QRect(start.x(), start.y() - w, fm.height(), w)
                                          : QRect(start.x() - fm.height(), start.y(), fm.height(), w));
                    }
                } else if (Vertical())
                    canvas.TextOut(which == tmTopLeft ? row.x() + H - w - 2 : row.x() + t.Size() + 2, along - H / 2,
                                   text);
                else
                    canvas.TextOut(along - w / 2, which == tmTopLeft ? row.y() + 2 : Bottom(row) - H + 2, text);
                canvas.Brush.Style = bsSolid;
            }
        }
    }
}

void TCustomTrackBar::DrawThumb(TCanvas& canvas) {
    if (RatingMode() || FThumb->Size() < 1) return;
    if (!FThumb->ShowAtMinMax() && (FPosition == FMin || FPosition == FMax)) return;
    TTrackBarThumb& t = *FThumb;
    Look look{t.BorderColor(), t.Color(), t.ColorTo(), t.ColorMirror(), t.ColorMirrorTo()};
    TGDIPPicture* picture = nullptr;
    if (FThumbDown) {
        look = {t.BorderColorDown(), t.ColorDown(), t.ColorDownTo(), t.ColorMirrorDown(), t.ColorMirrorDownTo()};
        if (!t.PictureDown().Empty()) picture = &t.PictureDown();
    } else if (FThumbHot) {
        look = {t.BorderColorHot(), t.ColorHot(), t.ColorHotTo(), t.ColorMirrorHot(), t.ColorMirrorHotTo()};
        if (!t.PictureHot().Empty()) picture = &t.PictureHot();
    }
    if (!isEnabled()) {
        look = {t.BorderColorDisabled(), t.ColorDisabled(), t.ColorDisabledTo(), t.ColorMirrorDisabled(),
                t.ColorMirrorDisabledTo()};
        if (!t.PictureDisabled().Empty()) picture = &t.PictureDisabled();
    }
    if (!picture && !t.Picture().Empty()) picture = &t.Picture();
    const QRect r = GetThumbRect();
    if (picture) {
        picture->GetImageSizes();
        picture->Draw(canvas, TRect{r.x(), r.y(), r.x() + picture->Width(), r.y() + picture->Height()});
        return;
    }
    // The shape's outline.
    const double x0 = r.x(), y0 = r.y(), x1 = Right(r) - 1, y1 = Bottom(r) - 1;
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    const double tip = t.Width() / 2.0;
    QPainterPath shape;
    const TTickMarkPosition side = FTickMark->Position();
    switch (t.Shape()) {
    case tsPointer:
    case tsPointerLeftUp:
    case tsPointerRightUp: {
        const bool toFar = t.Shape() == tsPointerRightUp || (t.Shape() == tsPointer && side != tmTopLeft);
        const bool toNear = t.Shape() == tsPointerLeftUp || (t.Shape() == tsPointer && side != tmBottomRight);
        QPolygonF poly;
        if (Vertical()) {
            poly << QPointF(toNear ? x0 + tip : x0, y0) << QPointF(toFar ? x1 - tip : x1, y0);
            if (toFar) poly << QPointF(x1, my);
            poly << QPointF(toFar ? x1 - tip : x1, y1) << QPointF(toNear ? x0 + tip : x0, y1);
            if (toNear) poly << QPointF(x0, my);
        } else {
            poly << QPointF(x0, toNear ? y0 + tip : y0);
            if (toNear) poly.insert(0, QPointF(mx, y0));
            poly << QPointF(x0, toFar ? y1 - tip : y1);
            if (toFar) poly << QPointF(mx, y1);
            poly << QPointF(x1, toFar ? y1 - tip : y1) << QPointF(x1, toNear ? y0 + tip : y0);
        }
        shape.addPolygon(poly);
        shape.closeSubpath();
        break;
    }
    case tsRectangle: shape.addRoundedRect(QRectF(x0, y0, x1 - x0, y1 - y0), 0.5, 0.5); break;
    case tsRoundRect: shape.addRoundedRect(QRectF(x0, y0, x1 - x0, y1 - y0), 4, 4); break;
    case tsRound: {
        const double k = t.Size() / 4.0;
        shape.addRoundedRect(QRectF(x0, y0, x1 - x0, y1 - y0), k, k);
        break;
    }
    case tsLine: break;
    case tsTriangle:
    case tsTriangleLeft:
    case tsTriangleRight: {
        QPolygonF poly;
        if (t.Shape() == tsTriangle && side == tmBoth) {
            poly << QPointF(mx, y0) << QPointF(x1, my) << QPointF(mx, y1) << QPointF(x0, my);
        } else {
            // The direction of the tip: 0 right, 1 left, 2 up, 3 down.
            int dir;
            if (t.Shape() == tsTriangle)
                dir = Vertical() ? (side == tmTopLeft ? 0 : 1) : (side == tmTopLeft ? 2 : 3);
            else if (t.Shape() == tsTriangleLeft)
                dir = Vertical() ? 2 : 0;
            else
                dir = Vertical() ? 3 : 1;
            switch (dir) {
            case 0: poly << QPointF(x0, y0) << QPointF(x1, my) << QPointF(x0, y1); break;
            case 1: poly << QPointF(x1, y0) << QPointF(x0, my) << QPointF(x1, y1); break;
            case 2: poly << QPointF(x0, y1) << QPointF(mx, y0) << QPointF(x1, y1); break;
            default: poly << QPointF(x0, y0) << QPointF(mx, y1) << QPointF(x1, y0); break;
            }
        }
        shape.addPolygon(poly);
        shape.closeSubpath();
        break;
    }
    }
    if (t.Shape() == tsLine) {
        const int m = t.Width() / 2;
        for (int k = -1; k <= 2; ++k) {
            const TColor c = k == -1 ? look.colorTo : k == 0 ? look.color : k == 1 ? BlendColor(look.color, clWhite, 60)
                                                                                    : BlendColor(look.color, clWhite, 10);
            if (Vertical()) StrokeLine(canvas, c, r.x(), r.y() + m + k, Right(r), r.y() + m + k);
            else StrokeLine(canvas, c, r.x() + m + k, r.y(), r.x() + m + k, Bottom(r));
        }
        return;
    }
    // Fill inside the shape.
    QPainter* p = canvas.Painter();
    if (!p) return;
    p->save();
    p->setClipPath(shape.translated(0.5, 0.5));
    if (look.color != clNone && look.colorTo != clNone) {
        if (look.mirror == clNone || look.mirrorTo == clNone) {
            p->restore();
            p = canvas.Painter();
            p->save();
            p->setClipPath(shape.translated(0.5, 0.5));
            // The gradient kinds map in order onto the four directions.
            DrawBandedGradient(canvas, look.color, look.colorTo, 64, r,
                               TGradientDirection(gdHorizontal + int(t.Gradient())));
        } else {
            TGPGraphics g(p);
            GlossyFill(g, RectF(r), look, t.Gradient(), t.GradientMirror());
        }
    } else if (look.color != clNone) {
        Fill(canvas, look.color, r);
    }
    p = canvas.Painter();
    p->restore();
    // Outline: a white highlight just inside, the border on the edge, and a grip line.
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setBrush(Qt::NoBrush);
    const QPainterPath inner = shape.translated(0.5, 0.5);
    QTransform shrink;
    const QPointF c = inner.boundingRect().center();
    const QRectF b = inner.boundingRect();
    if (b.width() > 2 && b.height() > 2)
        shrink.translate(c.x(), c.y()).scale((b.width() - 2) / b.width(), (b.height() - 2) / b.height()).translate(-c.x(), -c.y());
    p->setPen(QPen(QColor(255, 255, 255, 200), 1));
    p->drawPath(shrink.map(inner));
    p->setPen(QPen(ToQColor(ColorToRGB(look.border)), 1));
    p->drawPath(inner);
    p->setRenderHint(QPainter::Antialiasing, false);
    if (t.Shape() == tsRectangle) {
        // A white rectangle one more pixel inside the border.
        p->setPen(QPen(Qt::white, 1));
        p->drawRect(QRectF(x0 + 2.5, y0 + 2.5, x1 - x0 - 4, y1 - y0 - 4));
    }
    if (t.Shape() == tsRound) {
        // The round thumb has a 4 x 4 dot at its centre in place of a grip line.
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(Qt::NoPen);
        p->setBrush(ToQColor(ColorToRGB(look.border)));
        p->drawRoundedRect(QRectF(std::floor(mx) - 1, std::floor(my) - 1, 4, 4), 2.5, 2.5);
    } else {
        p->setPen(QPen(ToQColor(ColorToRGB(look.border)), 1));
        const int grip = std::max(2, t.Size() / 2 - 2);
        if (Vertical())
            p->drawLine(QPointF(mx - grip / 2.0 + 0.5, my + 0.5), QPointF(mx + grip / 2.0 + 0.5, my + 0.5));
        else
            p->drawLine(QPointF(mx + 0.5, my - grip / 2.0 + 0.5), QPointF(mx + 0.5, my + grip / 2.0 + 0.5));
    }
    p->restore();
    canvas.Changed(r.adjusted(-1, -1, 1, 1));
}

void TCustomTrackBar::PaintButton(TCanvas& canvas, const QRect& r, bool isMax) {
    TTrackBarButtons& b = *FButtons;
    const bool down = isMax ? FMaxButtonDown : FMinButtonDown, hot = isMax ? FMaxButtonHot : FMinButtonHot;
    Look look{b.BorderColor(), b.Color(), b.ColorTo(), b.ColorMirror(), b.ColorMirrorTo()};
    TGDIPPicture* picture = isMax ? &b.MaxPicture() : &b.MinPicture();
    if (down) {
        look = {b.BorderColorDown(), b.ColorDown(), b.ColorDownTo(), b.ColorMirrorDown(), b.ColorMirrorDownTo()};
        picture = isMax ? &b.MaxPictureDown() : &b.MinPictureDown();
    } else if (hot) {
        look = {b.BorderColorHot(), b.ColorHot(), b.ColorHotTo(), b.ColorMirrorHot(), b.ColorMirrorHotTo()};
        picture = isMax ? &b.MaxPictureHot() : &b.MinPictureHot();
    }
    if (!picture->Empty()) {
        picture->GetImageSizes();
        QPainter* p = canvas.Painter();
        if (!p) return;
        p->save();
        if (!Vertical()) p->setClipRect(r);
        picture->Draw(canvas, TRect{r.x(), r.y(), r.x() + picture->Width(), r.y() + picture->Height()});
        p = canvas.Painter();
        if (p) p->restore();
        return;
    }
    QPainter* p = canvas.Painter();
    if (!p) return;
    p->save();
    const int s = b.Size();
    QRectF area = RectF(r);
    QPainterPath outline;
    if (b.Shape() == bsRound) {
        area = Vertical() ? QRectF(r.x() + (r.width() - s) / 2, r.y(), s, s) : QRectF(r.x(), r.y() + (r.height() - s) / 2, s, s);
        outline.addRoundedRect(area, s / 2.0, s / 2.0);
    } else {
        outline.addRect(area);
    }
    p->setClipPath(outline);
    {
        TGPGraphics g(p);
        GlossyFill(g, area, look, b.Gradient(), b.GradientMirror());
    }
    p->setClipping(false);
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setBrush(Qt::NoBrush);
    p->setPen(QPen(ToQColor(BlendColor(look.border, clWhite, 30)), 1));
    p->drawPath(outline.translated(0.5, 0.5));
    p->setPen(QPen(ToQColor(ColorToRGB(look.border)), 1));
    if (b.Shape() == bsRound)
        p->drawRoundedRect(area.adjusted(1.5, 1.5, -0.5, -0.5), s / 2.0 - 1, s / 2.0 - 1);
    else
        p->drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    // The mark: a minus on the min button, a plus on the max button.
    const QPointF c = area.center();
    const double barLength = s / 2;
    p->setPen(QPen(ToQColor(ColorToRGB(look.border)), 1));
    p->setBrush(ToQColor(ColorToRGB(look.color)));
    const bool upright = !isMax && Vertical() && b.RotateText();
    if (!isMax) {
        const QRectF bar = upright ? QRectF(c.x() - 2, c.y() - barLength / 2, 4, barLength)
                                   : QRectF(c.x() - barLength / 2, c.y() - 2, barLength, 4);
        p->drawRect(bar);
    } else {
        int stroke = s / 2 - 4;
        if (stroke % 2) ++stroke;
        stroke += 4;
        QPainterPath plus;
        plus.addRect(QRectF(c.x() - stroke / 2.0, c.y() - 2, stroke, 4));
        plus.addRect(QRectF(c.x() - 2, c.y() - stroke / 2.0, 4, stroke));
        p->drawPath(plus.simplified());
    }
    p->restore();
    canvas.Changed(r);
}

void TCustomTrackBar::PaintButtons(TCanvas& canvas) {
    if (RatingMode() || !FButtons->Visible()) return;
    PaintButton(canvas, MinButtonRect(), false);
    PaintButton(canvas, MaxButtonRect(), true);
}

void TCustomTrackBar::PaintLabel(TCanvas& canvas) {
    if (!FTrackLabel->Visible()) return;
    const QRect area = LabelTextRect();
    const QString text = GetLabelText();
    QPainter* p = canvas.Painter();
    if (!p || area.isEmpty()) return;
    p->save();
    p->setFont(FTrackLabel->Font().ToQFont());
    p->setPen(ToQColor(ColorToRGB(FTrackLabel->Font().Color())));
    const TLabelPosition pos = FTrackLabel->Position();
    const bool left = pos == lpTopLeft || pos == lpBottomLeft, right = pos == lpTopRight || pos == lpBottomRight;
    if (Vertical()) {
        // Turned text, reading upward, 3 pixels inside the strip.
        p->translate(area.x() + 3, Bottom(area));
        p->rotate(-90);
        const int flags = (left ? Qt::AlignLeft : right ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignTop;
        p->drawText(QRect(0, 0, area.height(), area.width()), flags, text);
    } else {
        const bool top = pos <= lpTopRight;
        const int flags = (left ? Qt::AlignLeft : right ? Qt::AlignRight : Qt::AlignHCenter) |
                          (top ? Qt::AlignVCenter : Qt::AlignBottom) | Qt::TextSingleLine;
        p->drawText(area, flags, text);
    }
    p->restore();
    canvas.Changed(area);
}

void TCustomTrackBar::PaintRating(TCanvas& canvas) {
    FRateActive.GetImageSizes();
    FRateInActive.GetImageSizes();
    for (int v = FMin + 1; v <= FMax; ++v) {
        const QRect cell = RateCell(v);
        if (cell.isEmpty()) break;
        if (cell.x() <= 0 || Bottom(cell) <= 0) continue;
        TGDIPPicture& pic = v <= FPosition ? FRateActive : FRateInActive;
        pic.Draw(canvas, TRect{cell.x(), cell.y(), cell.x() + pic.Width(), cell.y() + pic.Height()});
    }
}

void TCustomTrackBar::PaintFocus(TCanvas& canvas) {
    ProgramLook::PaintFocusFrame(canvas, TRect{0, 0, width(), height()});
}
