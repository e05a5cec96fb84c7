#pragma once
// A layout object showing one line of text, or instead an image, in a band on one side of
// the data view: the plot's title or a caption.
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

#include <QImage>

class TiPlotLabel : public TiPlotLayoutObject {
public:
    TiPlotLabel(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Label; }

    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    // The caption's height plus the top and bottom margins (an image does not count).
    int GetRequiredWidth(TCanvas& canvas) override;
    void CalcMargins(TCanvas& canvas);
    int MarginTopPixels() const { return FMarginTopPixels; }
    int MarginBottomPixels() const { return FMarginBottomPixels; }

    // The label's own picture: drawn instead of the caption while set (a null image removes
    // it); it is transparent in the colour of its bottom-left pixel.
    const QImage& Image() const { return FImage; }
    void SetImage(const QImage& image);
    void ImageClear();
    // Loads a bitmap file as Image; a file that cannot be read raises and changes nothing.
    void ImageLoadFromFile(const QString& fileName);

    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double v) { SetProperty(v, FMarginLeft, Notify::Change); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double v) { SetProperty(v, FMarginTop, Notify::Change); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double v) { SetProperty(v, FMarginRight, Notify::Change); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double v) { SetProperty(v, FMarginBottom, Notify::Change); }
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& v) { SetProperty(v, FCaption, Notify::Change); }
    TiAlignmentHorizontal Alignment() const { return FAlignment; }
    void SetAlignment(TiAlignmentHorizontal v) { SetProperty(v, FAlignment, Notify::Change); }
    TiPlotFont& Font() { return FFont; }
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int v) { SetProperty(v, FImageListIndex, Notify::Change); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { SetProperty(v, FImageIndex, Notify::Change); }

private:
    int FRequiredWidth = 0;
    int FMarginTopPixels = 0, FMarginBottomPixels = 0, FMarginLeftPixels = 0, FMarginRightPixels = 0;
    QString FCaption;
    double FMarginLeft = 0, FMarginRight = 0, FMarginBottom = 0, FMarginTop = 0;
    TiPlotFont FFont;
    TiAlignmentHorizontal FAlignment = iahCenter;
    QImage FImage;
    int FImageListIndex = -1;
    int FImageIndex = 0;
};
