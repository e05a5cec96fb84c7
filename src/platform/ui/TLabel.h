#pragma once
// The framework's label: a graphic control that shows its caption aligned in its area
// (left, centre or right; top, centre or bottom), wrapped or on one line, on its Color or
// transparent over what lies behind it. With AutoSize it takes the size of its text.
#include "ui/TGraphicControl.h"

class TCustomLabel : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignmentInt)
    Q_PROPERTY(int Layout READ Layout WRITE SetLayoutInt)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
public:
    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    virtual void SetLayout(TTextLayout value);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    bool WordWrap() const { return FWordWrap; }
    virtual void SetWordWrap(bool value);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    virtual void SetShowAccelChar(bool value);

    void SetCaption(const QString& caption) override;
    void SetFont(const TFont& font) override;

protected:
    // The text shown (the caption).
    virtual QString GetLabelText() const { return Caption(); }
    // Fits the label to its text when AutoSize is on.
    virtual void AdjustBounds();
    // Starts a repaint from a clear surface, so nothing of an earlier caption stays.
    void ClearSurface();
    void Paint() override;

private:
    void SetAlignmentInt(int v) { SetAlignment(TAlignment(v)); }
    void SetLayoutInt(int v) { SetLayout(TTextLayout(v)); }

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
    Q_OBJECT
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
