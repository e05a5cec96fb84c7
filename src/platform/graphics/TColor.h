#pragma once
// Colours as the windows store them: 32 bits, 0x00BBGGRR for an RGB colour, 0xFF0000nn for
// system colour nn, clNone (0x1FFFFFFF) for "no colour". System colours resolve through one
// fixed table, so drawing is the same on every desktop.
#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor clSystemColor = 0xFF000000u;
constexpr TColor clNone = 0x1FFFFFFFu;
constexpr TColor clDefault = 0x20000000u;

// The named RGB colours.
constexpr TColor clBlack = 0x000000u;
constexpr TColor clMaroon = 0x000080u;
constexpr TColor clGreen = 0x008000u;
constexpr TColor clOlive = 0x008080u;
constexpr TColor clNavy = 0x800000u;
constexpr TColor clPurple = 0x800080u;
constexpr TColor clTeal = 0x808000u;
constexpr TColor clGray = 0x808080u;
constexpr TColor clSilver = 0xC0C0C0u;
constexpr TColor clRed = 0x0000FFu;
constexpr TColor clLime = 0x00FF00u;
constexpr TColor clYellow = 0x00FFFFu;
constexpr TColor clBlue = 0xFF0000u;
constexpr TColor clFuchsia = 0xFF00FFu;
constexpr TColor clAqua = 0xFFFF00u;
constexpr TColor clWhite = 0xFFFFFFu;
constexpr TColor clLtGray = 0xC0C0C0u;
constexpr TColor clDkGray = 0x808080u;
constexpr TColor clMoneyGreen = 0xC0DCC0u;
constexpr TColor clSkyBlue = 0xF0CAA6u;
constexpr TColor clCream = 0xF0FBFFu;
constexpr TColor clMedGray = 0xA4A0A0u;

// The system colours (index nn in the low byte).
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

// Number of entries in the fixed system-colour table (indexes 0 to 30).
constexpr int kSystemColorCount = 31;

// A colour with the top bit set is system colour (low byte) resolved through the fixed table
// (an index outside the table gives black); any other value is returned unchanged.
TColor ColorToRGB(TColor color);

// The opaque Qt colour of a resolved colour (clNone and clDefault give black).
QColor ToQColor(TColor color);

// The two colours mixed (system colours resolved): each channel weight·a + (1 − weight)·b,
// rounded ties to even.
TColor MixColors(TColor a, TColor b, double weight);
