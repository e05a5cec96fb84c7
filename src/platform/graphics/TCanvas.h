#pragma once
// A drawing surface over an image, with the pen, brush and font state of the windows'
// canvases: lines and shapes are aliased, a rectangle's right and bottom edges are exclusive,
// text is placed by the top-left corner of its cell and gets the brush colour as background
// while the brush is solid (transparent otherwise). A canvas without an image draws nothing
// but still measures text.
#include "graphics/TColor.h"
#include "graphics/TFont.h"
#include "graphics/Types.h"

#include <QImage>
#include <QPolygon>
#include <QPainter>
#include <QString>

#include <QFontMetrics>
#include <QHash>

#include <functional>
#include <memory>
#include <optional>

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Reference point of TCanvas::TextOutAligned (the windows' text-alignment values).
constexpr unsigned TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TCanvas {
public:
    // Called with every text a canvas draws (before it is drawn): the canvas, the position
    // and the text. One hook for the process; tests use it to see what was written where.
    using TextOutHook = std::function<void(const TCanvas& canvas, int x, int y, const QString& text)>;
    static void SetTextOutHook(TextOutHook hook);

    TCanvas() = default;
    explicit TCanvas(QImage* target) : FTarget(target) {}
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The image drawn on (may be null). Changing it ends any drawing in progress.
    void SetTarget(QImage* target);
    QImage* Target() const { return FTarget; }

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const TPoint* points, int count);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    // A closed polygon: its outline with the pen, its inside with the brush.
    void Polygon(const TPoint* points, int count);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Text whose reference point is (x, y) as `align` says (left, centre or right of the
    // text; top, baseline or bottom of its cell), turned counter-clockwise by `escapement`
    // tenths of a degree about that point. The brush fills the turned cell while solid.
    void TextOutAligned(int x, int y, const QString& text, unsigned align, int escapement = 0);
    // The colour of one pixel (clNone outside the image); setting one outside does nothing.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // Copies (stretching when the sizes differ) a rectangle of another canvas's image.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // A painter on the image with no pen and no brush set, for drawing the windows'
    // canvases do not offer (paths); null without an image. Call Changed afterwards.
    QPainter* Painter();
    void Changed(const QRect& area);
    // Ends drawing in progress, so the image can be read or resized.
    void Release() const;

    // Called after every drawing operation with the area it touched.
    std::function<void(const QRect& area)> OnDrawn;

    // The clip region: a rectangle outside which no drawing operation changes a pixel (none
    // at start: the whole image).
    void SetClipRect(const TRect& r);
    void ClearClipRect();
    std::optional<TRect> ClipRect() const;
    // The part of the image that drawing may change now (the image, within the clip).
    QRect DrawableArea() const;

private:
    QPainter* Begin();
    void Shape(int left, int top, int right, int bottom, bool ellipse);
    void Stroke(const QPolygon& polygon);
    bool StraightLine(const QPoint& a, const QPoint& b);
    void ApplyPen(QPainter& p) const;
    void ApplyBrush(QPainter& p) const;
    void ApplyMode(QPainter& p) const;
    QRect Grown(const QRect& r) const;

    // The Qt font and metrics of Font, made again only when Font changed.
    const QFont& QtFont() const;
    const QFontMetrics& Metrics() const;

    QImage* FTarget = nullptr;
    std::optional<QRect> FClip;
    mutable std::unique_ptr<QPainter> FPainter;
    mutable std::optional<TFont> FFontMade;
    mutable QFont FQtFont;
    mutable std::optional<QFontMetrics> FMetrics;
    // Widths of the texts measured or drawn in the current font (the same labels are
    // measured again on every redraw).
    mutable QHash<QString, int> FWidths;
};
