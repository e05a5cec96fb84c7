#pragma once
// The LED controls' persistent helpers: a change-notifying base with update counting, the
// Low/High colour pair an LED lights in, and a 3-D text style.
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

#include <functional>

class TVrPersistent {
public:
    virtual ~TVrPersistent() = default;
    // Changes between BeginUpdate and EndUpdate notify once, at the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    std::function<void(TVrPersistent* sender)> OnChange;

protected:
    void Changed();

private:
    int FUpdateCount = 0;
};

class TVrPalette : public TVrPersistent {
public:
    TColor Low() const { return FLow; }
    void SetLow(TColor value);
    TColor High() const { return FHigh; }
    void SetHigh(TColor value);
    // Low for an index of 0 or less, High otherwise.
    virtual TColor GetColor(int index) const { return index <= 0 ? FLow : FHigh; }
    // Both colours in one change.
    void Assign(const TVrPalette& source);
    // Recolours the bitmap: pixels of `dark` become Low, pixels of `light` become High.
    void ToBMP(TBitmap& bitmap, TColor dark, TColor light) const;

private:
    TColor FLow = 0x008000;
    TColor FHigh = 0x00FF00;
};

enum TVrFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };

class TVrFont3D : public TVrPersistent {
public:
    TVrFont3DStyle Style() const { return FStyle; }
    void SetStyle(TVrFont3DStyle value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int HighlightDepth() const { return FHighlightDepth; }
    void SetHighlightDepth(int value);
    int ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(int value);
    void Assign(const TVrFont3D& source);
    // Draws the text in the rectangle with the DT_ format, with the style's 3-D passes under
    // it, in the canvas font's colour.
    void Paint(TCanvas& canvas, const TRect& rect, unsigned format, const QString& text) const;

private:
    TVrFont3DStyle FStyle = f3dNone;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    int FHighlightDepth = 1;
    int FShadowDepth = 1;
};
