#include "objects/iPlotAnnotation.h"

#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "core/iPlotMath.h"
#include "objects/iPlotDataView.h"
#include "rtl/Exception.h"
#include "rtl/RtlMath.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// An enumeration property whose file value must be one of its Count values: any other value
// is refused, so a damaged file cannot put an undefined value into the field.
template <class E, class G, class S>
TiPublishedProperty EnumProp(const char* name, G getter, S setter, int count, std::int64_t def) {
    TiPublishedProperty p = published::Prop<TiPlotAnnotation>(name, getter, setter, def);
    p.Set = [setter, count, name](TiPersistent& o, const TiPropertyValue& v) {
        const std::int64_t i = std::get<std::int64_t>(v);
        if (i < 0 || i >= count)
            throw Exception(QStringLiteral("Invalid %1 value %2").arg(QLatin1String(name)).arg(i));
        std::invoke(setter, static_cast<TiPlotAnnotation&>(o), static_cast<E>(i));
    };
    return p;
}

// Whether two rectangles touch, edges included (a line of no width meets the view).
bool Meets(const TRect& a, const TRect& b) {
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

TRect Intersection(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left || r.Bottom < r.Top) return {};
    return r;
}

// Inverts the pixels of a rectangle (drawing it twice restores the picture).
void InvertRect(TCanvas& canvas, const TRect& r) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    QPainter* p = canvas.Painter();
    if (!p) return;
    const QRect area(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    p->save();
    p->setCompositionMode(QPainter::RasterOp_NotDestination);
    p->fillRect(area, Qt::black);
    p->restore();
    canvas.Changed(area);
}

// The clip of the canvas narrowed to a rectangle for one drawing, restored afterwards.
class NarrowedClip {
public:
    NarrowedClip(TCanvas& canvas, const TRect& rect) : FCanvas(canvas), FOld(canvas.ClipRect()) {
        canvas.SetClipRect(FOld ? Intersection(*FOld, rect) : rect);
    }
    ~NarrowedClip() {
        if (FOld) FCanvas.SetClipRect(*FOld);
        else FCanvas.ClearClipRect();
    }
    NarrowedClip(const NarrowedClip&) = delete;
    NarrowedClip& operator=(const NarrowedClip&) = delete;

private:
    TCanvas& FCanvas;
    std::optional<TRect> FOld;
};

constexpr int kHandleHalf = 3;
constexpr int kLineHitHalf = 5;

}  // namespace

const TiPublishedClass& TiPlotAnnotation::Published() {
    using namespace published;
    using C = TiPlotAnnotation;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotAnnotation"), &TiPlotObject::Published(),
        {
            EnumProp<TiPlotAnnotationStyle>("Style", &C::Style, &C::SetStyle, ipasRectangle2 + 1, ipasText),
            EnumProp<TiPlotReferenceType>("Reference", &C::Reference, &C::SetReference, iprtXDataViewYChannel + 1,
                                          iprtDataView),
            EnumProp<TiPlotReferenceIndividual>("ReferencePositionX", &C::ReferencePositionX,
                                                &C::SetReferencePositionX, ipriAuto + 1, ipriAuto),
            EnumProp<TiPlotReferenceIndividual>("ReferencePositionY", &C::ReferencePositionY,
                                                &C::SetReferencePositionY, ipriAuto + 1, ipriAuto),
            EnumProp<TiPlotReferenceIndividual>("ReferenceSizeX", &C::ReferenceSizeX, &C::SetReferenceSizeX,
                                                ipriAuto + 1, ipriAuto),
            EnumProp<TiPlotReferenceIndividual>("ReferenceSizeY", &C::ReferenceSizeY, &C::SetReferenceSizeY,
                                                ipriAuto + 1, ipriAuto),
            Prop<C>("X", &C::X, &C::SetX),
            Prop<C>("Y", &C::Y, &C::SetY),
            Prop<C>("X2", &C::X2, &C::SetX2),
            Prop<C>("Y2", &C::Y2, &C::SetY2),
            Prop<C>("Width", &C::Width, &C::SetWidth),
            Prop<C>("Height", &C::Height, &C::SetHeight),
            Prop<C>("PenColor", &C::PenColor, &C::SetPenColor, 0xFFFFFF),
            Prop<C>("PenWidth", &C::PenWidth, &C::SetPenWidth, 1),
            EnumProp<TPenStyle>("PenStyle", &C::PenStyle, &C::SetPenStyle, psInsideFrame + 1, psSolid),
            Prop<C>("BrushColor", &C::BrushColor, &C::SetBrushColor, 0xFFFFFF),
            EnumProp<TBrushStyle>("BrushStyle", &C::BrushStyle, &C::SetBrushStyle, bsDiagCross + 1, bsSolid),
            Prop<C>("Text", &C::Text, &C::SetText),
            published::Object<C>("Font", &C::Font),
            Prop<C>("ChannelName", &C::ChannelName, &C::SetChannelName),
            EnumProp<TiRotationAngle>("TextRotation", &C::TextRotation, &C::SetTextRotation, ira270 + 1, ira000),
            Prop<C>("UserCanMove", &C::UserCanMove, &C::SetUserCanMove, 0),
            Prop<C>("UserCanSize", &C::UserCanSize, &C::SetUserCanSize, 0),
            Prop<C>("SelectModeOnlyInteraction", &C::SelectModeOnlyInteraction, &C::SetSelectModeOnlyInteraction, 1),
            Prop<C>("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes, 0),
            Prop<C>("ImageListIndex", &C::ImageListIndex, &C::SetImageListIndex, 0),
            Prop<C>("ImageIndex", &C::ImageIndex, &C::SetImageIndex, 0),
            EnumProp<TiAlignmentHorizontal>("TextHorzAlignment", &C::TextHorzAlignment, &C::SetTextHorzAlignment,
                                            iahRight + 1, iahCenter),
            EnumProp<TiAlignmentVertical>("TextVertAlignment", &C::TextVertAlignment, &C::SetTextVertAlignment,
                                          iavBottom + 1, iavCenter),
            EnumProp<TiAlignmentHorizontal>("TextLineAlignment", &C::TextLineAlignment, &C::SetTextLineAlignment,
                                            iahRight + 1, iahCenter),
            Prop<C>("TextHorzMargin", &C::TextHorzMargin, &C::SetTextHorzMargin),
            Prop<C>("TextVertMargin", &C::TextVertMargin, &C::SetTextVertMargin),
            Prop<C>("ShowFocusRect", &C::ShowFocusRect, &C::SetShowFocusRect, 1),
            Prop<C>("OuterMargin", &C::OuterMargin, &C::SetOuterMargin, 0),
        });
    return info;
}

const TiPublishedClass& TiPlotAnnotation::PublishedClass() const { return Published(); }

TiPlotAnnotation::TiPlotAnnotation(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                   TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetColor(clWhite);
    FFont.Assign(font);
    FFont.OnChange = [this] { TriggerChange(); };
}

// ---- references and conversions -------------------------------------------------------

bool TiPlotAnnotation::InChannelUnits(int coordinate) const {
    const TiPlotReferenceIndividual r = FReferences[std::size_t(coordinate)];
    if (r != ipriAuto) return r == ipriChannel;
    const bool xCoordinate = coordinate == 0 || coordinate == 2;
    if (FReference == iprtChannel) return true;
    return xCoordinate ? FReference == iprtXChannelYDataView : FReference == iprtXDataViewYChannel;
}

bool TiPlotAnnotation::AnyInChannelUnits() const {
    for (int i = 0; i < 4; ++i)
        if (InChannelUnits(i)) return true;
    return false;
}

TiPlotChannelCustom* TiPlotAnnotation::GetChannel() {
    if (!FChannel && FPlot) FChannel = FPlot->GetChannelByName(FChannelName);
    return FChannel;
}

TiPlotAxis* TiPlotAnnotation::ChannelAxis(int coordinate) {
    TiPlotChannelCustom* c = GetChannel();
    if (!c || !c->XAxis() || !c->YAxis()) return nullptr;
    return coordinate % 2 == 0 ? static_cast<TiPlotAxis*>(c->XAxis()) : static_cast<TiPlotAxis*>(c->YAxis());
}

// Coordinates 0 and 2 lie along the X axis, 1 and 3 along the Y axis; in percent the X axis
// runs along the data view's width unless the axes are exchanged.
int TiPlotAnnotation::ToPixels(int coordinate, double value) {
    if (InChannelUnits(coordinate)) {
        TiPlotAxis* axis = ChannelAxis(coordinate);
        return axis ? axis->PositionToPixels(value) : 0;
    }
    if (!FDataView) return 0;
    return (coordinate % 2 == 0) != FXYAxesReversed ? FDataView->PositionPercentToPixelsX(value)
                                                    : FDataView->PositionPercentToPixelsY(value);
}

double TiPlotAnnotation::FromPixels(int coordinate, int value) {
    if (InChannelUnits(coordinate)) {
        TiPlotAxis* axis = ChannelAxis(coordinate);
        return axis ? axis->PixelsToPosition(value) : 0;
    }
    if (!FDataView) return 0;
    return (coordinate % 2 == 0) != FXYAxesReversed ? FDataView->PixelsXToPositionPercent(value)
                                                    : FDataView->PixelsYToPositionPercent(value);
}

// A length: the pixels between its start (the axis's Min, or 0 %) and its end.
int TiPlotAnnotation::SizeToPixels(int coordinate, double value) {
    double start = 0;
    if (InChannelUnits(coordinate)) {
        TiPlotAxis* axis = ChannelAxis(coordinate);
        if (!axis) return 0;
        start = axis->Min();
    }
    return std::abs(ToPixels(coordinate, value + start) - ToPixels(coordinate, start));
}

// ---- properties -----------------------------------------------------------------------

void TiPlotAnnotation::FireCoordinatesChange() {
    if (FPlot) FPlot->DoAnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::SetCoordinate(double value, double& field) {
    if (value == field) return;
    field = value;
    TriggerChange();
    FireCoordinatesChange();
}

void TiPlotAnnotation::SetChannelName(const QString& v) {
    if (v == FChannelName) return;
    FChannelName = v;
    FChannel = nullptr;
    TriggerChange();
}

int TiPlotAnnotation::PolyPointAdd(double x, double y) {
    FPolyPoints.emplace_back(x, y);
    return int(FPolyPoints.size()) - 1;
}

void TiPlotAnnotation::SetImage(const QImage& image) {
    FImage = image;
    TriggerChange();
}

void TiPlotAnnotation::ImageClear() {
    if (FImage.isNull()) return;
    FImage = QImage();
    TriggerChange();
}

void TiPlotAnnotation::ImageLoadFromFile(const QString& fileName) {
    QImage image;
    if (!image.load(fileName)) throw Exception(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
    SetImage(image);
}

void TiPlotAnnotation::SetPaintDataView(TiPlotDataView* dataView, bool xyAxesReversed) {
    FDataView = dataView;
    SetXYAxesReversed(xyAxesReversed);
}

void TiPlotAnnotation::NotificationRemove(TObject* sender) {
    if (sender == FDataView) FDataView = nullptr;
    if (FChannel && sender == FChannel) FChannel = nullptr;
}

void TiPlotAnnotation::NotificationRename(TObject* sender) {
    if (FChannel && sender == FChannel) FChannelName = FChannel->Name();
}

void TiPlotAnnotation::NotificationSetFocus(TObject* sender) {
    if (sender != this) SetUserSelected(false);
}

// ---- drawing --------------------------------------------------------------------------

bool TiPlotAnnotation::IsSizable() const {
    switch (FStyle) {
    case ipasRectangle: case ipasRectangle2: case ipasEllipse: case ipasEllipse2: case ipasTextRectangle: return true;
    default: return false;
    }
}

void TiPlotAnnotation::SetHandles(TCanvas& canvas, const TRect& box) {
    const TRect view = FDataView->DrawRect();
    const TPoint corners[4] = {{box.Left, box.Top}, {box.Right, box.Top}, {box.Left, box.Bottom}, {box.Right, box.Bottom}};
    for (int i = 0; i < 4; ++i) {
        const TPoint c = corners[i];
        FHandles[std::size_t(i)] =
            Intersection({c.X - kHandleHalf, c.Y - kHandleHalf, c.X + kHandleHalf, c.Y + kHandleHalf},
                         {view.Left, view.Top, view.Right + 1, view.Bottom + 1});
    }
    if (FUserSelected && FShowFocusRect)
        for (const TRect& h : FHandles) InvertRect(canvas, h);
}

void TiPlotAnnotation::TextExtent(TCanvas& canvas, int& w, int& h) const {
    canvas.Font = FFont.Font();
    w = MultiLineTextWidth(canvas, FText);
    h = TextHeightOf(canvas, FText);
    if (FTextRotation == ira090 || FTextRotation == ira270) std::swap(w, h);
}

TRect TiPlotAnnotation::PlaceOnAnchor(TCanvas& canvas, TPoint anchor, int w, int h) const {
    canvas.Font = FFont.Font();
    const int a = canvas.TextWidth(QStringLiteral("A")), b = canvas.TextHeight(QStringLiteral("A"));
    TRect r{anchor.X - w / 2, anchor.Y - h / 2, anchor.X - w / 2 + w, anchor.Y - h / 2 + h};
    int dx = 0, dy = 0;
    if (FTextHorzAlignment != iahCenter) {
        dx = PixelFromDouble(a * FTextHorzMargin) + w / 2;
        if (FTextHorzAlignment == iahRight) dx = -dx;
    }
    if (FTextVertAlignment != iavCenter) {
        dy = PixelFromDouble(b * FTextVertMargin) + h / 2;
        if (FTextVertAlignment == iavBottom) dy = -dy;
    }
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

void TiPlotAnnotation::DrawText(TCanvas& canvas, const TRect& rect, TColor backGroundColor) {
    canvas.Font = FFont.Font();
    canvas.Brush.Style = bsClear;
    TRect out;
    DrawRotatedText(canvas, FText, rect, out, backGroundColor, true, int(FTextLineAlignment), FTextRotation);
}

void TiPlotAnnotation::DrawImage(TCanvas& canvas, TPoint anchor, const TRect& view) {
    if (!FImage.isNull()) {
        const int w = FImage.width(), h = FImage.height();
        const TRect r{anchor.X - w / 2, anchor.Y - h / 2, anchor.X - w / 2 + w, anchor.Y - h / 2 + h};
        if (!Meets(r, view)) return;
        if (QPainter* p = canvas.Painter()) {
            p->drawImage(r.Left, r.Top, CornerColorTransparent(FImage));
            canvas.Changed(QRect(r.Left, r.Top, w, h));
        }
        FClickRect = r;
        FShowing = true;
        return;
    }
    if (!FPlot) return;
    const TImageList& list = FPlot->ImageList(FImageListIndex == 0 ? 0 : FImageListIndex == 1 ? 1 : 2);
    // An index outside the list shows nothing, and nothing can be hit.
    if (FImageIndex < 0 || FImageIndex >= list.Count()) return;
    const int w = list.Width(), h = list.Height();
    const TRect r{anchor.X - w / 2, anchor.Y - h / 2, anchor.X - w / 2 + w, anchor.Y - h / 2 + h};
    if (!Meets(r, view)) return;
    list.Draw(canvas, r.Left, r.Top, FImageIndex, FEnabled);
    FClickRect = r;
    FShowing = true;
}

void TiPlotAnnotation::DrawPolygon(TCanvas& canvas, const TRect& view) {
    if (FPolyPoints.size() < 2) return;
    std::vector<TPoint> points;
    points.reserve(FPolyPoints.size());
    for (const auto& [x, y] : FPolyPoints)
        points.push_back(OrientedPoint(FXYAxesReversed, PositionXToPixels(x), PositionYToPixels(y)));
    TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const TPoint& p : points) {
        box.Left = std::min(box.Left, p.X), box.Right = std::max(box.Right, p.X);
        box.Top = std::min(box.Top, p.Y), box.Bottom = std::max(box.Bottom, p.Y);
    }
    if (!Meets(box, view)) return;
    canvas.Polygon(points.data(), int(points.size()));
    FDrawRect = box;
    FClickRect = Intersection(box, view);
    SetHandles(canvas, box);
    FShowing = true;
}

void TiPlotAnnotation::Draw(TCanvas& canvas, TColor backGroundColor) {
    FShowing = false;
    FHandles = {};
    FClickRect = {};
    if (!FVisible || !FDataView) return;
    TiPlotAxis* xAxis = ChannelAxis(0);
    TiPlotAxis* yAxis = ChannelAxis(1);
    const bool channelUnits = AnyInChannelUnits();
    if (channelUnits && !xAxis) return;
    const bool rev = FXYAxesReversed;
    const TRect view = FDataView->DrawRect();

    // 1. The anchor, the far corner and the two boxes, in screen orientation.
    const int r = PositionXToPixels(FX), s = PositionYToPixels(FY);
    const int r2 = PositionXToPixels(FX2), s2 = PositionYToPixels(FY2);
    const int hw = SizeXToPixels(FWidth) / 2, hh = SizeYToPixels(FHeight) / 2;
    const TRect centred = OrientedRect(rev, r - hw, s - hh, r + hw, s + hh);
    const TRect corner = OrientedRect(rev, r, s, r2, s2);
    const TPoint anchor = OrientedPoint(rev, r, s);

    // 2. Clipping to the channel's axes.
    std::optional<NarrowedClip> clip;
    if ((FClipToAxes || (FReference == iprtChannel && FPlot && FPlot->ClipAnnotationsToAxes())) && channelUnits) {
        const TRect axes = OrientedRect(rev, xAxis->MinPixels(), yAxis->MinPixels(), xAxis->MaxPixels(),
                                        yAxis->MaxPixels());
        clip.emplace(canvas, TRect{axes.Left, axes.Top, axes.Right + 1, axes.Bottom + 1});
    }

    // 4. Pen and brush.
    canvas.Pen.Color = FPenColor;
    canvas.Pen.Width = FPenWidth;
    canvas.Pen.Style = FPenStyle;
    canvas.Pen.Mode = pmCopy;
    canvas.Brush.Color = FBrushColor;
    canvas.Brush.Style = FBrushStyle;

    auto drawBox = [&](const TRect& box, bool ellipse) {
        if (!Meets(box, view)) return false;
        if (ellipse) canvas.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
        else canvas.Rectangle(box);
        FDrawRect = box;
        FClickRect = Intersection(box, view);
        SetHandles(canvas, box);
        FShowing = true;
        return true;
    };
    auto drawLine = [&](TPoint a, TPoint b) {
        canvas.Brush.Color = backGroundColor;
        canvas.MoveTo(a.X, a.Y);
        canvas.LineTo(b.X, b.Y);
    };

    switch (FStyle) {
    case ipasText: {
        int w, h;
        TextExtent(canvas, w, h);
        const TRect rect = PlaceOnAnchor(canvas, anchor, w, h);
        if (!Meets(rect, view)) break;
        DrawText(canvas, rect, backGroundColor);
        FClickRect = rect;
        FShowing = true;
        break;
    }
    case ipasLine: {
        const TPoint a = OrientedPoint(rev, r, s), b = OrientedPoint(rev, r2, s2);
        if (SegmentIntersectsRect(a, b, view)) drawLine(a, b);
        break;
    }
    case ipasRectangle: drawBox(centred, false); break;
    case ipasRectangle2: drawBox(corner, false); break;
    case ipasEllipse: drawBox(corner, true); break;
    case ipasEllipse2: drawBox(centred, true); break;
    case ipasLineX:
    case ipasLineY: {
        // The line crosses the whole view; it lies across the screen's x when it marks a
        // position along the horizontal direction.
        const int at = FStyle == ipasLineX ? r : s;
        const bool vertical = (FStyle == ipasLineX) != rev;
        if (vertical) {
            if (at < view.Left || at > view.Right) break;
            drawLine({at, view.Top}, {at, view.Bottom});
            FClickRect = {at - kLineHitHalf, view.Top, at + kLineHitHalf + 1, view.Bottom + 1};
        } else {
            if (at < view.Top || at > view.Bottom) break;
            drawLine({view.Right, at}, {view.Left, at});
            FClickRect = {view.Left, at - kLineHitHalf, view.Right + 1, at + kLineHitHalf + 1};
        }
        FShowing = true;
        break;
    }
    case ipasImage: DrawImage(canvas, anchor, view); break;
    case ipasTextRectangle: {
        if (!drawBox(centred, false)) break;
        int w, h;
        TextExtent(canvas, w, h);
        const int mx = PixelFromDouble(canvas.TextWidth(QStringLiteral("0")) * FTextHorzMargin);
        const int my = PixelFromDouble(canvas.TextHeight(QStringLiteral("A")) * FTextVertMargin);
        TRect text = centred;
        if (FTextHorzAlignment == iahLeft) text.Left += mx, text.Right = text.Left + w;
        else if (FTextHorzAlignment == iahRight) text.Right -= mx, text.Left = text.Right - w;
        if (FTextVertAlignment == iavTop) text.Top += my, text.Bottom = text.Top + h;
        else if (FTextVertAlignment == iavBottom) text.Bottom -= my, text.Top = text.Bottom - h;
        DrawText(canvas, text, backGroundColor);
        break;
    }
    case ipasTextBox: {
        int w, h;
        TextExtent(canvas, w, h);
        const int margin = std::clamp(FOuterMargin, -kMaxPixel, kMaxPixel);
        const TRect box = PlaceOnAnchor(canvas, anchor, w + 2 * margin, h + 2 * margin);
        if (!Meets(box, view)) break;
        canvas.Rectangle(box);
        DrawText(canvas, {box.Left + margin, box.Top + margin, box.Right - margin, box.Bottom - margin},
                 backGroundColor);
        FDrawRect = box;
        FClickRect = box;
        FShowing = true;
        break;
    }
    case ipasPolygon: DrawPolygon(canvas, view); break;
    }
}

// ---- mouse ----------------------------------------------------------------------------

bool TiPlotAnnotation::iMouseHitTest(const TiPlotMouseData& d) {
    if (FSelectModeOnlyInteraction && !(FPlot && FPlot->GetSelectActive())) return false;
    if (!FShowing) return false;
    if (FClickRect.Contains(d.X, d.Y)) return true;
    for (const TRect& h : FHandles)
        if (h.Contains(d.X, d.Y)) return true;
    return false;
}

TCursor TiPlotAnnotation::GetMouseCursor(const TPoint& point) {
    TCursor cursor = crHandPoint;
    if (FUserCanSize && IsSizable() && FUserSelected) {
        if (FHandles[0].Contains(point.X, point.Y) || FHandles[3].Contains(point.X, point.Y)) cursor = crSizeNWSE;
        else if (FHandles[1].Contains(point.X, point.Y) || FHandles[2].Contains(point.X, point.Y))
            cursor = crSizeNESW;
    }
    if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotAnnotation::DoMouseLeft(const TiPlotMouseData& d) {
    if (!FShowing) return;
    FSelectStyle = ipassNone;
    if (FUserCanSize && IsSizable()) {
        // Top-left, bottom-right, top-right, bottom-left.
        static constexpr std::pair<int, TiPlotAnnotationSelectStyle> kOrder[] = {
            {0, ipassSizeTopLeft}, {3, ipassSizeBottomRight}, {1, ipassSizeTopRight}, {2, ipassSizeBottomLeft}};
        for (const auto& [handle, style] : kOrder)
            if (FHandles[std::size_t(handle)].Contains(d.X, d.Y)) {
                FSelectStyle = style;
                break;
            }
    }
    if (FSelectStyle == ipassNone && FUserCanMove) FSelectStyle = ipassMove;
    FLeftDown = true;
    FMouseDownRect = FDrawRect;
    FRectChange = false;
    FMouseDownXValue = FX, FMouseDownYValue = FY, FMouseDownX2Value = FX2, FMouseDownY2Value = FY2;
    FMouseDownX = d.X, FMouseDownY = d.Y;
    FMouseDownPositionPixelsX = PositionXToPixels(FX);
    FMouseDownPositionPixelsY = PositionYToPixels(FY);
}

void TiPlotAnnotation::DoMouseMove(const TiPlotMouseData& d) {
    if (!FUserSelected || !FLeftDown) return;
    const int dx = d.X - FMouseDownX, dy = d.Y - FMouseDownY;
    // Screen x belongs to Y and screen y to X when the axes are exchanged.
    const int along = FXYAxesReversed ? dy : dx, across = FXYAxesReversed ? dx : dy;
    const double x = PixelsXToPosition(FMouseDownPositionPixelsX + along);
    const double y = PixelsYToPosition(FMouseDownPositionPixelsY + across);
    switch (FSelectStyle) {
    case ipassNone: TriggerChange(); return;
    case ipassMove:
        SetX(x);
        SetY(y);
        if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
            SetX2(FMouseDownX2Value - FMouseDownXValue + x);
            SetY2(FMouseDownY2Value - FMouseDownYValue + y);
        }
        FRectChange = true;
        TriggerChange();
        if (FPlot) FPlot->DoAnnotationMoveUser(this);
        FireCoordinatesChange();
        return;
    default: {
        TRect b = FMouseDownRect;
        if (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeBottomLeft) b.Left += dx;
        else b.Right += dx;
        if (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeTopRight) b.Top += dy;
        else b.Bottom += dy;
        SetFromPixelRect(b.Left, b.Top, b.Right, b.Bottom);
        if (FPlot) FPlot->DoAnnotationResizeUser(this);
        TriggerChange();
        return;
    }
    }
}

void TiPlotAnnotation::SetFromPixelRect(int left, int top, int right, int bottom) {
    const bool rev = FXYAxesReversed;
    // The edges along the X axis and along the Y axis.
    const int x1 = rev ? top : left, x2 = rev ? bottom : right;
    const int y1 = rev ? left : top, y2 = rev ? right : bottom;
    if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
        FX = PixelsXToPosition(x1), FY = PixelsYToPosition(y1);
        FX2 = PixelsXToPosition(x2), FY2 = PixelsYToPosition(y2);
    } else {
        FX = (PixelsXToPosition(x1) + PixelsXToPosition(x2)) / 2;
        FY = (PixelsYToPosition(y1) + PixelsYToPosition(y2)) / 2;
        FWidth = std::fabs(FromPixels(2, x2) - FromPixels(2, x1));
        FHeight = std::fabs(FromPixels(3, y2) - FromPixels(3, y1));
    }
    FRectChange = true;
    TriggerChange();
    FireCoordinatesChange();
}

void TiPlotAnnotation::DoMouseUp(const TiPlotMouseData& d) {
    if (!FLeftDown) return;
    FLeftDown = false;
    if (iMouseHitTest(d) && FPlot) FPlot->DoObjectClick(this);
    if (FRectChange && FPlot) FPlot->DoAnnotationCoordinatesChangeFinished(this);
    FSelectStyle = ipassNone;
}
