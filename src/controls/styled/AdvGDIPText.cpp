// The antialiased drawing layer's fonts and text: font families, layout, measuring and drawing.
#include "AdvGDIP.h"
#include "AdvGDIPInternal.h"

#include <QFontDatabase>
#include <QHash>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- fonts

TGPFontFamily::TGPFontFamily(const QString& name) {
    // Installed families by lower-case name, looked up once per name (texts are measured
    // and drawn many times per paint).
    static QHash<QString, QString> installed;
    const QString family = TFont::SubstituteFamily(name).toLower();
    auto found = installed.constFind(family);
    if (found == installed.constEnd()) {
        QString match;
        for (const QString& f : QFontDatabase::families())
            if (f.compare(family, Qt::CaseInsensitive) == 0) match = f;
        found = installed.insert(family, match);
    }
    FName = *found;
    if (FName.isEmpty()) SetStatus(TStatus::FontFamilyNotFound);
}

namespace {
const TGPFontFamily* Generic(QFontDatabase::SystemFont kind, std::unique_ptr<TGPFontFamily>& cache,
                             const char* fallback) {
    if (!cache) {
        QString name = QFontDatabase::systemFont(kind).family();
        auto family = std::make_unique<TGPFontFamily>(name);
        if (!family->IsValid()) family = std::make_unique<TGPFontFamily>(QString::fromLatin1(fallback));
        cache = std::move(family);
    }
    return cache.get();
}
}  // namespace

const TGPFontFamily* TGPFontFamily::GenericSansSerif() {
    static std::unique_ptr<TGPFontFamily> cache;
    return Generic(QFontDatabase::GeneralFont, cache, "Liberation Sans");
}

const TGPFontFamily* TGPFontFamily::GenericSerif() {
    static std::unique_ptr<TGPFontFamily> cache;
    return Generic(QFontDatabase::GeneralFont, cache, "Liberation Serif");
}

const TGPFontFamily* TGPFontFamily::GenericMonospace() {
    static std::unique_ptr<TGPFontFamily> cache;
    return Generic(QFontDatabase::FixedFont, cache, "Liberation Mono");
}

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, Unit_ unit) {
    Make(family, emSize, style, unit);
}

TGPFont::TGPFont(const QString& familyName, float emSize, int style, Unit_ unit) {
    TGPFontFamily family(familyName);
    Make(family.IsValid() ? &family : TGPFontFamily::GenericSansSerif(), emSize, style, unit);
}

void TGPFont::Make(const TGPFontFamily* family, float emSize, int style, Unit_ unit) {
    if (!family || !family->IsValid() || !(emSize > 0)) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FEmSize = emSize;
    FStyle = style;
    FEmPixels = emSize * PixelsPerUnit(unit);
    FNative.setFamilies({family->Name(), QStringLiteral("WenQuanYi Micro Hei")});
    FNative.setPixelSize(std::max(1, int(std::lround(std::min(FEmPixels, 32767.0)))));
    FNative.setBold(style & FontStyleBold);
    FNative.setItalic(style & FontStyleItalic);
    FNative.setUnderline(style & FontStyleUnderline);
    FNative.setStrikeOut(style & FontStyleStrikeout);
    FValid = true;
}

// ---------------------------------------------------------------- text

struct TGPGraphics::Layout {
    struct Line {
        QString text;
        double width = 0;
        int first = 0;
    };
    std::vector<Line> lines;
    double pad = 0;
    double lineHeight = 0;
    double ascent = 0;
    int fitted = 0;
};

TGPGraphics::Layout TGPGraphics::LayOut(const QString& text, const TGPFont& font, const TGPRectF& box,
                                        const TGPStringFormat* format) const {
    Layout out;
    const QFontMetricsF fm(font.Native());
    out.pad = font.EmPixels() / 6.0;
    out.lineHeight = fm.lineSpacing();
    out.ascent = fm.ascent();
    const int flags = format ? format->GetFormatFlags() : 0;
    const bool wrap = !(flags & StringFormatFlagsNoWrap) && box.Width > 0;
    const double width = box.Width > 0 ? std::max(0.0, box.Width - 2 * out.pad) : 1e9;
    const double maxLines = box.Height > 0 ? std::max(1.0, std::floor(box.Height / out.lineHeight + 1e-6)) : 1e9;
    const bool lineLimit = (flags & StringFormatFlagsLineLimit) != 0;
    // Paragraphs split at line breaks; each wraps at word boundaries within the width.
    int pos = 0;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QString para = paragraph;
        if (para.endsWith(QLatin1Char('\r'))) para.chop(1);
        if (!wrap) {
            out.lines.push_back({para, fm.horizontalAdvance(para), pos});
        } else {
            QTextLayout layout(para, font.Native());
            layout.beginLayout();
            while (true) {
                QTextLine line = layout.createLine();
                if (!line.isValid()) break;
                line.setLineWidth(width);
                const QString part = para.mid(line.textStart(), line.textLength());
                out.lines.push_back({part, line.naturalTextWidth(), pos + line.textStart()});
            }
            layout.endLayout();
            if (para.isEmpty()) out.lines.push_back({QString(), 0, pos});
        }
        pos += paragraph.size() + 1;
    }
    // Lines below the box: a partly visible last line stays unless the line limit is set.
    const double limit = box.Height > 0 ? (lineLimit ? maxLines : std::ceil(box.Height / out.lineHeight - 1e-6)) : 1e9;
    if (double(out.lines.size()) > limit) out.lines.resize(std::size_t(std::max(0.0, limit)));
    out.fitted = 0;
    for (const auto& l : out.lines) out.fitted = std::min<int>(int(text.size()), l.first + int(l.text.size()));
    if (!out.lines.empty() && out.lines.size() == std::size_t(std::count(text.begin(), text.end(), QLatin1Char('\n')) + 1))
        out.fitted = int(text.size());
    return out;
}

TStatus TGPGraphics::MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layout,
                                   const TGPStringFormat* format, TGPRectF& bounding, int* codepointsFitted,
                                   int* linesFilled) const {
    if (!font || !font->IsValid()) return SetStatus(TStatus::InvalidParameter);
    const QString s = length < 0 ? text : text.left(length);
    const Layout l = LayOut(s, *font, layout, format);
    double w = 0;
    for (const auto& line : l.lines) w = std::max(w, line.width);
    bounding = {layout.X, layout.Y, float(s.isEmpty() ? 0 : w + 2 * l.pad),
                float(s.isEmpty() ? 0 : l.lines.size() * l.lineHeight)};
    if (format && layout.Width > 0) {
        if (format->GetAlignment() == StringAlignmentCenter) bounding.X += (layout.Width - bounding.Width) / 2;
        if (format->GetAlignment() == StringAlignmentFar) bounding.X += layout.Width - bounding.Width;
    }
    if (codepointsFitted) *codepointsFitted = l.fitted;
    if (linesFilled) *linesFilled = int(l.lines.size());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPRectF& box,
                                const TGPStringFormat* format, const TGPBrush* brush) {
    if (!FPainter || !font || !font->IsValid() || !brush) return SetStatus(TStatus::InvalidParameter);
    const std::optional<QBrush> native = brush->Native(QRectOf(box));
    if (!native) return SetStatus(TStatus::InvalidParameter);
    const QString s = length < 0 ? text : text.left(length);
    const Layout l = LayOut(s, *font, box, format);
    EdgeMode();
    FPainter->save();
    const int flags = format ? format->GetFormatFlags() : 0;
    if (!(flags & StringFormatFlagsNoClip) && box.Width > 0 && box.Height > 0)
        FPainter->setClipRect(QRectOf(box), Qt::IntersectClip);
    FPainter->setFont(font->Native());
    FPainter->setPen(QPen(*native, 1));
    const double total = l.lines.size() * l.lineHeight;
    double y = box.Y;
    if (format && box.Height > 0) {
        if (format->GetLineAlignment() == StringAlignmentCenter) y += (box.Height - total) / 2;
        if (format->GetLineAlignment() == StringAlignmentFar) y += box.Height - total;
    }
    for (const auto& line : l.lines) {
        double x = box.X + l.pad;
        if (format && box.Width > 0) {
            if (format->GetAlignment() == StringAlignmentCenter) x = box.X + (box.Width - line.width) / 2;
            if (format->GetAlignment() == StringAlignmentFar) x = box.X + box.Width - l.pad - line.width;
        }
        FPainter->drawText(QPointF(x, y + l.ascent), line.text);
        y += l.lineHeight;
    }
    FPainter->restore();
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                                const TGPStringFormat* format, const TGPBrush* brush) {
    if (!FPainter || !font || !font->IsValid() || !brush) return SetStatus(TStatus::InvalidParameter);
    const std::optional<QBrush> native = brush->Native(QRectF());
    if (!native) return SetStatus(TStatus::InvalidParameter);
    const QString s = length < 0 ? text : text.left(length);
    const Layout l = LayOut(s, *font, TGPRectF{origin.X, origin.Y, 0, 0}, format);
    EdgeMode();
    FPainter->save();
    FPainter->setFont(font->Native());
    FPainter->setPen(QPen(*native, 1));
    double y = origin.Y;
    for (const auto& line : l.lines) {
        double x = origin.X + l.pad;
        if (format && format->GetAlignment() == StringAlignmentCenter) x = origin.X - line.width / 2;
        if (format && format->GetAlignment() == StringAlignmentFar) x = origin.X - l.pad - line.width;
        FPainter->drawText(QPointF(x, y + l.ascent), line.text);
        y += l.lineHeight;
    }
    FPainter->restore();
    return TStatus::Ok;
}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont& font) {
    auto family = std::make_unique<TGPFontFamily>(font.Name());
    const TStatus s = family->GetLastStatus();
    if (s == TStatus::FontFamilyNotFound || s == TStatus::FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>(QStringLiteral("Arial"));
    int style = 0;
    if (font.Style() & fsBold) style += 1;
    if (font.Style() & fsItalic) style += 2;
    if (font.Style() & fsUnderline) style += 4;
    return std::make_unique<TGPFont>(family.get(), float(font.Size()), style, UnitPoint);
}

int TGPGraphics::TextWidth(const QString& text, const TFont& font) const {
    const auto f = MakeFont(font);
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF{0, 0, 10000, 10000}, nullptr, box);
    return RoundEven(box.Width);
}

int TGPGraphics::TextHeight(const QString& text, const TFont& font) const {
    const auto f = MakeFont(font);
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF{0, 0, 10000, 10000}, nullptr, box);
    return RoundEven(box.Height);
}

int TGPGraphics::DrawText(const QString& text, int length, TRect& rect, const TFont& font, unsigned style,
                          TColor bkColor) {
    const auto f = MakeFont(font);
    if ((style & DT_CALCRECT) || bkColor != clNone) {
        int e = 2;
        if (font.Size() > 8) e += RoundEven((font.Size() - 8) / 1.5);
        QString measured = length < 0 ? text : text.left(length);
        if (measured.size() > 1 && measured.endsWith(QLatin1Char(' '))) measured[measured.size() - 1] = QLatin1Char('i');
        TGPRectF box;
        MeasureString(measured, length, f.get(),
                      TGPRectF{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                               float(rect.Bottom - rect.Top)},
                      nullptr, box);
        rect.Right = rect.Left + RoundEven(box.Width - e);
        rect.Bottom = rect.Top + RoundEven(box.Height);
        if (bkColor != clNone) {
            TGPSolidBrush back(OpaqueArgb(bkColor));
            FillRectangle(&back, TGPRectF{float(rect.Left + 1), float(rect.Top), box.Width - e + 1, box.Height});
        }
    }
    if (!(style & DT_CALCRECT)) {
        TGPSolidBrush brush(OpaqueArgb(font.Color()));
        DrawString(text, length, f.get(), TGPPointF{float(rect.Left), float(rect.Top)}, nullptr, &brush);
    }
    return rect.Bottom - rect.Top;
}
