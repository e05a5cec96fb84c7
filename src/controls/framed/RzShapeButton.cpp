#include "RzShapeButton.h"

#include "ChangedWriter.h"
#include "graphics/DrawText.h"

#include <QBitmap>
#include <QBuffer>
#include <QGuiApplication>

#include <vector>

namespace {

// The offsets of bevel ring `ring` on side 0 (right and bottom of the shape) or side 1
// (left and top): side 0 runs down the right column, then left along the bottom row; side 1
// up the left column, then right along the top row.
std::vector<QPoint> RingOffsets(int ring, int side) {
    std::vector<QPoint> offsets;
    const int i = ring;
    if (side == 0) {
        for (int y = -i; y <= i; ++y) offsets.emplace_back(i, y);
        for (int x = i - 1; x >= -i; --x) offsets.emplace_back(x, i);
    } else {
        for (int y = i - 1; y >= -i; --y) offsets.emplace_back(-i, y);
        for (int x = -i + 1; x <= i - 1; ++x) offsets.emplace_back(x, -i);
    }
    return offsets;
}

QRgb Rgb(QRgb p) { return p | 0xFF000000u; }

QByteArray BmpFile(const QImage& image) {
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

}  // namespace

TRzShapeButton::TRzShapeButton(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(csCaptureMouse);
    SetBounds(0, 0, 80, 80);
    setMouseTracking(true);  // hint and cursor follow the shape while the pointer moves
    FBitmap.OnChange = [this] { BitmapChanged(); };
}

TColor TRzShapeButton::TransparentColor() const {
    const QImage& image = FBitmap.Image();
    if (image.isNull()) return clNone;
    const QRgb p = image.pixel(0, image.height() - 1);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void TRzShapeButton::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    SetBounds(Left(), Top(), Width(), Height());
}

#define Q7K_IMAGE_WRITER(Name, Type, Field) Q7K_CHANGED_WRITER(TRzShapeButton, Name, Type, Field, BitmapChanged())

Q7K_IMAGE_WRITER(BevelHighlightColor, TColor, FBevelHighlightColor)
Q7K_IMAGE_WRITER(BevelShadowColor, TColor, FBevelShadowColor)
Q7K_IMAGE_WRITER(BorderStyle, TBorderStyle, FBorderStyle)
Q7K_IMAGE_WRITER(BorderColor, TColor, FBorderColor)

#undef Q7K_IMAGE_WRITER

void TRzShapeButton::SetBevelWidth(int value) {
    value = std::min(value, 2);
    if (value == FBevelWidth) return;
    FBevelWidth = value;
    BitmapChanged();
}

void TRzShapeButton::SetPreciseClick(bool value) {
    FPreciseClick = value;
    ApplyMask();
}

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition value) {
    if (value == FCaptionPosition) return;
    FCaptionPosition = value;
    Invalidate();
}

void TRzShapeButton::SetCaptionXY(int x, int y) {
    if (x == FCaptionX && y == FCaptionY) return;
    FCaptionX = x;
    FCaptionY = y;
    FCaptionPosition = cpXY;
    Invalidate();
}

void TRzShapeButton::SetBounds(int left, int top, int width, int height) {
    if (FAutoSize && !Loading() && !FBitmap.Empty()) {
        width = FBitmap.Width() + 4;
        height = FBitmap.Height() + 4;
    }
    TGraphicControl::SetBounds(left, top, width, height);
}

void TRzShapeButton::SetCaption(const QString& caption) {
    TGraphicControl::SetCaption(caption);
    Invalidate();
}

void TRzShapeButton::SetFont(const TFont& font) {
    TGraphicControl::SetFont(font);
    Invalidate();
}

void TRzShapeButton::MakeBevelledImage(TBitmap& target, bool down) const {
    const QImage source = FBitmap.Image();
    QImage t = source.copy();
    const QRgb tc = Rgb(source.pixel(0, source.height() - 1));
    const int rings = std::min(3, FBevelWidth + (FBorderStyle == bsSingle ? 1 : 0));
    const QRgb highlight = Rgb(ToQColor(ColorToRGB(FBevelHighlightColor) == (tc & 0xFFFFFFu)
                                            ? DarkerColor(FBevelHighlightColor, 1)
                                            : FBevelHighlightColor)
                                   .rgb());
    const QRgb shadow = Rgb(ToQColor(FBevelShadowColor).rgb());
    const QRgb border = Rgb(ToQColor(FBorderColor).rgb());
    const auto opaqueInSource = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < source.width() && y < source.height() && Rgb(source.pixel(x, y)) != tc;
    };
    for (int ring = 1; ring <= rings; ++ring) {
        const QImage snapshot = t.copy();
        for (int side = 0; side <= 1; ++side) {
            if (side == 0 && ring == rings && down) continue;
            QRgb color;
            if (ring == rings && FBorderStyle == bsSingle)
                color = border;
            else if (!down)
                color = side == 0 ? shadow : highlight;
            else
                color = side == 0 ? highlight : shadow;
            const std::vector<QPoint> offsets = RingOffsets(ring, side);
            std::vector<QPoint> edge;
            for (int y = 0; y < t.height(); ++y)
                for (int x = 0; x < t.width(); ++x) {
                    if (Rgb(snapshot.pixel(x, y)) != tc) continue;
                    for (const QPoint& d : offsets)
                        if (opaqueInSource(x - d.x(), y - d.y())) {
                            edge.emplace_back(x, y);
                            break;
                        }
                }
            for (const QPoint& p : edge) t.setPixel(p, color);
        }
    }
    target.SetImage(t);
}

void TRzShapeButton::BitmapChanged() {
    if (FRegenerating) return;
    FRegenerating = true;
    SetBounds(Left(), Top(), Width(), Height());
    if (!Loading()) {
        if (FBitmap.Empty()) {
            FBitmapUp.SetImage(QImage());
            FBitmapDown.SetImage(QImage());
            FHitTestMask = QImage();
        } else {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            MakeBevelledImage(FBitmapUp, false);
            MakeBevelledImage(FBitmapDown, true);
            const QRgb tc = Rgb(FBitmap.Image().pixel(0, FBitmap.Height() - 1));
            const QImage up = FBitmapUp.Image();
            FHitTestMask = QImage(up.size(), QImage::Format_RGB32);
            for (int y = 0; y < up.height(); ++y)
                for (int x = 0; x < up.width(); ++x)
                    FHitTestMask.setPixel(x, y, Rgb(up.pixel(x, y)) == tc ? 0xFFFFFFFFu : 0xFF000000u);
            QGuiApplication::restoreOverrideCursor();
        }
        ApplyMask();
        Repaint();
    }
    FRegenerating = false;
}

void TRzShapeButton::ApplyMask() {
    // Where the shape is not, the mouse reaches whatever lies behind the button.
    if (!FPreciseClick || FHitTestMask.isNull()) {
        clearMask();
        return;
    }
    QImage shape(FHitTestMask.size(), QImage::Format_Mono);
    shape.fill(0);
    for (int y = 0; y < FHitTestMask.height(); ++y)
        for (int x = 0; x < FHitTestMask.width(); ++x)
            if ((FHitTestMask.pixel(x, y) & 0xFFFFFFu) == 0) shape.setPixel(x, y, 1);
    setMask(QBitmap::fromImage(shape));
}

bool TRzShapeButton::PtInMask(int x, int y) const {
    if (FHitTestMask.isNull()) return true;
    if (!FHitTestMask.rect().contains(x, y)) return false;
    return (FHitTestMask.pixel(x, y) & 0xFFFFFFu) == 0;
}

void TRzShapeButton::Loaded() {
    TGraphicControl::Loaded();
    // After a layout: hit where the picture or its up image is opaque.
    if (FBitmap.Empty() || FBitmapUp.Empty()) return;
    const QImage b = FBitmap.Image(), up = FBitmapUp.Image();
    const QRgb tc = Rgb(b.pixel(0, b.height() - 1));
    FHitTestMask = QImage(b.size(), QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const bool clear = Rgb(b.pixel(x, y)) == tc && (!up.rect().contains(x, y) || Rgb(up.pixel(x, y)) == tc);
            FHitTestMask.setPixel(x, y, clear ? 0xFFFFFFFFu : 0xFF000000u);
        }
    ApplyMask();
}

void TRzShapeButton::DefineProperties(TFiler& filer) {
    filer.DefineProperty("BitmapUp", [this](const QVariant& v) { FBitmapUp.LoadFromData(v.toByteArray()); });
    filer.DefineProperty("BitmapDown", [this](const QVariant& v) { FBitmapDown.LoadFromData(v.toByteArray()); });
    filer.DefineProperty("Bitmap.Data", [this](const QVariant& v) { FBitmap.ReadData(v.toByteArray()); });
}

QByteArray TRzShapeButton::WriteBitmapUpData() const { return BmpFile(FBitmapUp.Image()); }
QByteArray TRzShapeButton::WriteBitmapDownData() const { return BmpFile(FBitmapDown.Image()); }

void TRzShapeButton::GetCaptionRect(TCanvas& canvas, const QString& text, TRect& rect) const {
    rect = Rect(0, 0, Width(), Height());
    if (FCaptionPosition == cpXY) {
        TRect measured = Rect(0, 0, Width(), 0);
        DrawText(canvas, text, measured, DT_CALCRECT | DT_SINGLELINE);
        rect = Rect(FCaptionX, FCaptionY, FCaptionX + Width(), FCaptionY + measured.Height());
    }
}

void TRzShapeButton::DrawCaptionText(TCanvas& canvas, const QString& text, TButtonState state, const TRect& rect) {
    TRect r = rect;
    if (state == bsDown) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    DrawText(canvas, text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TRzShapeButton::Paint() {
    TCanvas& c = Canvas();
    c.Release();
    if (QImage* surface = c.Target()) surface->fill(Qt::transparent);
    if (FState == bsDisabled || FState == bsExclusive) FState = bsUp;
    const TBitmap& image = FState == bsUp ? FBitmapUp : FBitmapDown;
    if (!image.Empty() && c.Target()) {
        // The image over what lies behind: its transparent pixels are left clear.
        const QImage& src = image.Image();
        const QRgb tc = FBitmap.Empty() ? Rgb(src.pixel(0, src.height() - 1)) : Rgb(FBitmap.Image().pixel(0, FBitmap.Height() - 1));
        const int shift = FState == bsDown ? 1 : 0;
        QImage& dst = *c.Target();
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x) {
                const QRgb p = Rgb(src.pixel(x, y));
                if (p != tc && dst.rect().contains(x + shift, y + shift)) dst.setPixel(x + shift, y + shift, p);
            }
        c.Changed(dst.rect());
    }
    if (!Caption().isEmpty()) {
        c.Font = Font();
        c.Brush.Style = bsClear;
        TRect r;
        GetCaptionRect(c, Caption(), r);
        DrawCaptionText(c, Caption(), FState, r);
        c.Brush.Style = bsSolid;
    }
}

bool TRzShapeButton::CountsInside(int x, int y) const {
    if (FPreciseClick) return PtInMask(x, y);
    return x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
}

void TRzShapeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    if (FPreciseClick && !PtInMask(x, y)) return;
    FState = bsDown;
    Repaint();
    FDragging = true;
}

void TRzShapeButton::SetHint(const QString& value) {
    FHint = value;
    UpdateToolTip();
}

void TRzShapeButton::SetShowHint(bool value) {
    FShowHint = value;
    UpdateToolTip();
}

void TRzShapeButton::UpdateToolTip() { setToolTip(FShowHint ? FHint : QString()); }

void TRzShapeButton::TrackHintAndCursor(bool inside) {
    if (!inside && FPreciseShowHint) {
        if (!FPrevShowHintSaved) {
            FPrevShowHint = FShowHint;
            FPrevParentShowHint = FParentShowHint;
            FPrevShowHintSaved = true;
            SetShowHint(false);
            FParentShowHint = false;
        }
    } else if (!inside && FPreciseClick) {
        if (!FPrevCursorSaved) {
            FPrevCursor = Cursor();
            FPrevCursorSaved = true;
            SetCursor(crDefault);
        }
    } else {
        if (FPrevShowHintSaved) {
            SetShowHint(FPrevShowHint);
            FParentShowHint = FPrevParentShowHint;
            FPrevShowHintSaved = false;
        }
        if (FPrevCursorSaved) {
            SetCursor(FPrevCursor);
            FPrevCursorSaved = false;
        }
    }
}

void TRzShapeButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    TrackHintAndCursor(PtInMask(x, y));
    if (!FDragging) return;
    const TButtonState state = CountsInside(x, y) ? bsDown : bsUp;
    if (state != FState) {
        FState = state;
        Repaint();
    }
}

void TRzShapeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FDragging) return;
    FDragging = false;
    if (FState == bsDown) {
        FState = bsUp;
        Repaint();
    }
    if (CountsInside(x, y)) TGraphicControl::Click();
}

void TRzShapeButton::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR && Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
        TGraphicControl::Click();
        message.Result = 1;
        return;
    }
    TGraphicControl::WndProc(message);
}
