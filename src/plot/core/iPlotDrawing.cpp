#include "core/iPlotDrawing.h"

#include "graphics/GdiDrawing.h"
#include "rtl/RtlMath.h"
#include "ui/TForm.h"
#include "ui/TWinControl.h"

#include <QGuiApplication>

#include <algorithm>
#include <climits>
#include <cmath>

unsigned PlatformTextFlags(unsigned flags) {
    unsigned out = 0;
    if (flags & itfCenter) out |= DT_CENTER;
    if (flags & itfRight) out |= DT_RIGHT;
    if (flags & itfVCenter) out |= DT_VCENTER;
    if (flags & itfBottom) out |= DT_BOTTOM;
    if (flags & itfWordBreak) out |= DT_WORDBREAK;
    if (flags & itfSingleLine) out |= DT_SINGLELINE;
    if (flags & itfExpandTabs) out |= DT_EXPANDTABS;
    if (flags & itfNoClip) out |= DT_NOCLIP;
    if (!(flags & itfPrefix)) out |= DT_NOPREFIX;
    if (flags & itfCalcRect) out |= DT_CALCRECT;
    if (flags & itfEndEllipsis) out |= DT_END_ELLIPSIS;
    if (flags & itfPathEllipsis) out |= DT_PATH_ELLIPSIS;
    if (flags & itfWordEllipsis) out |= DT_WORD_ELLIPSIS;
    if (flags & itfModifyString) out |= DT_MODIFYSTRING;
    return out;
}

TColor ShadeColor(TColor color, int amount, bool lighter) {
    const TColor rgb = ColorToRGB(color);
    auto shade = [&](int c) { return std::clamp(lighter ? c + amount : c - amount, 0, 255); };
    return RGBColor(shade(GetRValue(rgb)), shade(GetGValue(rgb)), shade(GetBValue(rgb)));
}

int DrawTextFlags(TCanvas& canvas, const QString& text, TRect& rect, TColor backColor, bool enabled,
                  unsigned flags) {
    const unsigned platform = PlatformTextFlags(flags);
    if (enabled || (flags & itfCalcRect) || ColorToRGB(backColor) == clBlack)
        return DrawText(canvas, text, rect, platform);
    const TColor fontColor = canvas.Font.Color();
    TRect shifted{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
    canvas.Font.SetColor(ShadeColor(clBtnFace, 64, true));
    DrawText(canvas, text, shifted, platform);
    canvas.Font.SetColor(ShadeColor(clBtnFace, 32, false));
    const int height = DrawText(canvas, text, rect, platform);
    canvas.Font.SetColor(fontColor);
    return height;
}

void DrawRotatedText(TCanvas& canvas, const QString& text, const TRect& rect, TRect& outRect, TColor backColor,
                     bool enabled, int alignment, TiRotationAngle rotation) {
    const int cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
    const int w = canvas.TextWidth(text), h = canvas.TextHeight(text);
    if (rotation == ira000) {
        unsigned flags = itfNoClip | itfVCenter;
        flags |= alignment == 0 ? itfCenter : alignment == 1 ? itfLeft : itfRight;
        if (!text.contains(QLatin1Char('\r'))) flags |= itfSingleLine;
        TRect r = rect;
        DrawTextFlags(canvas, text, r, backColor, enabled, flags);
        outRect = {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
        return;
    }
    int x = 0, y = 0, escapement = 0;
    switch (rotation) {
    case ira090:
        x = cx - h / 2, y = cy + w / 2, escapement = 900;
        outRect = {cx - h / 2, cy - w / 2, cx - h / 2 + h, cy - w / 2 + w};
        break;
    case ira180:
        x = cx + w / 2, y = cy + h / 2, escapement = 1800;
        outRect = {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
        break;
    default:
        x = cx + h - h / 2, y = cy - w / 2, escapement = 2700;
        outRect = {cx - h / 2, cy - w / 2, cx - h / 2 + h, cy - w / 2 + w};
        break;
    }
    TextOutAngle(canvas, x, y, text, escapement);
}

QString NextTextLine(const QString& text, int& pos) {
    const int start = pos;
    while (pos < text.size() && text[pos] != QLatin1Char('\r') && text[pos] != QLatin1Char('\n')) ++pos;
    const QString line = text.mid(start, pos - start);
    if (pos < text.size() && text[pos] == QLatin1Char('\r')) ++pos;
    if (pos < text.size() && text[pos] == QLatin1Char('\n')) ++pos;
    return line;
}

int MultiLineTextWidth(const TCanvas& canvas, const QString& text) {
    int widest = 0, pos = 0;
    while (pos < text.size()) widest = std::max(widest, canvas.TextWidth(NextTextLine(text, pos)));
    return widest;
}

int TextHeightOf(TCanvas& canvas, const QString& text) {
    TRect r{0, 0, 0, 0};
    return DrawText(canvas, text, r, DT_CALCRECT | DT_NOCLIP | DT_NOPREFIX);
}

int WrappedTextHeight(TCanvas& canvas, const QString& text, int width) {
    TRect r{0, -800, width, -100};
    return DrawText(canvas, text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
}

void DrawFocusRectangle(TCanvas& canvas, const TRect& rect) { DrawFocusRect(canvas, rect); }

void DrawBorderStyle(TCanvas& canvas, const TRect& rect, int style) {
    switch (style) {
    case 0: DrawEdge(canvas, rect, EDGE_SUNKEN); break;
    case 1: DrawEdge(canvas, rect, EDGE_RAISED); break;
    case 2: {
        const TPen saved = canvas.Pen;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Color = clBtnShadow;
        const TPoint pts[] = {{rect.Left, rect.Top},
                              {rect.Right - 1, rect.Top},
                              {rect.Right - 1, rect.Bottom - 1},
                              {rect.Left, rect.Bottom - 1}};
        canvas.Polygon(pts, 4);
        canvas.Pen = saved;
        break;
    }
    default: break;
    }
}

void FillGradientRect(TCanvas& canvas, const TRect& rect, TiFillDirection direction, TColor startColor,
                      TColor stopColor) {
    const TBrushStyle savedBrush = canvas.Brush.Style;
    const TPen savedPen = canvas.Pen;
    canvas.Brush.Style = bsClear;
    const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    const int m = std::max(rect.Right, rect.Bottom);
    int c = 0, width = 1;
    bool reversed = false;
    switch (direction) {
    case ifdTopBottom: c = h - 1; break;
    case ifdBottomTop: c = h - 1, reversed = true; break;
    case ifdLeftRight: c = w - 1; break;
    case ifdRightLeft: c = w - 1, reversed = true; break;
    case ifdTopLeftBottomRight: c = 2 * m - 2; break;
    case ifdBottomRightTopLeft: c = 2 * m - 2, reversed = true; break;
    case ifdBottomLeftTopRight: c = 2 * m - 2; break;
    case ifdTopRightBottomLeft: c = 2 * m - 2, reversed = true; break;
    case ifdRectangleOut: c = (m - 1) / 3, width = 2; break;
    case ifdRectangleIn: c = (m - 1) / 3, width = 2, reversed = true; break;
    case ifdCircleOut: c = (m - 1) / 8, width = 16; break;
    case ifdCircleIn: c = (m - 1) / 8, width = 16, reversed = true; break;
    }
    const TColor start = ColorToRGB(startColor), stop = ColorToRGB(stopColor);
    canvas.Pen.Width = width;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    const double x0 = (rect.Right - 1) / 2.0, y0 = (rect.Bottom - 1) / 2.0;
    for (int i = 0; i <= c; ++i) {
        // A fill of no steps (a one-pixel strip) has no gradient: its one figure is the start colour.
        const double t = c == 0 ? 0.0 : double(i) / c;
        auto mix = [&](int a, int b) {
            const double v = (c == 0 || !reversed) ? t * b + (1 - t) * a : t * a + (1 - t) * b;
            return int(Round(v));
        };
        canvas.Pen.Color = RGBColor(mix(GetRValue(start), GetRValue(stop)), mix(GetGValue(start), GetGValue(stop)),
                                    mix(GetBValue(start), GetBValue(stop)));
        auto line = [&](int xa, int ya, int xb, int yb) {
            const TPoint pts[] = {{xa, ya}, {xb, yb}};
            canvas.Polyline(pts, 2);
        };
        switch (direction) {
        case ifdTopBottom:
        case ifdBottomTop: line(rect.Left, rect.Top + i, rect.Right, rect.Top + i); break;
        case ifdLeftRight:
        case ifdRightLeft: line(rect.Left + i, rect.Top, rect.Left + i, rect.Bottom); break;
        case ifdTopLeftBottomRight:
        case ifdBottomRightTopLeft:
            line(int(Round(2 * t * (rect.Right - 1))) - 1, 0, -1, int(Round(2 * t * (rect.Bottom - 1))));
            break;
        case ifdBottomLeftTopRight:
        case ifdTopRightBottomLeft:
            line(0, (rect.Bottom - 1) - int(Round(2 * t * (rect.Bottom - 1))), int(Round(2 * t * (rect.Right - 1))),
                 rect.Bottom - 1);
            break;
        case ifdRectangleOut:
        case ifdRectangleIn:
        case ifdCircleOut:
        case ifdCircleIn: {
            const double f = (direction == ifdCircleOut || direction == ifdCircleIn) ? 1.414 * t : t;
            const int l = int(Round(x0 - f * x0)), tp = int(Round(y0 + f * y0));
            const int r = int(Round(x0 + f * x0)), b = int(Round(y0 - f * y0));
            if (direction == ifdCircleOut || direction == ifdCircleIn) {
                canvas.Ellipse(l, tp, r, b);
            } else {
                const TPoint pts[] = {{l, tp}, {r, tp}, {r, b}, {l, b}, {l, tp}};
                canvas.Polyline(pts, 5);
            }
            break;
        }
        }
    }
    if (direction == ifdRectangleOut || direction == ifdRectangleIn) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = direction == ifdRectangleOut ? startColor : stopColor;
        const int px = rect.Left + w / 2 - 1, py = rect.Top + h / 2 - 1;
        canvas.FillRect({px, py, px + 1, py + 1});
    }
    canvas.Brush.Style = savedBrush;
    canvas.Pen = savedPen;
}

void IntersectClipRect(TCanvas& canvas, TRect r) {
    if (const std::optional<TRect> clip = canvas.ClipRect()) {
        r.Left = std::max(r.Left, clip->Left), r.Top = std::max(r.Top, clip->Top);
        r.Right = std::min(r.Right, clip->Right), r.Bottom = std::min(r.Bottom, clip->Bottom);
        if (r.Right < r.Left) r.Right = r.Left;
        if (r.Bottom < r.Top) r.Bottom = r.Top;
    }
    canvas.SetClipRect(r);
}

TRect NormalizedRect(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

QImage CornerColorTransparent(const QImage& image) {
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) return picture;
    const QRgb key = picture.pixel(0, picture.height() - 1);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::replace(row, row + picture.width(), key, QRgb(0));
    }
    return picture;
}

TRect OrientedRect(bool swap, int x1, int y1, int x2, int y2) {
    return swap ? NormalizedRect(y1, x1, y2, x2) : NormalizedRect(x1, y1, x2, y2);
}

TPoint OrientedPoint(bool swap, int a, int b) { return swap ? TPoint{b, a} : TPoint{a, b}; }

void SwapInts(int& a, int& b) { std::swap(a, b); }

int PrecisionDecimals(int precision, int style, double a, double b) {
    if (style == 1) return precision;
    if (precision <= 0) return 0;
    const double d = std::fabs(a - b);
    int k = 0;
    if (d != 0) k = precision - int(Trunc(std::log10(d)) + 1);
    if (d < 1) k = k + 1;
    return std::max(0, k);
}

namespace {

int SpanIn(double span, double unitsPerDay, double unitMs) {
    const double days = std::trunc(span + 1e-15);
    const double dayMs = std::nearbyint((span - days) * 86400000.0);
    const double count = days * unitsPerDay + std::trunc(dayMs / unitMs);
    if (!(count <= double(INT_MAX))) return INT_MAX;
    if (count < double(INT_MIN)) return INT_MIN;
    return int(count);
}

}  // namespace

int SpanMilliseconds(double span) { return SpanIn(span, 86400000.0, 1.0); }
int SpanSeconds(double span) { return SpanIn(span, 86400.0, 1000.0); }
int SpanMinutes(double span) { return SpanIn(span, 1440.0, 60000.0); }
int SpanHours(double span) { return SpanIn(span, 24.0, 3600000.0); }

bool ShiftKeyDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

bool CtrlKeyDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }

void FocusComponent(TWinControl* control) {
    if (control) control->setFocus(Qt::OtherFocusReason);
}

TComponent* FindOwnerForm(TComponent* component) {
    TComponent* lastWindowed = nullptr;
    for (TComponent* c = component; c; c = c->Owner()) {
        if (dynamic_cast<TForm*>(c)) return c;
        if (dynamic_cast<TWinControl*>(c)) lastWindowed = c;
    }
    return lastWindowed;
}

double MmToInch(double value) { return value / 10 / 2.54; }

namespace {

struct PaperSize {
    int code;
    double width;
    double height;
    bool mm;
};

// The device-mode paper codes 3 to 68 (48 and 49 are reserved) with their documented sizes.
constexpr PaperSize kPaperSizes[] = {
    {3, 11, 17, false},        {4, 17, 11, false},        {5, 8.5, 14, false},       {6, 5.5, 8.5, false},
    {7, 7.25, 10.5, false},    {8, 297, 420, true},       {9, 210, 297, true},       {10, 210, 297, true},
    {11, 148, 210, true},      {12, 250, 354, true},      {13, 182, 257, true},      {14, 8.5, 13, false},
    {15, 215, 275, true},      {16, 10, 14, false},       {17, 11, 17, false},       {18, 8.5, 11, false},
    {19, 3.875, 8.875, false}, {20, 4.125, 9.5, false},   {21, 4.5, 10.375, false},  {22, 4.75, 11, false},
    {23, 5, 11.5, false},      {24, 17, 22, false},       {25, 22, 34, false},       {26, 34, 44, false},
    {27, 110, 220, true},      {28, 162, 229, true},      {29, 324, 458, true},      {30, 229, 324, true},
    {31, 114, 162, true},      {32, 114, 229, true},      {33, 250, 353, true},      {34, 176, 250, true},
    {35, 176, 125, true},      {36, 110, 230, true},      {37, 3.875, 7.5, false},   {38, 3.625, 6.5, false},
    {39, 14.875, 11, false},   {40, 8.5, 12, false},      {41, 8.5, 13, false},      {42, 250, 353, true},
    {43, 100, 148, true},      {44, 9, 11, false},        {45, 10, 11, false},       {46, 15, 11, false},
    {47, 220, 220, true},      {50, 9.5, 12, false},      {51, 9.5, 15, false},      {52, 11.69, 18, false},
    {53, 9.27, 12.69, false},  {54, 8.5, 11, false},      {55, 210, 297, true},      {56, 9.5, 12, false},
    {57, 227, 356, true},      {58, 305, 487, true},      {59, 8.5, 12.69, false},   {60, 210, 330, true},
    {61, 148, 210, true},      {62, 182, 257, true},      {63, 322, 445, true},      {64, 174, 235, true},
    {65, 201, 276, true},      {66, 420, 594, true},      {67, 297, 420, true},      {68, 322, 445, true},
};

}  // namespace

void PaperSizeInches(int code, double& width, double& height) {
    width = 8.5;
    height = 11;
    for (const PaperSize& p : kPaperSizes) {
        if (p.code != code) continue;
        width = p.mm ? MmToInch(p.width) : p.width;
        height = p.mm ? MmToInch(p.height) : p.height;
        return;
    }
}
