#include "graphics/TFont.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

struct Substitution {
    const char* face;
    const char* family;
};

// Faces the windows name, mapped to metric-compatible installed families.
constexpr std::array<Substitution, 6> kSubstitutions = {{
    {"Arial", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Verdana", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Symbol", "Liberation Serif"},
}};

const QString kDefaultFamily = QStringLiteral("Liberation Sans");
const QString kCjkFamily = QStringLiteral("WenQuanYi Micro Hei");

// Character height used for a font whose height is 0 ("default size").
constexpr int kDefaultPixelHeight = 12;
constexpr int kMaxPixelHeight = 0x7FFF;

}  // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t n = std::int64_t(a) * b;
    const std::int64_t q = (std::llabs(n) + std::llabs(c) / 2) / std::llabs(c);
    return int(((n < 0) != (c < 0)) ? -q : q);
}

QString TFont::SubstituteFamily(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return kDefaultFamily;
    for (const auto& s : kSubstitutions)
        if (trimmed.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0) return QString::fromLatin1(s.family);
    return trimmed;
}

QFont TFont::ToQFont() const {
    QFont font;
    font.setFamilies({SubstituteFamily(FName), kCjkFamily});
    font.setBold(FStyle & fsBold);
    font.setItalic(FStyle & fsItalic);
    font.setUnderline(FStyle & fsUnderline);
    font.setStrikeOut(FStyle & fsStrikeOut);
    // Heights beyond any screen are held at kMaxPixelHeight (which also keeps INT_MIN from
    // overflowing when negated).
    const int height = std::clamp(FHeight, -kMaxPixelHeight, kMaxPixelHeight);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height == 0) {
        font.setPixelSize(kDefaultPixelHeight);
    } else {
        // A positive height is the cell height (ascent + descent): scale the character
        // height so that the cell comes out at that height.
        font.setPixelSize(height);
        const double cell = QFontMetricsF(font).height();
        if (cell > 0)
            font.setPixelSize(int(std::clamp(std::lround(double(height) * height / cell), 1L, long(kMaxPixelHeight))));
    }
    return font;
}
