#include "objects/iPlotLabel.h"

#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "rtl/Exception.h"
#include "rtl/RtlMath.h"

#include <QPainter>

const TiPublishedClass& TiPlotLabel::Published() {
    using namespace published;
    using C = TiPlotLabel;
    static const TiPublishedClass info(QStringLiteral("TiPlotLabel"), &TiPlotLayoutObject::Published(),
                                       {
                                           Prop<C>("MarginLeft", &C::MarginLeft, &C::SetMarginLeft),
                                           Prop<C>("MarginTop", &C::MarginTop, &C::SetMarginTop),
                                           Prop<C>("MarginRight", &C::MarginRight, &C::SetMarginRight),
                                           Prop<C>("MarginBottom", &C::MarginBottom, &C::SetMarginBottom),
                                           Prop<C>("Caption", &C::Caption, &C::SetCaption),
                                           Prop<C>("Alignment", &C::Alignment, &C::SetAlignment, iahCenter),
                                           published::Object<C>("Font", &C::Font),
                                           Prop<C>("ImageListIndex", &C::ImageListIndex, &C::SetImageListIndex, -1),
                                           Prop<C>("ImageIndex", &C::ImageIndex, &C::SetImageIndex, 0),
                                       });
    return info;
}

const TiPublishedClass& TiPlotLabel::PublishedClass() const { return Published(); }

TiPlotLabel::TiPlotLabel(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FHorizontal = true;
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(14);
    font.SetStyle(fsBold);
    font.SetColor(clWhite);
    FFont.Assign(font);
    FFont.OnChange = [this] { TriggerChange(); };
}

void TiPlotLabel::SetImage(const QImage& image) {
    FImage = image;
    TriggerChange();
}

void TiPlotLabel::ImageClear() {
    if (FImage.isNull()) return;
    FImage = QImage();
    TriggerChange();
}

void TiPlotLabel::ImageLoadFromFile(const QString& fileName) {
    QImage image;
    if (!image.load(fileName)) throw Exception(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
    SetImage(image);
}

void TiPlotLabel::CalcMargins(TCanvas& canvas) {
    canvas.Font = FFont.Font();
    const int w = canvas.TextWidth(QStringLiteral("0"));
    const int h = TextHeightOf(canvas, QStringLiteral("0"));
    FMarginTopPixels = int(Round(h * FMarginTop));
    FMarginBottomPixels = int(Round(h * FMarginBottom));
    FMarginLeftPixels = int(Round(w * FMarginLeft));
    FMarginRightPixels = int(Round(w * FMarginRight));
    FRequiredWidth = TextHeightOf(canvas, FCaption) + FMarginTopPixels + FMarginBottomPixels;
}

int TiPlotLabel::GetRequiredWidth(TCanvas& canvas) {
    CalcMargins(canvas);
    return FRequiredWidth;
}

void TiPlotLabel::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (!FVisible) return;
    CalcMargins(canvas);
    const int l = FLeft, t = FTop, r = FRight, b = FBottom;
    auto imageX = [&](int width) {
        switch (FAlignment) {
        case iahLeft: return l + FMarginLeftPixels;
        case iahRight: return r - FMarginRightPixels - width;
        default: return (l + r) / 2 - width / 2;
        }
    };
    if (!FImage.isNull()) {
        const QImage picture = CornerColorTransparent(FImage);
        if (QPainter* p = canvas.Painter()) {
            const int x = imageX(picture.width()), y = t + FMarginTopPixels;
            p->drawImage(x, y, picture);
            canvas.Changed(QRect(x, y, picture.width(), picture.height()));
        }
        return;
    }
    if (FPlot && FImageListIndex >= 0 && FImageListIndex <= 2) {
        TImageList& list = FPlot->ImageList(FImageListIndex);
        if (FImageIndex >= 0 && FImageIndex < list.Count()) {
            list.Draw(canvas, imageX(list.Width()), t + FMarginTopPixels, FImageIndex, FEnabled);
            return;
        }
    }
    canvas.Brush.Style = bsClear;
    const unsigned align = FAlignment == iahLeft ? itfLeft : FAlignment == iahRight ? itfRight : itfCenter;
    if (FHorizontal) {
        TRect rect{l + FMarginLeftPixels, t + FMarginTopPixels, r - FMarginRightPixels, b - FMarginBottomPixels};
        DrawTextFlags(canvas, FCaption, rect, backGroundColor, true, align | itfVCenter | itfSingleLine | itfNoClip);
        return;
    }
    const int halfWidth = canvas.TextWidth(FCaption) / 2;
    int centre = (t + b) / 2;
    if (FAlignment == iahLeft) centre = b - FMarginLeftPixels - halfWidth;
    if (FAlignment == iahRight) centre = t + FMarginRightPixels + halfWidth;
    TRect rect{l + FMarginTopPixels, centre - halfWidth, r - FMarginBottomPixels, centre + halfWidth};
    TRect out;
    DrawRotatedText(canvas, FCaption, rect, out, backGroundColor, true, 0, ira090);
}
