// The curve graph's overlays (band markers and their parameter texts, the selected band's
// fill, text and line overlays) and its pointer operations (pan, stretch, rubber-band zoom).
#include "LCustomFFTDraw.h"

#include "graphics/TSplinePath.h"
#include "ui/SysUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// Markers further than this outside the curve page cannot touch it (shape, number and
// parameter texts included) and are not drawn.
constexpr int kMarkerReach = 100;

// The translucent grey of the selected band's fill and its outline.
const QColor kFillColour(128, 128, 128, 30);

}  // namespace

// ---------------------------------------------------------------- overlays

void LCustomFFTDraw::PaintOverlays() {
    BlockPaint();
    if (FLineSet) LinePaint();
    TextPaint();
    CuveDisplayPaint();
}

LCustomFFTDraw::TMarkerLook LCustomFFTDraw::MarkerLook(int kind, int index) const {
    TMarkerLook look;
    switch (kind) {
    case 0:
        look.shape = msSquare;
        look.label = Sprintf("%i", index + 1);
        break;
    case 1:
        look.shape = msCircle;
        look.label = Sprintf("%i", index + 1);
        look.showsParameters = true;
        break;
    case 2:
    case 3:
        look.shape = msSquare;
        look.label = kind == 2 ? QStringLiteral("LPF") : QStringLiteral("HPF");
        look.fontSize = 8;
        look.dx = -8;
        look.dy = -20;
        look.restoreFontSize = true;
        break;
    default:
        break;
    }
    return look;
}

void LCustomFFTDraw::PaintMarker(int index, int penWidth, bool withParameters) {
    const TBlock& b = FBlocks[std::size_t(index)];
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const double sx = ScreenX(b.dataX), sy = ScreenY(b.dataY);
    c.Pen.Color = b.colour;
    c.Pen.Width = penWidth;
    c.Pen.Style = psSolid;
    c.Brush.Style = bsCross;
    const TMarkerLook look = MarkerLook(b.kind, index);
    const bool inReach = sx > -kMarkerReach && sx < page.Width() + kMarkerReach && sy > -kMarkerReach &&
                         sy < page.Height() + kMarkerReach;
    if (look.shape != msNone && inReach) {
        const int l = TruncPixel(sx - 3), t = TruncPixel(sy - 3), r = TruncPixel(sx + 3), bt = TruncPixel(sy + 3);
        if (look.shape == msSquare)
            c.Rectangle(l, t, r, bt);
        else
            c.Ellipse(l, t, r, bt);
        c.Font.SetColor(clWhite);
        c.Font.SetSize(look.fontSize);
        c.TextOut(TruncPixel(sx + look.dx), TruncPixel(sy + look.dy), look.label);
        if (look.restoreFontSize) c.Font.SetSize(FTextSize);
        if (withParameters && look.showsParameters && FParameterDisplay &&
            (b.dataX != FCurveX || b.dataY != FCurveGain))
            ShowParam(MarkerParameterKind(b.type), b.gain, b.dataX, float(b.frequency), b.q, clWhite);
    }
    c.Pen.Width = 1;
}

void LCustomFFTDraw::BlockPaint() {
    for (int i = 0; i < kMarkerCount; ++i)
        if (!FBlocks[std::size_t(i)].hidden) PaintMarker(i, 5, true);
}

void LCustomFFTDraw::DrawBlock(double y, double x, TColor colour, int index, bool hidden, int kind) {
    if (!ValidIndex(index)) return;
    TBlock& b = FBlocks[std::size_t(index)];
    b.dataX = x;
    b.dataY = y;
    b.colour = colour;
    b.kind = kind;
    b.hidden = hidden;
    SetBlockPosition(ScreenX(x), ScreenY(y), index);
    if (Drawing()) PaintMarker(index, 1, false);
}

void LCustomFFTDraw::SetBlockParameter(int index, double frequency, double gain, double q, int type) {
    if (!ValidIndex(index)) return;
    TBlock& b = FBlocks[std::size_t(index)];
    b.frequency = frequency;
    b.gain = gain;
    b.q = q;
    b.type = type;
}

void LCustomFFTDraw::SetBlockPosition(double screenX, double screenY, int index) {
    if (!ValidIndex(index)) return;
    TBlock& b = FBlocks[std::size_t(index)];
    b.screenX = screenX;
    b.screenY = screenY;
    b.screenPoint = {TruncPixel(screenX), TruncPixel(screenY)};
}

TPoint LCustomFFTDraw::GetBlockPos(int index) const {
    return ValidIndex(index) ? FBlocks[std::size_t(index)].screenPoint : TPoint{};
}

const LCustomFFTDraw::TBlock& LCustomFFTDraw::Block(int index) const {
    static const TBlock none{};
    return ValidIndex(index) ? FBlocks[std::size_t(index)] : none;
}

void LCustomFFTDraw::DrawParam(int kind, double gain, double x, float frequency, double q, TColor colour) {
    FCurveKind = kind;
    FCurveGain = gain;
    FCurveX = x;
    FCurveFrequency = frequency;
    FCurveQ = q;
    FCurveColour = colour;
    if (Drawing()) ShowParam(kind, gain, x, frequency, q, colour);
}

void LCustomFFTDraw::ShowParam(int kind, double gain, double x, float frequency, double q, TColor colour) {
    if (!FShown) return;
    DrawParamTexts(kind, gain, x, frequency, q, colour, false);
}

void LCustomFFTDraw::DrawParamTexts(int kind, double gain, double x, double frequency, double q, TColor colour,
                                    bool repaint) {
    TCanvas& c = FPages[pgCurve].Canvas();
    const TParamLayout layout = ParamLayout(kind, repaint);
    const double sx = ScreenX(x), sy = ScreenY(gain);
    if (layout.colourPen) {
        c.Pen.Color = colour;
        c.Pen.Width = 1;
    }
    c.Font.SetSize(8);
    c.Font.SetColor(colour);
    const int tx = TruncPixel(sx - 20);
    static constexpr int kBelow[3] = {20, 33, 46};
    for (int i = 0; i < layout.count; ++i) {
        QString text;
        switch (layout.lines[std::size_t(i)]) {
        case plQ: text = Sprintf("Q:%4.2f", q); break;
        case plFrequency:
            text = frequency < 1000 ? Sprintf("%4.1fHz", frequency) : Sprintf("%4.2fKHz", frequency / 1000);
            break;
        case plGain: text = Sprintf("%4.1fdB", gain); break;
        }
        const double y = gain > 0 ? sy + kBelow[i] : sy + layout.above[std::size_t(i)];
        c.TextOut(tx, TruncPixel(y), text);
    }
    c.Font.SetSize(FTextSize);
}

void LCustomFFTDraw::DrawCurveFill(int kind, const double* data, int count) {
    Q_UNUSED(kind);  // the closing lines follow the kind of the preceding DrawParam
    // The copy holds the 4096 points of the curve axis; more points are not taken.
    const int n = std::clamp(count, 0, kFillPoints);
    if (data) std::copy(data, data + n, FCurveData.begin());
    ++FCurveDataVersion;
    if (Drawing()) PaintFill(true);
}

void LCustomFFTDraw::CuveDisplayPaint() {
    if (!FCurveShown) return;
    DrawParamTexts(FCurveKind, FCurveGain, FCurveX, FCurveFrequency, FCurveQ, FCurveColour, true);
    PaintFill(false);
}

void LCustomFFTDraw::PaintFill(bool outlineAfterClosing) {
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const double W = page.Width(), H = page.Height();
    // The spline through the curve is made again only when the curve, the range or the page
    // size changed; the overlays are painted many times in between.
    const TFillKey key{page.Width(), page.Height(), FXMin, FXMax, FYMin, FYMax, FCurveDataVersion};
    if (!(key == FFillKey) || FFillSpline.IsEmpty()) {
        std::vector<TPoint> points(static_cast<std::size_t>(kFillPoints));
        for (int k = 0; k < kFillPoints; ++k)
            points[std::size_t(k)] = {TruncPixel(W * (k - FXMin) / (FXMax - FXMin)),
                                      TruncPixel(H - H * (FCurveData[std::size_t(k)] - FYMin) / (FYMax - FYMin))};
        FFillSpline = TSplinePath();
        FFillSpline.AddCurve(points.data(), kFillPoints);
        FFillKey = key;
    }
    TSplinePath path = FFillSpline;
    if (!outlineAfterClosing) path.Draw(c, kFillColour, 1);
    const double x10 = ScreenX(10), x20000 = ScreenX(20000);
    const double y0 = ScreenY(0), yTop = ScreenY(FYMax), yBottom = ScreenY(FYMin);
    const double edge = FCurveGain >= 0 ? yTop : yBottom;
    if (FCurveKind == 0) {
        path.AddLine(x10, y0, x20000, y0);
    } else if (FCurveKind == 1) {
        path.AddLine(x20000, y0, x10, y0);
        path.AddLine(x10, y0, x10, edge);
    } else if (FCurveKind == 2) {
        path.AddLine(x20000, edge, x20000, y0);
        path.AddLine(x20000, y0, x10, y0);
    } else if (FCurveKind >= 3) {
        path.AddLine(x20000, y0, x20000, yBottom);
        path.AddLine(x20000, yBottom, x10, yBottom);
    }
    if (outlineAfterClosing) path.Draw(c, kFillColour, 1);
    path.Fill(c, kFillColour);
}

void LCustomFFTDraw::TextPaint() {
    TCanvas& c = FPages[pgCurve].Canvas();
    c.Font.SetSize(FTextSize);
    c.Font.SetColor(FTextColour);
    c.Font.SetName(FTextFont);
    c.Brush.Style = bsClear;
    c.TextOut(FTextX, FTextY, FText);
}

void LCustomFFTDraw::DrawTextA(int x, int y, int size, TColor colour, const QString& fontName, const QString& text) {
    FTextX = x;
    FTextY = y;
    FTextSize = size;
    FTextColour = colour;
    FTextFont = fontName;
    FText = text;
    TFont& font = FPages[pgCurve].Font();
    font.SetName(fontName);
    font.SetSize(size);
    if (!FShown) return;
    TCanvas& c = FPages[pgCurve].Canvas();
    c.Brush.Style = bsClear;
    c.TextOut(x, y, text);
}

void LCustomFFTDraw::PaintLineOverlay(TPenStyle style) {
    TCanvas& c = FPages[pgCurve].Canvas();
    const double sx = ScreenX(FLineX);
    FLineScreenX = TruncPixel(sx);
    c.Pen.Color = clRed;
    c.Pen.Width = 1;
    c.Pen.Style = style;
    c.MoveTo(FLineScreenX, 0);
    c.LineTo(FLineScreenX, Height() - 10);
    c.Pen.Style = psSolid;
    if (FLineSquare) {
        const double sy = ScreenY(-3);
        c.Pen.Color = clYellow;
        c.Brush.Color = clYellow;
        c.Brush.Style = bsSolid;
        c.Rectangle(TruncPixel(sx - 4), TruncPixel(sy - 4), TruncPixel(sx + 4), TruncPixel(sy + 4));
    }
}

void LCustomFFTDraw::LinePaint() { PaintLineOverlay(psDot); }

void LCustomFFTDraw::DrawLine(double x, TColor colour, bool withSquare) {
    Q_UNUSED(colour);  // the line is always red
    FLineX = x;
    FLineSquare = withSquare;
    FLineSet = true;
    if (FShown) PaintLineOverlay(psDash);
}

// ---------------------------------------------------------------- pointer operations

void LCustomFFTDraw::DrawRubberBand() {
    TCanvas& c = Canvas();
    c.Brush.Style = bsClear;
    c.Pen.Color = clBlack;
    c.Pen.Style = psDot;
    c.Pen.Width = 1;
    c.Pen.Mode = pmNot;
    c.Rectangle(FZoomRect);
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
}

void LCustomFFTDraw::MouseDown1(TMouseButton button, TShiftState shift, int x, int y) {
    MouseDown(button, shift, x, y);
    if (FMouseControl && button == mbLeft) {
        if (shift == (ssAlt | ssLeft) || shift == (ssAlt | ssRight)) {
            FStretching = true;
        } else if (shift == (ssCtrl | ssLeft)) {
            FZooming = true;
            FZoomRect = Rect(x, y, x + 2, y + 2);
            FZoomAnchor = {x, y};
            DrawRubberBand();
        } else {
            FPanning = true;
        }
    }
    FLastMouse = {x, y};
}

void LCustomFFTDraw::MouseMove1(TShiftState shift, int x, int y) {
    MouseMove(shift, x, y);
    const int dx = x - FLastMouse.X, dy = y - FLastMouse.Y;
    const double W = FPages[pgCurve].Width(), H = FPages[pgCurve].Height();
    if (FMouseControl && (FPanning || FStretching) && W > 0 && H > 0) {
        const bool xLog = FXAxisFormat == TMyAxisFormat::Log, yLog = FYAxisFormat == TMyAxisFormat::Log;
        const double rx = dx * (xLog ? FLogXMax - FLogXMin : FXMax - FXMin) / W;
        const double ry = dy * (yLog ? FLogYMax - FLogYMin : FYMax - FYMin) / H;
        const double fx = std::pow(10.0, rx), fy = std::pow(10.0, ry);
        double x0 = FXMin, x1 = FXMax, y0 = FYMin, y1 = FYMax;
        if (FPanning) {
            if (xLog) { x0 /= fx; x1 /= fx; } else { x0 -= rx; x1 -= rx; }
            if (yLog) { y0 *= fy; y1 *= fy; } else { y0 += ry; y1 += ry; }
        } else {
            if (xLog) { x0 *= fx; x1 /= fx; } else { x0 += rx; x1 -= rx; }
            if (yLog) { y0 /= fy; y1 *= fy; } else { y0 -= ry; y1 += ry; }
        }
        SetXYMinMax(x0, x1, y0, y1);
        if (!FAutoRedraw) DrawPlotsAndLabels();
    } else if (FMouseControl && FZooming) {
        DrawRubberBand();
        FZoomRect = Rect(std::min(FZoomAnchor.X, x), std::min(FZoomAnchor.Y, y), std::max(FZoomAnchor.X, x),
                         std::max(FZoomAnchor.Y, y));
        DrawRubberBand();
    }
    FLastMouse = {x, y};
    FMouseX = PlotX(x);
    FMouseY = PlotY(y);
    if (!FPanning && !FStretching) DrawMouseCoord();
}

void LCustomFFTDraw::MouseUp1(TMouseButton button, TShiftState shift, int x, int y) {
    MouseUp(button, shift, x, y);
    FPanning = FStretching = false;
    if (FZooming) {
        DrawRubberBand();
        FZooming = false;
        SetXYMinMax(PlotX(FZoomRect.Left), PlotX(FZoomRect.Right), PlotY(FZoomRect.Bottom), PlotY(FZoomRect.Top));
    }
}

void LCustomFFTDraw::DblClick1() {
    DblClick();
    if (!FMouseControl) return;
    AutoScale();
    DrawPlotsAndLabels();
}

void LCustomFFTDraw::DrawMouseCoord() {
    if (!FShowCoordinates || !Visible() || !FShown) return;
    TPaintPage& page = FPages[pgMouseCoord];
    page.Fill(Color());
    page.SetFont(FMouseCoordFont);
    TCanvas& c = page.Canvas();
    c.TextOut(0, 0, QStringLiteral("x = ") + FormatLabel(FMouseX, FXLabelFormat, FXLabelPrecision, FXLabelDigits));
    c.TextOut(0, c.TextHeight(QStringLiteral("y")) + 3,
              QStringLiteral("y = ") + FormatLabel(FMouseY, FYLabelFormat, FYLabelPrecision, FYLabelDigits));
    UpdatePaintPage(pgMouseCoord);
}
