#include "core/iVCLComponent.h"

#include "rtl/Exception.h"
#include "timer/TRepeatTimer.h"
#include "ui/ParentBackground.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QMoveEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

TiVCLComponent::TiVCLComponent(TComponent* owner) : TiComponent(owner) {
    // Every mouse move reaches the control, with or without a button held (hints and
    // hover need them).
    setMouseTracking(true);
}

TiVCLComponent::~TiVCLComponent() {
    FDestroying = true;
    InternalTimerStop();
}

void TiVCLComponent::Lock() {
    if (!FDestroying) FDataCriticalSection.lock();
}

void TiVCLComponent::Unlock() {
    if (!FDestroying) FDataCriticalSection.unlock();
}

// ---- internal timer --------------------------------------------------------------------

bool TiVCLComponent::InternalTimerActive() const { return FTimer && FTimer->Enabled(); }

void TiVCLComponent::InternalTimerStart(int first, int interval) {
    if (InternalTimerActive()) return;
    FTimerInterval = interval;
    const int ms = first != 0 ? first : interval;
    if (ms == 0) return;
    if (!FTimer) {
        FTimer = MakeRepeatTimer();
        FTimer->OnTimer = [this] { InternalTimerTick(); };
    }
    FTimerFirstMessage = first != 0;
    FTimer->SetInterval(ms);
    FTimer->SetEnabled(true);
}

void TiVCLComponent::InternalTimerStop() {
    if (FTimer) FTimer->SetEnabled(false);
}

void TiVCLComponent::InternalTimerTick() {
    if (FTimerFirstMessage) {
        FTimerFirstMessage = false;
        FTimer->SetInterval(FTimerInterval);
    }
    if (FOnInternalTimer) FOnInternalTimer();
}

bool TiVCLComponent::DoMouseWheel(TShiftState shift, int delta, QPoint pos) {
    return iMouseWheel(delta, shift, TPoint{pos.x(), pos.y()});
}

// ---- transparency and painting onto a painter ------------------------------------------

void TiVCLComponent::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    // A transparent control no longer covers its whole area for the window system.
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    BackGroundChange();
}

void TiVCLComponent::DrawBackGround(TCanvas& canvas, TColor color) {
    if (FPaintDCTransparent) return;
    if (!FTransparent || !parentWidget()) {
        TiComponent::DrawBackGround(canvas, color);
        return;
    }
    FBackGroundChanged = false;
    PaintParentBackground(*this, canvas);
}

void TiVCLComponent::moveEvent(QMoveEvent* event) {
    TiComponent::moveEvent(event);
    // What lies behind has changed.
    if (FTransparent) BackGroundChange();
}

void TiVCLComponent::iPaintToDC(int x, int y, bool transparent, QPainter& dc) {
    struct Restore {
        TiVCLComponent& control;
        QPainter& dc;
        ~Restore() {
            control.FPaintDCTransparent = false;
            control.Unlock();
            dc.restore();
        }
    };
    dc.save();
    dc.setClipRect(QRect(x, y, Width(), Height()));
    FPaintDCTransparent = transparent;
    Lock();
    Restore restore{*this, dc};
    if (Width() <= 0 || Height() <= 0) return;
    try {
        // The control's drawing on a clear layer, so that the painter shows where it draws
        // nothing.
        QImage layer(Width(), Height(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        TBitmap bitmap;
        bitmap.SetImage(layer);
        bitmap.Canvas().Brush.Style = bsSolid;
        bitmap.Canvas().Pen.Style = psSolid;
        iPaintToCanvas(bitmap.Canvas());
        bitmap.Canvas().ClearClipRect();
        dc.drawImage(x, y, bitmap.Image());
    } catch (const Exception&) {
    }
}

// ---- picture export --------------------------------------------------------------------

namespace {

void CheckJpeg(int compression) {
    if (compression < 1 || compression > 100) throw Exception(QStringLiteral("Compression must be in the range of 1-100"));
}

void CheckPng(int compression) {
    if (compression < 0 || compression > 9) throw Exception(QStringLiteral("Compression must be in the range of 0-9"));
}

// The encoder's quality that gives the zlib level (its quality maps to (100 - q) * 9 / 91).
int PngQuality(int level) { return 100 - (level * 91 + 8) / 9; }

// `optimized`: the encoder's best quality rather than its best speed.
QByteArray Encode(const QImage& image, const char* format, int quality, bool progressive, bool optimized) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.setOptimizedWrite(optimized);
    if (!writer.write(image)) throw Exception(writer.errorString());
    return bytes;
}

void WriteFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    if (file.write(bytes) != bytes.size()) throw Exception(file.errorString());
}

}  // namespace

QByteArray TiVCLComponent::GetBytesJPEG(int compression, bool progressive) {
    CheckJpeg(compression);
    return Encode(PaintOffScreen().convertToFormat(QImage::Format_RGB888), "JPEG", compression, progressive, false);
}

std::unique_ptr<TJPEGImage> TiVCLComponent::GetJPEGImage(int compression, bool progressive) {
    CheckJpeg(compression);
    return std::make_unique<TJPEGImage>(
        Encode(PaintOffScreen().convertToFormat(QImage::Format_RGB888), "JPEG", compression, progressive, true));
}

QByteArray TiVCLComponent::GetBytesPNG(int compression) {
    CheckPng(compression);
    return Encode(PaintOffScreen().convertToFormat(QImage::Format_RGB888), "PNG", PngQuality(compression), false, true);
}

QByteArray TiVCLComponent::GetBytesMetaFile() {
    const QImage image = PaintOffScreen();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Plot picture"));
        pdf.setResolution(72);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageSize(QPageSize(QSizeF(Width(), Height()), QPageSize::Point));
        QPainter painter(&pdf);
        painter.drawImage(QRect(0, 0, Width(), Height()), image);
    }
    return bytes;
}

void TiVCLComponent::SaveImageToMetaFile(const QString& fileName) { WriteFile(fileName, GetBytesMetaFile()); }

void TiVCLComponent::SaveImageToJPEG(const QString& fileName, int compression, bool progressive) {
    WriteFile(fileName, GetJPEGImage(compression, progressive)->Data());
}

void TiVCLComponent::SaveImageToPNG(const QString& fileName, int compression) {
    WriteFile(fileName, GetBytesPNG(compression));
}
