#include "graphics/GdiDrawing.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

QString WithoutPrefixes(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

QStringList HardLines(const QString& text) {
    QStringList lines;
    QString current;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        } else {
            current += c;
        }
    }
    lines << current;
    return lines;
}

// Breaks one line at blanks so that each piece fits `width` (a word wider than that stands
// alone on its line).
QStringList WordWrapped(const TCanvas& canvas, const QString& line, int width) {
    QStringList out;
    const QStringList words = line.split(QLatin1Char(' '));
    QString current;
    for (const QString& w : words) {
        const QString candidate = current.isEmpty() ? w : current + QLatin1Char(' ') + w;
        if (!current.isEmpty() && canvas.TextWidth(candidate) > width) {
            out << current;
            current = w;
        } else {
            current = candidate;
        }
    }
    out << current;
    return out;
}

QString Elided(const TCanvas& canvas, QString line, int width) {
    if (canvas.TextWidth(line) <= width) return line;
    const QString dots = QStringLiteral("...");
    while (!line.isEmpty() && canvas.TextWidth(line + dots) > width) line.chop(1);
    return line + dots;
}

}  // namespace

int DrawText(TCanvas& canvas, const QString& text, TRect& rect, unsigned flags) {
    const QString shown = (flags & DT_NOPREFIX) ? text : WithoutPrefixes(text);
    const int lineHeight = canvas.TextHeight(QStringLiteral("Ag"));
    QStringList lines;
    if (flags & DT_SINGLELINE) {
        QString one = shown;
        one.remove(QLatin1Char('\r'));
        one.remove(QLatin1Char('\n'));
        lines << one;
    } else {
        for (const QString& l : HardLines(shown)) {
            if (flags & DT_WORDBREAK)
                lines << WordWrapped(canvas, l, rect.Width());
            else
                lines << l;
        }
    }
    if (flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (QString& l : lines) l = Elided(canvas, l, std::max(0, rect.Width()));
    const int height = lineHeight * int(lines.size());
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const QString& l : lines) widest = std::max(widest, canvas.TextWidth(l));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }
    int y = rect.Top;
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        y = rect.Top + (rect.Height() - lineHeight) / 2;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        y = rect.Bottom - lineHeight;
    const std::optional<TRect> oldClip = canvas.ClipRect();
    if (!(flags & DT_NOCLIP)) {
        TRect clip = rect;
        if (oldClip) {
            clip.Left = std::max(clip.Left, oldClip->Left);
            clip.Top = std::max(clip.Top, oldClip->Top);
            clip.Right = std::min(clip.Right, oldClip->Right);
            clip.Bottom = std::min(clip.Bottom, oldClip->Bottom);
            if (clip.Right < clip.Left) clip.Right = clip.Left;
            if (clip.Bottom < clip.Top) clip.Bottom = clip.Top;
        }
        canvas.SetClipRect(clip);
    }
    for (const QString& l : lines) {
        int x = rect.Left;
        if (flags & DT_CENTER)
            x = rect.Left + (rect.Width() - canvas.TextWidth(l)) / 2;
        else if (flags & DT_RIGHT)
            x = rect.Right - canvas.TextWidth(l);
        canvas.TextOut(x, y, l);
        y += lineHeight;
    }
    if (!(flags & DT_NOCLIP)) {
        if (oldClip)
            canvas.SetClipRect(*oldClip);
        else
            canvas.ClearClipRect();
    }
    return height;
}

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
