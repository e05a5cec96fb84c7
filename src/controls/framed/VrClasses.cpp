#include "VrClasses.h"

#include "ChangedWriter.h"
#include "graphics/DrawText.h"

void TVrPersistent::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    Changed();
}

void TVrPersistent::Changed() {
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TVrPalette::SetLow(TColor value) {
    if (value == FLow) return;
    FLow = value;
    Changed();
}

void TVrPalette::SetHigh(TColor value) {
    if (value == FHigh) return;
    FHigh = value;
    Changed();
}

void TVrPalette::Assign(const TVrPalette& source) {
    BeginUpdate();
    SetLow(source.Low());
    SetHigh(source.High());
    EndUpdate();
}

void TVrPalette::ToBMP(TBitmap& bitmap, TColor dark, TColor light) const {
    TCanvas& c = bitmap.Canvas();
    const TColor d = ColorToRGB(dark), l = ColorToRGB(light);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor p = c.Pixel(x, y);
            if (p == d)
                c.SetPixel(x, y, FLow);
            else if (p == l)
                c.SetPixel(x, y, FHigh);
        }
}

#define Q7K_FONT3D_WRITER(Name, Type, Field) Q7K_CHANGED_WRITER(TVrFont3D, Name, Type, Field, Changed())

Q7K_FONT3D_WRITER(Style, TVrFont3DStyle, FStyle)
Q7K_FONT3D_WRITER(HighlightColor, TColor, FHighlightColor)
Q7K_FONT3D_WRITER(ShadowColor, TColor, FShadowColor)
Q7K_FONT3D_WRITER(HighlightDepth, int, FHighlightDepth)
Q7K_FONT3D_WRITER(ShadowDepth, int, FShadowDepth)

#undef Q7K_FONT3D_WRITER

void TVrFont3D::Assign(const TVrFont3D& source) {
    BeginUpdate();
    SetStyle(source.Style());
    SetHighlightColor(source.HighlightColor());
    SetShadowColor(source.ShadowColor());
    SetHighlightDepth(source.HighlightDepth());
    SetShadowDepth(source.ShadowDepth());
    EndUpdate();
}

void TVrFont3D::Paint(TCanvas& canvas, const TRect& rect, unsigned format, const QString& text) const {
    canvas.Brush.Style = bsClear;
    const TColor color = canvas.Font.Color();
    const auto pass = [&](TColor c, int d) {
        canvas.Font.SetColor(c);
        TRect r = Rect(rect.Left + d, rect.Top + d, rect.Right + d, rect.Bottom + d);
        DrawText(canvas, text, r, format);
    };
    switch (FStyle) {
    case f3dRaised:
        pass(FShadowColor, FShadowDepth);
        pass(FHighlightColor, -FHighlightDepth);
        break;
    case f3dSunken:
        pass(FHighlightColor, FHighlightDepth);
        pass(FShadowColor, -FShadowDepth);
        break;
    case f3dShadow: pass(FShadowColor, FShadowDepth); break;
    case f3dNone: break;
    }
    pass(color, 0);
}
