#include "graphics/RasterOps.h"

#include <algorithm>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;

QRgb Apply(TRasterOp op, QRgb d, QRgb s, QRgb p) {
    d &= kRgbMask;
    s &= kRgbMask;
    p &= kRgbMask;
    QRgb r = s;
    switch (op) {
    case SRCCOPY: r = s; break;
    case NOTSRCCOPY: r = ~s; break;
    case SRCAND: r = s & d; break;
    case SRCPAINT: r = s | d; break;
    case SRCINVERT: r = s ^ d; break;
    case MERGEPAINT: r = ~s | d; break;
    case DSPDXAX: r = d ^ (s & (p ^ d)); break;
    }
    return (r & kRgbMask) | 0xFF000000u;
}

// Walks the destination pixels of a (possibly stretched) copy, clipped to both images, and
// calls f(destination pixel, source pixel, mask pixel or null).
template <typename F>
void Blit(TCanvas& canvas, const TRect& dest, const QImage& src, const TRect& sr, const QImage* mask, F f) {
    QImage* target = canvas.Target();
    if (!target || target->isNull() || src.isNull()) return;
    const int dw = dest.Width(), dh = dest.Height(), sw = sr.Width(), sh = sr.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    canvas.Release();
    const QRect area = dest.ToQRect().intersected(target->rect());
    if (area.isEmpty()) return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        // The source pixel under the destination pixel's centre.
        const int sy = sr.Top + int((qint64(y - dest.Top) * 2 + 1) * sh / (qint64(dh) * 2));
        if (sy < 0 || sy >= src.height()) continue;
        auto* row = reinterpret_cast<QRgb*>(target->scanLine(y));
        const auto* srow = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        const QRgb* mrow = mask && sy < mask->height() ? reinterpret_cast<const QRgb*>(mask->constScanLine(sy)) : nullptr;
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx = sr.Left + int((qint64(x - dest.Left) * 2 + 1) * sw / (qint64(dw) * 2));
            if (sx < 0 || sx >= src.width()) continue;
            f(row[x], srow[sx], mrow && sx < mask->width() ? &mrow[sx] : nullptr);
        }
    }
    canvas.Changed(area);
}

bool IsWhite(QRgb p) { return (p & kRgbMask) == kRgbMask; }

}  // namespace

void StretchBlt(TCanvas& canvas, const TRect& dest, const TBitmap& source, const TRect& sourceRect, TRasterOp op) {
    const bool mono = source.Monochrome();
    const QRgb bk = ToQColor(canvas.Brush.Color).rgb();
    const QRgb text = ToQColor(canvas.Font.Color()).rgb();
    const QRgb brush = bk;
    Blit(canvas, dest, source.Image(), sourceRect, nullptr, [&](QRgb& d, QRgb s, const QRgb*) {
        if (mono) s = IsWhite(s) ? bk : text;
        d = Apply(op, d, s, brush);
    });
}

void BitBlt(TCanvas& canvas, int x, int y, int w, int h, const TBitmap& source, int sx, int sy, TRasterOp op) {
    StretchBlt(canvas, Rect(x, y, x + w, y + h), source, Rect(sx, sy, sx + w, sy + h), op);
}

void MakeMonoMask(TBitmap& mask, const TBitmap& source, TColor color) {
    mask.Assign(source);
    if (mask.Monochrome()) mask.SetMonochrome(false);
    mask.Canvas().Brush.Color = color;
    mask.SetMonochrome(true);
}

void TransparentStretchBlt(TCanvas& canvas, const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                           const TBitmap& mask) {
    const QImage& m = mask.Image();
    Blit(canvas, dest, source.Image(), sourceRect, &m, [](QRgb& d, QRgb s, const QRgb* mp) {
        if (!mp || !IsWhite(*mp)) d = s | 0xFF000000u;
    });
}

