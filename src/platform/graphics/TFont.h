#pragma once
// A font as the windows describe it: a face name, a height in pixels (negative: character
// height; positive: cell height), a colour and a style. Sizes in points convert at a fixed
// logical 96 DPI. Face names resolve through one substitution table to installed fonts, with
// an installed CJK font as fallback for the glyphs the face lacks.
#include "graphics/TColor.h"

#include <QFont>
#include <QString>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// Logical pixels per inch for every point/pixel conversion.
constexpr int kLogicalDpi = 96;

// a * b / c rounded half away from zero (the Windows rule for point/pixel conversions);
// -1 when c is 0.
int MulDiv(int a, int b, int c);

class TFont {
public:
    QString Name() const { return FName; }
    void SetName(const QString& name) { FName = name; }
    int Height() const { return FHeight; }
    void SetHeight(int height) { FHeight = height; }
    // Size in points: Height = -MulDiv(Size, 96, 72).
    int Size() const { return -MulDiv(FHeight, 72, kLogicalDpi); }
    void SetSize(int size) { FHeight = -MulDiv(size, kLogicalDpi, 72); }
    TColor Color() const { return FColor; }
    void SetColor(TColor color) { FColor = color; }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style) { FStyle = style; }

    void Assign(const TFont& other) { *this = other; }
    bool operator==(const TFont& other) const = default;

    // The installed family that stands in for a face name (the name itself when the table
    // has no entry; the default face for an empty name).
    static QString SubstituteFamily(const QString& name);
    // The Qt font for drawing: substituted family, CJK fallback, pixel size, style.
    QFont ToQFont() const;

private:
    QString FName = QStringLiteral("Tahoma");
    int FHeight = -11;  // 8 points
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
};
