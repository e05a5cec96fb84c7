#include "FrameGraphics.h"

#include "graphics/GradientFill.h"
#include "graphics/RasterOps.h"
#include "ui/ParentBackground.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// One colour channel stepped in 16.16 fixed point: `steps` values from `from`, each adding
// ((to - from) << 16) / steps.
struct FixedChannel {
    std::int64_t value;
    std::int64_t step;
    FixedChannel(int from, int to, int steps)
        : value(std::int64_t(from) << 16), step(steps > 0 ? (std::int64_t(to - from) << 16) / steps : 0) {}
    int Get() const { return int(value >> 16); }
    void Next() { value += step; }
};

struct FixedColor {
    FixedChannel r, g, b;
    FixedColor(TColor from, TColor to, int steps)
        : r(GetRValue(from), GetRValue(to), steps), g(GetGValue(from), GetGValue(to), steps),
          b(GetBValue(from), GetBValue(to), steps) {}
    TColor Get() const { return RGBColor(r.Get(), g.Get(), b.Get()); }
    void Next() {
        r.Next();
        g.Next();
        b.Next();
    }
};

// `count` colours from `from` to `to` (the last one is `to` itself).
std::vector<TColor> Ramp(TColor from, TColor to, int count) {
    std::vector<TColor> colors;
    if (count <= 0) return colors;
    FixedColor c(from, to, std::max(1, count - 1));
    for (int i = 0; i < count; ++i, c.Next()) colors.push_back(c.Get());
    colors.back() = count > 1 ? to : from;
    return colors;
}

void Fill(TCanvas& canvas, int l, int t, int r, int b, TColor color) {
    if (r <= l || b <= t) return;
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(Rect(l, t, r, b));
}

// The source line for destination line d of a stretched copy: one to one, the last source
// line repeated when the destination is longer (so a mirrored copy stays symmetric), the
// line under the destination line's centre when it is shorter.
int SourceLine(int d, int sourceLength, int destLength) {
    if (destLength >= sourceLength) return std::min(d, sourceLength - 1);
    return int((std::int64_t(d) * 2 + 1) * sourceLength / (std::int64_t(destLength) * 2));
}

// Copies a block of the canvas's own image, mirrored horizontally and/or vertically and
// stretched to the destination size.
void CopyMirrored(TCanvas& canvas, const QRect& from, const QRect& to, bool flipX, bool flipY) {
    QImage* image = canvas.Target();
    if (!image || from.isEmpty() || to.isEmpty()) return;
    canvas.Release();
    const QImage src = image->copy(from);
    const QRect area = to.intersected(image->rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int dy = y - to.top();
        if (flipY) dy = to.height() - 1 - dy;
        const int sy = SourceLine(dy, from.height(), to.height());
        auto* row = reinterpret_cast<QRgb*>(image->scanLine(y));
        const auto* srow = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        for (int x = area.left(); x <= area.right(); ++x) {
            int dx = x - to.left();
            if (flipX) dx = to.width() - 1 - dx;
            row[x] = srow[SourceLine(dx, from.width(), to.width())];
        }
    }
    canvas.Changed(area);
}

}  // namespace

namespace {

// The source area of the bitmap at the destination size, and its mask (transparent pixels
// white, all others black); false when there is nothing to draw.
bool WorkAndMask(const TBitmap& bitmap, const TRect& dest, TColor transparent, const TRect& source, TBitmap& work,
                 TBitmap& mask) {
    const int dw = dest.Width(), dh = dest.Height();
    if (bitmap.Empty() || dw <= 0 || dh <= 0 || source.Width() <= 0 || source.Height() <= 0) return false;
    work.SetSize(dw, dh);
    StretchBlt(work.Canvas(), Rect(0, 0, dw, dh), bitmap, source, SRCCOPY);
    MakeMonoMask(mask, work, transparent);
    return true;
}

}  // namespace

void DrawMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent,
                      const TRect& source) {
    TBitmap work, mask;
    if (!WorkAndMask(bitmap, dest, transparent, source, work, mask)) return;
    const int dw = dest.Width(), dh = dest.Height();
    if (ColorToRGB(transparent) != clBlack) {
        // Blacken the transparent pixels of the picture, so ORing it adds nothing there.
        work.Canvas().Brush.Color = clBlack;
        work.Canvas().Font.SetColor(clWhite);
        BitBlt(work.Canvas(), 0, 0, dw, dh, mask, 0, 0, SRCAND);
    }
    // Cut the picture's shape out of the background (the mask's white takes the brush
    // colour, its black the font colour), then lay the picture in.
    BitBlt(canvas, dest.Left, dest.Top, dw, dh, mask, 0, 0, SRCAND);
    BitBlt(canvas, dest.Left, dest.Top, dw, dh, work, 0, 0, SRCPAINT);
}

void StretchMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent) {
    DrawMaskedBitmap(canvas, bitmap, dest, transparent, Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

void TileMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent) {
    const int bw = bitmap.Width(), bh = bitmap.Height();
    if (bw <= 0 || bh <= 0) return;
    for (int y = dest.Top; y < dest.Bottom; y += bh) {
        const int h = std::min(bh, dest.Bottom - y);
        for (int x = dest.Left; x < dest.Right; x += bw) {
            const int w = std::min(bw, dest.Right - x);
            DrawMaskedBitmap(canvas, bitmap, Rect(x, y, x + w, y + h), transparent, Rect(0, 0, w, h));
        }
    }
}

void FitMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent,
                     const TRect& source) {
    TBitmap work, mask;
    if (!WorkAndMask(bitmap, dest, transparent, source, work, mask)) return;
    TransparentStretchBlt(canvas, dest, work, Rect(0, 0, work.Width(), work.Height()), mask);
}

void FillGradient(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop,
                  int granularity) {
    switch (direction) {
    case gdHorizontalEnd: GradientFillRect(canvas, rect, start, stop, true); break;
    case gdVerticalEnd: GradientFillRect(canvas, rect, start, stop, false); break;
    default: PaintGradientShape(canvas, rect, direction, start, stop, granularity); break;
    }
}

void PaintGradientShape(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start,
                        TColor stop, int granularity) {
    Q_UNUSED(granularity);
    const int w = std::abs(rect.Width()), h = std::abs(rect.Height());
    if (w == 0 || h == 0) return;
    start = ColorToRGB(start);
    stop = ColorToRGB(stop);
    TBitmap shape;
    shape.SetSize(w, h);
    TCanvas& c = shape.Canvas();
    c.Pen.Style = psClear;
    c.Brush.Style = bsSolid;
    switch (direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
        if (start == stop)
            Fill(c, 0, 0, w, h, start);
        else
            FillDiagonalBands(c, w, h, direction == gdDiagonalUp, start, stop);
        break;
    case gdHorizontalCenter:
        FillLinearBands(c, w, h, true, start, stop);
        ReplicateStrip(c, 8, w, h, true);
        break;
    case gdVerticalCenter:
        FillLinearBands(c, w, h, false, start, stop);
        ReplicateStrip(c, 8, h, w, false);
        break;
    case gdHorizontalBox:
    case gdVerticalBox:
    case gdSquareBox:
    case gdBigSquareBox: {
        if (direction == gdHorizontalBox || direction == gdSquareBox) Fill(c, 0, 0, w, h, start);
        const int ix = direction == gdHorizontalBox || direction == gdBigSquareBox ? w / 4 : 0;
        const int iy = direction == gdVerticalBox || direction == gdBigSquareBox ? h / 4 : 0;
        FillBoxBands(c, w, h, ix, iy, start, stop);
        MirrorQuarter(c, w, h);
        break;
    }
    case gdHorizontalEnd:
    case gdVerticalEnd:
        GradientFillRect(c, Rect(0, 0, w, h), start, stop, direction == gdHorizontalEnd);
        break;
    default: return;  // the styled controls' directions are no shapes of these
    }
    const int left = std::min(rect.Left, rect.Right), top = std::min(rect.Top, rect.Bottom);
    BitBlt(canvas, left, top, w, h, shape, 0, 0, SRCCOPY);
}

void FillLinearBands(TCanvas& canvas, int width, int height, bool alongHeight, TColor start, TColor stop) {
    const int length = alongHeight ? height : width;
    const int middle = length / 2;
    // A band of the 8-pixel strip at positions [a, b) along the length.
    const auto band = [&](int a, int b, TColor color) {
        if (alongHeight)
            Fill(canvas, 0, a, std::min(8, width), b, color);
        else
            Fill(canvas, a, 0, b, std::min(8, height), color);
    };
    // Walks positions `from` down to `to` (1-based) with colours from `a` to `b`, filling one
    // band per run of equal colour.
    const auto walk = [&](int from, int to, TColor a, TColor b) {
        const int count = from - to + 1;
        if (count <= 0) return;
        const std::vector<TColor> colors = Ramp(a, b, count);
        int runEnd = from;  // 1-based position at the bottom of the current run
        for (int i = 0; i < count; ++i) {
            const int pos = from - i;
            if (i + 1 == count || colors[std::size_t(i + 1)] != colors[std::size_t(i)]) {
                band(pos - 1, runEnd, colors[std::size_t(i)]);
                runEnd = pos - 1;
            }
        }
    };
    walk(middle + 1, 1, stop, start);
    walk(length, middle + 2, start, stop);
}

void FillBoxBands(TCanvas& canvas, int width, int height, int xInset, int yInset, TColor start, TColor stop) {
    start = ColorToRGB(start);
    stop = ColorToRGB(stop);
    if (start == stop || width < 5 || height <= 4) {
        Fill(canvas, 0, 0, width + 1, height + 1, start);
        return;
    }
    const int hw = (width - 1) / 2, hh = (height - 1) / 2;
    const int x0 = std::max(0, hw - xInset), y0 = std::max(0, hh - yInset);
    const int steps = std::max(x0, y0) + 1;
    FixedColor color(stop, start, steps - 1 > 0 ? steps - 1 : 1);
    // The edges move from (x0, y0) to (0, 0) in `steps` bands; they are computed from the
    // band number, so an edge that has nowhere to go (x0 or y0 of 0) cannot hold the walk
    // up, and the walk ends after `steps` bands whatever the sizes.
    int prevX = hw + 1, prevY = hh + 1;
    for (int k = 0; k < steps; ++k, color.Next()) {
        const int x = steps > 1 ? int(std::int64_t(x0) * (steps - 1 - k) / (steps - 1)) : 0;
        const int y = steps > 1 ? int(std::int64_t(y0) * (steps - 1 - k) / (steps - 1)) : 0;
        const TColor c = k == steps - 1 ? start : color.Get();
        Fill(canvas, x, y, hw + 1, prevY, c);      // horizontal piece
        Fill(canvas, x, prevY, prevX, hh + 1, c);  // vertical piece
        prevX = x;
        prevY = y;
    }
}

void FillDiagonalBands(TCanvas& canvas, int width, int height, bool up, TColor start, TColor stop) {
    QImage* image = canvas.Target();
    if (!image || width <= 0 || height <= 0) return;
    const int steps = int(std::sqrt(double(width) * width + double(height) * height)) + 1;
    // Up: the sweep runs from the bottom-left corner (start) to the top-right one (stop).
    // Down: from the bottom-right corner (stop) to the top-left one (start).
    const std::vector<TColor> colors = up ? Ramp(start, stop, steps) : Ramp(stop, start, steps);
    canvas.Release();
    const QRect area = QRect(0, 0, width, height).intersected(image->rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image->scanLine(y));
        const double fy = (height - (y + 0.5)) / height;  // 0 at the bottom edge
        for (int x = area.left(); x <= area.right(); ++x) {
            const double fx = up ? (x + 0.5) / width : (width - (x + 0.5)) / width;
            // Distance along the sweep, 0 .. 2, cut into `steps` equal bands; band edges
            // are parallel to the other diagonal.
            const int k = std::clamp(int((fx + fy) * steps / 2), 0, steps - 1);
            const TColor c = colors[std::size_t(k)];
            row[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        }
    }
    canvas.Changed(area);
}

void ReplicateStrip(TCanvas& canvas, int strip, int length, int thickness, bool alongWidth) {
    int covered = std::min(strip, length);
    while (covered > 0 && covered < length) {
        const int n = std::min(covered, length - covered);
        const QRect from = alongWidth ? QRect(0, 0, n, thickness) : QRect(0, 0, thickness, n);
        const QRect to = alongWidth ? QRect(covered, 0, n, thickness) : QRect(0, covered, thickness, n);
        CopyMirrored(canvas, from, to, false, false);
        covered += n;
    }
}

void MirrorQuarter(TCanvas& canvas, int width, int height) {
    const int hw = width / 2, hh = height / 2;
    if (hw <= 0 || hh <= 0) return;
    // The top rows upside down into the bottom rows.
    CopyMirrored(canvas, QRect(0, 0, hw, hh), QRect(0, height - hh, hw + 1, hh), false, true);
    // The left columns mirrored into the right ones.
    const int p = hw % 2 == 1 ? 1 : 0;
    if (hw - p > 0) CopyMirrored(canvas, QRect(0, 0, hw - p, height), QRect(width - (hw + p), 0, hw + p, height), true, false);
}

void DrawParentBackground(const QWidget& control, TCanvas& canvas, bool invalidateParent) {
    Q_UNUSED(invalidateParent);
    PaintParentBackground(control, canvas);
}
