#pragma once
// The LED controls' bases: a self-drawn control with update counting and font and text
// notices, and an image control that paints through an off-screen bitmap copied to the
// screen in one piece.
#include "graphics/TBitmap.h"
#include "ui/TCustomControl.h"

#include <QString>

class TVrCustomControl : public TCustomControl {
    Q_OBJECT
public:
    explicit TVrCustomControl(TComponent* owner) : TCustomControl(owner) {}

    QString Version() const { return QStringLiteral("1.4.5"); }
    // Changes between BeginUpdate and EndUpdate repaint once, at the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    void SetFont(const TFont& font) override;
    void SetCaption(const QString& caption) override;

    TNotifyEvent OnFontChanged;
    TNotifyEvent OnTextChanged;

protected:
    // Repaints at once unless loading or inside an update bracket.
    virtual void UpdateControl();
    virtual void FontChanged();
    virtual void TextChanged();

private:
    int FUpdateCount = 0;
};

class TVrCustomImageControl : public TVrCustomControl {
    Q_OBJECT
public:
    explicit TVrCustomImageControl(TComponent* owner) : TVrCustomControl(owner) {}

protected:
    // Sizes the off-screen bitmap to the control and fills it with Color.
    virtual void ClearBitmapCanvas();
    TCanvas& BitmapCanvas() { return FBitmapImage.Canvas(); }
    // Copies the off-screen bitmap to the control; descendants paint first, then call it.
    void Paint() override;
    void EraseBackground(TCanvas& canvas) override { Q_UNUSED(canvas); }

private:
    TBitmap FBitmapImage;
};
