// Annotations on a plot: where each style lands and what it paints, what can be hit, the
// reference modes, clipping to the channel's axes, dragging and sizing with their events,
// the plot's defaults for new annotations and the annotation file.
#include "PlotTestSupport.h"

#include "objects/iPlotAnnotation.h"
#include "rtl/Exception.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace {

constexpr TColor kAnnotationBack = clBlack;
constexpr TColor kPen = 0x0000FF;    // red
constexpr TColor kBrush = 0xFF0000;  // blue

// A plot whose data view is all there is (black, no grid), with annotations added to it.
struct AnnotationPlot {
    std::unique_ptr<TiXYPlot> plot = MakePlot(400, 300);
    TiPlotDataView* view;
    TRect dv;
    AnnotationPlot() {
        plot->SetBorderStyle(ibsNone);
        plot->ToolBar(0)->SetVisible(false);
        plot->Legend(0)->SetVisible(false);
        plot->Label(0)->SetVisible(false);
        view = plot->DataView(0);
        view->SetGridShow(false);
        view->SetBackgroundTransparent(false);
        view->SetBackgroundColor(kAnnotationBack);
        Paint();
    }
    TiPlotAnnotation* Add(TiPlotAnnotationStyle style) {
        auto* a = static_cast<TiPlotAnnotation*>(plot->Annotation(plot->AddAnnotation()));
        a->SetStyle(style);
        a->SetSelectModeOnlyInteraction(false);
        a->SetPenColor(kPen);
        a->SetBrushColor(kBrush);
        return a;
    }
    QImage Paint() {
        QImage image = plot->PaintOffScreen();
        dv = view->DrawRect();
        return image;
    }
    int PctX(double v) const { return view->PositionPercentToPixelsX(v); }
    int PctY(double v) const { return view->PositionPercentToPixelsY(v); }
    TPoint Centre(const TRect& r) const { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    TiPlotXAxis* XAxis() const { return plot->XAxis(0); }
    TiPlotYAxis* YAxis() const { return plot->YAxis(0); }
};

void SendMouse(QWidget& w, QEvent::Type type, TPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at.X, at.Y), w.mapToGlobal(QPointF(at.X, at.Y)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void DragPoints(QWidget& w, TPoint a, TPoint b) {
    SendMouse(w, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
}

TEST(Annotation, CentredRectangleInPercentOfTheDataView) {
    AnnotationPlot p;
    TiPlotAnnotation* a = p.Add(ipasRectangle);
    a->SetX(50), a->SetY(50), a->SetWidth(20), a->SetHeight(10);
    const QImage image = p.Paint();
    const int hw = (p.PctX(20) - p.PctX(0)) / 2, hh = (p.PctY(0) - p.PctY(10)) / 2;
    const TRect box{p.PctX(50) - hw, p.PctY(50) - hh, p.PctX(50) + hw, p.PctY(50) + hh};
    EXPECT_EQ(a->DrawRect(), box);
    // Each half is whole pixels.
    EXPECT_NEAR(box.Right - box.Left, p.dv.Width() * 0.2, 2);
    EXPECT_NEAR(box.Bottom - box.Top, p.dv.Height() * 0.1, 2);
    EXPECT_EQ(PixelAt(image, box.Left, p.PctY(50)), Rgb(kPen));
    EXPECT_EQ(PixelAt(image, box.Left + 3, p.PctY(50)), Rgb(kBrush));
    EXPECT_EQ(PixelAt(image, box.Left - 2, p.PctY(50)), Rgb(kAnnotationBack));
    EXPECT_TRUE(a->Showing());
    EXPECT_TRUE(a->HitTest(box.Left + 3, box.Top + 3));
    EXPECT_FALSE(a->HitTest(box.Left - 5, box.Top + 3));
    // Selected, its four sizing handles are inverted; the handles also hit.
    a->SetUserSelected(true);
    const QImage selected = p.Paint();
    EXPECT_EQ(PixelAt(selected, box.Left + 1, box.Top + 1), Rgb(kBrush) ^ 0xFFFFFFu);
    EXPECT_EQ(PixelAt(selected, box.Right + 1, box.Bottom + 1), Rgb(kAnnotationBack) ^ 0xFFFFFFu);
    EXPECT_TRUE(a->HitTest(box.Right + 2, box.Bottom + 2));
    a->SetShowFocusRect(false);
    EXPECT_EQ(PixelAt(p.Paint(), box.Left + 1, box.Top + 1), Rgb(kBrush));
}

// Each box, line and image style: a point that shows its colour and hits, a point beside it
// that does neither.
TEST(Annotation, StylesDrawAndHitWhereTheyLie) {
    struct Case {
        TiPlotAnnotationStyle style;
        std::function<void(TiPlotAnnotation&)> setUp;
        // Points in percent of the data view: inside and beside the shape.
        double inX, inY, outX, outY;
        TColor inColor;
    };
    const Case cases[] = {
        {ipasRectangle2, [](TiPlotAnnotation& a) { a.SetX(20), a.SetY(80), a.SetX2(40), a.SetY2(60); }, 30, 70, 45, 70,
         kBrush},
        {ipasEllipse, [](TiPlotAnnotation& a) { a.SetX(20), a.SetY(80), a.SetX2(60), a.SetY2(40); }, 40, 60, 65, 60,
         kBrush},
        {ipasEllipse2, [](TiPlotAnnotation& a) { a.SetX(50), a.SetY(50), a.SetWidth(40), a.SetHeight(40); }, 50, 50,
         75, 50, kBrush},
        {ipasLineX, [](TiPlotAnnotation& a) { a.SetX(30); }, 30, 50, 35, 50, kPen},
        {ipasLineY, [](TiPlotAnnotation& a) { a.SetY(70); }, 50, 70, 50, 75, kPen},
        {ipasPolygon,
         [](TiPlotAnnotation& a) {
             a.PolyPointAdd(10, 10), a.PolyPointAdd(50, 10), a.PolyPointAdd(10, 50);
         },
         15, 15, 60, 60, kBrush},
    };
    for (const Case& c : cases) {
        AnnotationPlot p;
        TiPlotAnnotation* a = p.Add(c.style);
        c.setUp(*a);
        const QImage image = p.Paint();
        const int ix = p.PctX(c.inX), iy = p.PctY(c.inY), ox = p.PctX(c.outX), oy = p.PctY(c.outY);
        EXPECT_EQ(PixelAt(image, ix, iy), Rgb(c.inColor)) << c.style;
        EXPECT_EQ(PixelAt(image, ox, oy), Rgb(kAnnotationBack)) << c.style;
        EXPECT_TRUE(a->HitTest(ix, iy)) << c.style;
        EXPECT_FALSE(a->HitTest(ox, oy)) << c.style;
    }
}

TEST(Annotation, LinesHitWithinFivePixelsAndPlainLinesNever) {
    AnnotationPlot p;
    TiPlotAnnotation* x = p.Add(ipasLineX);
    x->SetX(40);
    TiPlotAnnotation* line = p.Add(ipasLine);
    line->SetX(10), line->SetY(10), line->SetX2(90), line->SetY2(90);
    const QImage image = p.Paint();
    const int at = p.PctX(40), mid = p.PctY(50);
    EXPECT_TRUE(x->HitTest(at + 5, mid));
    EXPECT_TRUE(x->HitTest(at - 5, mid));
    EXPECT_FALSE(x->HitTest(at + 7, mid));
    // The diagonal is drawn but never shows for the mouse.
    const TPoint m{p.PctX(50), p.PctY(50)};
    EXPECT_TRUE(HasColorNear(image, {m.X - 1, m.Y - 1, m.X + 2, m.Y + 2}, kPen, 0));
    EXPECT_FALSE(line->Showing());
    EXPECT_FALSE(line->HitTest(m.X, m.Y));
    // A line across the data view outside it draws nothing and cannot be hit.
    x->SetX(150);
    p.Paint();
    EXPECT_FALSE(x->Showing());
    EXPECT_FALSE(x->HitTest(p.dv.Right, mid));
}

TEST(Annotation, TextPlacedByItsAlignmentsAndHiddenOutsideTheView) {
    AnnotationPlot p;
    TiPlotAnnotation* a = p.Add(ipasText);
    a->SetText(QStringLiteral("Gain"));
    a->Font().SetSize(16);
    a->Font().SetColor(clYellow);
    a->SetX(50), a->SetY(50);
    QImage image = p.Paint();
    const TPoint anchor{p.PctX(50), p.PctY(50)};
    TRect r = a->ClickRect();
    EXPECT_LE(std::abs((r.Left + r.Right) / 2 - anchor.X), 1);
    EXPECT_LE(std::abs((r.Top + r.Bottom) / 2 - anchor.Y), 1);
    EXPECT_GT(r.Right - r.Left, r.Bottom - r.Top);
    EXPECT_TRUE(HasColorNear(image, r, clYellow));
    EXPECT_FALSE(HasColorNear(image, {p.dv.Left, p.dv.Top, p.dv.Right, r.Top - 2}, clYellow));
    // Left and top with no margins: the text starts right of and below the anchor.
    a->SetTextHorzAlignment(iahLeft), a->SetTextVertAlignment(iavTop);
    a->SetTextHorzMargin(0), a->SetTextVertMargin(0);
    p.Paint();
    r = a->ClickRect();
    EXPECT_EQ(r.Left, anchor.X);
    EXPECT_EQ(r.Top, anchor.Y);
    // A margin of one character moves it by the width of "A".
    a->SetTextHorzMargin(1);
    p.Paint();
    TCanvas measure;
    measure.Font = a->Font().Font();
    EXPECT_EQ(a->ClickRect().Left, anchor.X + measure.TextWidth(QStringLiteral("A")));
    // Turned a quarter, the rectangle stands upright.
    a->SetTextHorzAlignment(iahCenter), a->SetTextVertAlignment(iavCenter), a->SetTextRotation(ira090);
    p.Paint();
    EXPECT_GT(a->ClickRect().Bottom - a->ClickRect().Top, a->ClickRect().Right - a->ClickRect().Left);
    // Wholly outside the data view: not drawn, not hit.
    a->SetX(-50);
    image = p.Paint();
    EXPECT_FALSE(a->Showing());
    EXPECT_FALSE(HasColorNear(image, p.dv, clYellow));
}

TEST(Annotation, TextBoxAndTextRectangleDrawTheirBoxAndText) {
    AnnotationPlot p;
    TiPlotAnnotation* box = p.Add(ipasTextBox);
    box->SetText(QStringLiteral("Box"));
    box->Font().SetColor(clYellow);
    box->SetOuterMargin(6);
    box->SetX(25), box->SetY(50);
    TiPlotAnnotation* rect = p.Add(ipasTextRectangle);
    rect->SetText(QStringLiteral("Rect"));
    rect->Font().SetColor(clLime);
    rect->SetX(75), rect->SetY(50), rect->SetWidth(30), rect->SetHeight(30);
    rect->SetTextHorzAlignment(iahLeft);
    const QImage image = p.Paint();
    const TRect b = box->ClickRect();
    TCanvas measure;
    measure.Font = box->Font().Font();
    EXPECT_EQ(b.Right - b.Left, measure.TextWidth(QStringLiteral("Box")) + 12);
    EXPECT_EQ(PixelAt(image, b.Left + 2, b.Top + 2), Rgb(kBrush));
    EXPECT_TRUE(HasColorNear(image, {b.Left + 6, b.Top + 6, b.Right - 6, b.Bottom - 6}, clYellow));
    EXPECT_TRUE(box->HitTest(b.Left + 1, b.Top + 1));
    // The rectangle's text starts one "0" from its left edge.
    const TRect r = rect->DrawRect();
    EXPECT_EQ(PixelAt(image, r.Right - 3, r.Top + 3), Rgb(kBrush));
    const int zero = measure.TextWidth(QStringLiteral("0"));
    EXPECT_TRUE(HasColorNear(image, {r.Left + zero, r.Top, r.Left + zero + 8, r.Bottom}, clLime));
    EXPECT_FALSE(HasColorNear(image, {r.Left + 1, r.Top + 1, r.Left + zero - 1, r.Bottom - 1}, clLime));
    EXPECT_TRUE(rect->HitTest(r.Right - 3, r.Top + 3));
}

TEST(Annotation, ImagesFromTheListAndOwnAndAnIndexOutsideTheList) {
    AnnotationPlot p;
    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    picture.setPixel(0, 23, qRgb(255, 0, 255));  // the transparent corner colour
    p.plot->ImageListAdd(1, picture);
    TiPlotAnnotation* a = p.Add(ipasImage);
    a->SetImageListIndex(1);
    a->SetX(30), a->SetY(50);
    TiPlotAnnotation* own = p.Add(ipasImage);
    QImage small(10, 6, QImage::Format_RGB32);
    small.fill(QColor(0, 255, 255));
    small.setPixel(0, 5, qRgb(255, 255, 255));
    own->SetImage(small);
    own->SetX(70), own->SetY(50);
    QImage image = p.Paint();
    const TPoint c{p.PctX(30), p.PctY(50)};
    EXPECT_EQ(a->ClickRect(), (TRect{c.X - 12, c.Y - 12, c.X + 12, c.Y + 12}));
    EXPECT_EQ(PixelAt(image, c.X, c.Y), 0x00FF00u);
    EXPECT_EQ(PixelAt(image, c.X - 12, c.Y + 11), Rgb(kAnnotationBack));
    EXPECT_TRUE(a->HitTest(c.X + 11, c.Y));
    const TPoint o{p.PctX(70), p.PctY(50)};
    EXPECT_EQ(own->ClickRect(), (TRect{o.X - 5, o.Y - 3, o.X + 5, o.Y + 3}));
    EXPECT_EQ(PixelAt(image, o.X, o.Y), 0x00FFFFu);
    EXPECT_EQ(PixelAt(image, o.X - 5, o.Y + 2), Rgb(kAnnotationBack));
    // An index the list does not have draws nothing and cannot be hit.
    a->SetImageIndex(3);
    image = p.Paint();
    EXPECT_FALSE(a->Showing());
    EXPECT_FALSE(a->HitTest(c.X, c.Y));
    EXPECT_EQ(PixelAt(image, c.X, c.Y), Rgb(kAnnotationBack));
    a->SetImageIndex(-1);
    p.Paint();
    EXPECT_FALSE(a->Showing());
    // A picture file that does not read leaves the picture as it was.
    EXPECT_TRUE(MessageOf([&] { own->ImageLoadFromFile(QStringLiteral("/nonexistent.bmp")); })
                    .startsWith(QStringLiteral("Cannot open file")));
    EXPECT_EQ(own->Image().size(), QSize(10, 6));
    own->ImageClear();
    p.Paint();
    EXPECT_FALSE(own->Showing());  // the list's image 0 of list 0: the list is empty
}

TEST(Annotation, PolygonNeedsTwoPointsAndAddingDoesNotRepaint) {
    AnnotationPlot p;
    TiPlotAnnotation* a = p.Add(ipasPolygon);
    a->PolyPointAdd(20, 20);
    p.Paint();
    EXPECT_FALSE(a->Showing());
    int changes = 0;
    a->OnChange = [&](TObject*) { ++changes; };
    a->PolyPointAdd(60, 20);
    a->PolyPointAdd(20, 60);
    EXPECT_EQ(a->PolyPointsCount(), 3);
    EXPECT_EQ(changes, 0);
    const QImage image = p.Paint();
    EXPECT_TRUE(a->Showing());
    EXPECT_EQ(PixelAt(image, p.PctX(25), p.PctY(25)), Rgb(kBrush));
    a->PolyPointsClear();
    p.Paint();
    EXPECT_FALSE(a->Showing());
}

TEST(Annotation, ReferenceModesMixChannelUnitsAndPercent) {
    AnnotationPlot p;
    p.XAxis()->SetMin(10), p.XAxis()->SetSpan(40);
    p.YAxis()->SetMin(-100), p.YAxis()->SetSpan(200);
    TiPlotAnnotation* a = p.Add(ipasRectangle);
    a->SetChannelName(p.plot->Channel(0)->Name());
    a->SetReference(iprtXChannelYDataView);
    a->SetX(30), a->SetWidth(10), a->SetY(25), a->SetHeight(50);
    p.Paint();
    const int cx = p.XAxis()->PositionToPixels(30), w = p.XAxis()->PositionToPixels(20) - p.XAxis()->PositionToPixels(10);
    const int cy = p.PctY(25), h = p.PctY(0) - p.PctY(50);
    EXPECT_EQ(a->DrawRect(), (TRect{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2}));
    // The other mix, and every coordinate in channel units with one overridden to percent.
    a->SetReference(iprtXDataViewYChannel);
    a->SetX(50), a->SetWidth(10), a->SetY(0), a->SetHeight(100);
    p.Paint();
    int hw = (p.PctX(10) - p.PctX(0)) / 2;
    int hh = (p.YAxis()->PositionToPixels(-100) - p.YAxis()->PositionToPixels(0)) / 2;
    TPoint c{p.PctX(50), p.YAxis()->PositionToPixels(0)};
    EXPECT_EQ(a->DrawRect(), (TRect{c.X - hw, c.Y - hh, c.X + hw, c.Y + hh}));
    a->SetReference(iprtChannel);
    a->SetReferencePositionY(ipriDataView);
    a->SetX(30), a->SetWidth(10), a->SetY(75);
    p.Paint();
    c = {p.XAxis()->PositionToPixels(30), p.PctY(75)};
    hw = (p.XAxis()->PositionToPixels(20) - p.XAxis()->PositionToPixels(10)) / 2;
    EXPECT_EQ(a->DrawRect(), (TRect{c.X - hw, c.Y - hh, c.X + hw, c.Y + hh}));
    // The conversions answer by the same references, back and forth.
    EXPECT_EQ(a->PositionXToPixels(30), c.X);
    EXPECT_NEAR(a->PixelsXToPosition(c.X), 30, 0.2);
    EXPECT_NEAR(a->PixelsYToPosition(p.PctY(75)), 75, 0.5);
    // Without its channel an annotation in channel units is not drawn; one wholly in percent
    // needs none.
    a->SetChannelName(QStringLiteral("missing"));
    p.Paint();
    EXPECT_FALSE(a->Showing());
    EXPECT_EQ(a->PositionXToPixels(30), 0);
    a->SetReference(iprtDataView);
    a->SetReferencePositionY(ipriAuto);
    p.Paint();
    EXPECT_TRUE(a->Showing());
}

TEST(Annotation, ExchangedAxesTurnPercentAndChannelCoordinates) {
    AnnotationPlot p;
    p.plot->SetXYAxesReverse(true);
    TiPlotAnnotation* a = p.Add(ipasRectangle);
    a->SetX(25), a->SetY(75), a->SetWidth(10), a->SetHeight(20);
    p.Paint();
    // X runs up the screen, Y across it.
    const int cx = p.PctX(75), cy = p.PctY(25);
    const int hx = (p.PctX(20) - p.PctX(0)) / 2, hy = (p.PctY(0) - p.PctY(10)) / 2;
    EXPECT_EQ(a->DrawRect(), (TRect{cx - hx, cy - hy, cx + hx, cy + hy}));
    TiPlotAnnotation* line = p.Add(ipasLineX);
    line->SetChannelName(p.plot->Channel(0)->Name());
    line->SetReference(iprtChannel);
    line->SetX(40);
    const QImage image = p.Paint();
    const int at = p.XAxis()->PositionToPixels(40);
    EXPECT_EQ(PixelAt(image, p.Centre(p.dv).X, at), Rgb(kPen));
    EXPECT_TRUE(line->HitTest(p.dv.Left + 3, at + 4));
}

TEST(Annotation, ClippingToTheChannelsAxes) {
    AnnotationPlot p;
    // The channel's X axis spans the left half of the data view only.
    TiPlotXAxis* half = p.plot->XAxis(p.plot->AddXAxis());
    half->SetStopPercent(50);
    p.plot->Channel(0)->SetXAxisName(half->Name());
    p.Paint();
    TiPlotAnnotation* a = p.Add(ipasRectangle2);
    a->SetChannelName(p.plot->Channel(0)->Name());
    a->SetReference(iprtChannel);
    a->SetX(50), a->SetY(40), a->SetX2(150), a->SetY2(60);
    const int axisEnd = half->MaxPixels(), y = p.YAxis()->PositionToPixels(50);
    ASSERT_LT(axisEnd + 10, p.dv.Right);
    QImage image = p.Paint();
    EXPECT_EQ(PixelAt(image, axisEnd - 2, y), Rgb(kBrush));
    EXPECT_EQ(PixelAt(image, axisEnd + 5, y), Rgb(kAnnotationBack));
    // The plot's ClipAnnotationsToAxes repaints and applies to channel-referenced ones.
    p.plot->SetClipAnnotationsToAxes(false);
    image = p.Paint();
    EXPECT_EQ(PixelAt(image, axisEnd + 5, y), Rgb(kBrush));
    // The annotation's own ClipToAxes applies in any case.
    a->SetClipToAxes(true);
    image = p.Paint();
    EXPECT_EQ(PixelAt(image, axisEnd + 5, y), Rgb(kAnnotationBack));
    // Wholly in percent, ClipToAxes clips nothing beyond the data view.
    a->SetReference(iprtDataView);
    a->SetX(40), a->SetY(60), a->SetX2(90), a->SetY2(40);
    image = p.Paint();
    EXPECT_EQ(PixelAt(image, p.PctX(85), p.PctY(50)), Rgb(kBrush));
}

TEST(Annotation, HitsOnlyInSelectModeWhenAsked) {
    AnnotationPlot p;
    TiPlotAnnotation* a = p.Add(ipasRectangle);
    a->SetX(50), a->SetY(50), a->SetWidth(20), a->SetHeight(20);
    a->SetSelectModeOnlyInteraction(true);
    p.Paint();
    const TPoint c{p.PctX(50), p.PctY(50)};
    EXPECT_FALSE(a->HitTest(c.X, c.Y));
    p.plot->SetSelectActive(true);
    EXPECT_TRUE(a->HitTest(c.X, c.Y));
    a->SetVisible(false);
    p.Paint();
    EXPECT_FALSE(a->HitTest(c.X, c.Y));
}

struct EventLog {
    std::vector<std::string> events;
    explicit EventLog(TiXYPlot& plot) {
        auto log = [this](const char* name) {
            return [this, name](TObject*, int index) { events.push_back(name + std::to_string(index)); };
        };
        plot.OnAnnotationCoordinatesChange = log("change");
        plot.OnAnnotationMoveUser = log("move");
        plot.OnAnnotationResizeUser = log("resize");
        plot.OnAnnotationCoordinatesChangeFinished = log("finished");
        plot.OnClickAnnotation = log("click");
    }
    int Count(const std::string& e) const { return int(std::count(events.begin(), events.end(), e)); }
};

TEST(Annotation, DraggingMovesTheAnchorAndTheFarCorner) {
    AnnotationPlot p;
    p.Add(ipasText);  // index 0, not under the mouse
    TiPlotAnnotation* a = p.Add(ipasRectangle2);
    a->SetX(20), a->SetY(80), a->SetX2(40), a->SetY2(60);
    a->SetUserCanMove(true);
    p.Paint();
    EventLog log(*p.plot);
    const TPoint from{p.PctX(30), p.PctY(70)};
    // 5 % right and down: the release is still on the box last painted.
    const TPoint to{from.X + p.PctX(5) - p.PctX(0), from.Y + p.PctY(0) - p.PctY(5)};
    DragPoints(*p.plot, from, to);
    EXPECT_NEAR(a->X(), 25, 0.5);
    EXPECT_NEAR(a->Y(), 75, 0.5);
    EXPECT_NEAR(a->X2(), 45, 0.5);
    EXPECT_NEAR(a->Y2(), 55, 0.5);
    EXPECT_EQ(log.Count("move1"), 1);
    EXPECT_GE(log.Count("change1"), 3);
    EXPECT_EQ(log.Count("finished1"), 1);
    EXPECT_EQ(log.events.back(), "finished1");
    EXPECT_EQ(log.Count("click1"), 1);
    EXPECT_EQ(log.events.size(), std::size_t(std::count_if(log.events.begin(), log.events.end(),
                                                           [](const std::string& e) { return e.back() == '1'; })));
    // Without UserCanMove a press and release only clicks.
    a->SetUserCanMove(false);
    p.Paint();
    log.events.clear();
    const TPoint c{p.PctX(40), p.PctY(60)};
    DragPoints(*p.plot, c, {c.X + 15, c.Y});
    EXPECT_NEAR(a->X(), 25, 0.5);
    EXPECT_EQ(log.Count("finished1"), 0);
    EXPECT_EQ(log.Count("move1"), 0);
    EXPECT_EQ(log.Count("click1"), 1);
}

TEST(Annotation, DraggingWithExchangedAxesMovesYAcrossTheScreen) {
    AnnotationPlot p;
    p.plot->SetXYAxesReverse(true);
    TiPlotAnnotation* a = p.Add(ipasRectangle);
    a->SetX(50), a->SetY(50), a->SetWidth(20), a->SetHeight(20);
    a->SetUserCanMove(true);
    p.Paint();
    const TPoint from{p.PctX(50), p.PctY(50)};
    DragPoints(*p.plot, from, {from.X + p.PctX(8) - p.PctX(0), from.Y + p.PctY(0) - p.PctY(4)});
    EXPECT_NEAR(a->Y(), 58, 0.5);
    EXPECT_NEAR(a->X(), 46, 0.5);
}

TEST(Annotation, SizingHandlesAndCursors) {
    AnnotationPlot p;
    TiPlotAnnotation* a = p.Add(ipasRectangle);
    a->SetX(50), a->SetY(50), a->SetWidth(20), a->SetHeight(20);
    a->SetUserCanSize(true);
    a->SetUserSelected(true);
    p.Paint();
    const TRect box = a->DrawRect();
    EXPECT_EQ(a->GetMouseCursor({box.Left, box.Top}), crSizeNWSE);
    EXPECT_EQ(a->GetMouseCursor({box.Right, box.Top}), crSizeNESW);
    EXPECT_EQ(a->GetMouseCursor(p.Centre(box)), crHandPoint);
    EventLog log(*p.plot);
    // The top-left handle dragged past the bottom-right corner: the box follows the mouse and
    // its size stays positive.
    const TPoint to{box.Right + 40, box.Bottom + 20};
    DragPoints(*p.plot, {box.Left, box.Top}, to);
    const double x1 = p.view->PixelsXToPositionPercent(box.Right), x2 = p.view->PixelsXToPositionPercent(to.X);
    const double y1 = p.view->PixelsYToPositionPercent(box.Bottom), y2 = p.view->PixelsYToPositionPercent(to.Y);
    EXPECT_NEAR(a->X(), (x1 + x2) / 2, 1e-9);
    EXPECT_NEAR(a->Y(), (y1 + y2) / 2, 1e-9);
    EXPECT_NEAR(a->Width(), x2 - x1, 1e-9);
    EXPECT_NEAR(a->Height(), y1 - y2, 1e-9);
    EXPECT_GT(a->Width(), 0);
    EXPECT_GT(a->Height(), 0);
    EXPECT_EQ(log.Count("resize0"), 1);
    EXPECT_EQ(log.Count("finished0"), 1);
    // A text is not sizable: its cursor is the hand everywhere.
    a->SetStyle(ipasText);
    EXPECT_EQ(a->GetMouseCursor({box.Left, box.Top}), crHandPoint);
}

TEST(Annotation, AddAnnotationAppliesThePlotsDefaults) {
    auto plot = MakePlot();
    plot->SetAnnotationDefaultBrushStlye(bsCross);
    plot->SetAnnotationDefaultBrushColor(clRed);
    plot->SetAnnotationDefaultPenStlye(psDot);
    plot->SetAnnotationDefaultPenColor(clBlue);
    plot->SetAnnotationDefaultPenWidth(3);
    plot->SetAnnotationDefaultReference(iprtXChannelYDataView);
    plot->SetAnnotationDefaultReferencePositionX(ipriDataView);
    plot->SetAnnotationDefaultReferencePositionY(ipriChannel);
    plot->SetAnnotationDefaultReferenceSizeX(ipriChannel);
    plot->SetAnnotationDefaultReferenceSizeY(ipriDataView);
    plot->AnnotationDefaultFont().SetSize(21);
    std::vector<int> added;
    plot->OnAddAnnotation = [&](TObject*, int index) { added.push_back(index); };
    EXPECT_EQ(plot->AddAnnotation(), 0);
    EXPECT_EQ(plot->AddAnnotation(), 1);
    EXPECT_EQ(added, (std::vector<int>{0, 1}));
    auto* a = static_cast<TiPlotAnnotation*>(plot->Annotation(1));
    EXPECT_EQ(a->BrushStyle(), bsCross);
    EXPECT_EQ(a->BrushColor(), clRed);
    EXPECT_EQ(a->PenStyle(), psDot);
    EXPECT_EQ(a->PenColor(), clBlue);
    EXPECT_EQ(a->PenWidth(), 3);
    EXPECT_EQ(a->Reference(), iprtXChannelYDataView);
    EXPECT_EQ(a->ReferencePositionX(), ipriDataView);
    EXPECT_EQ(a->ReferencePositionY(), ipriChannel);
    EXPECT_EQ(a->ReferenceSizeX(), ipriChannel);
    EXPECT_EQ(a->ReferenceSizeY(), ipriDataView);
    EXPECT_EQ(a->Font().Size(), 21);
    EXPECT_EQ(a->Font().Color(), clWhite);
    EXPECT_TRUE(a->Name().isEmpty());
    // The plain object keeps its own initial values.
    TiPlotAnnotation plain(plot.get(), [](TObject*) {}, [](TObject*) {}, [](TObject*) {}, [](TObject*) {});
    EXPECT_EQ(plain.PenWidth(), 0);
    EXPECT_EQ(plain.PenColor(), 0xFFFFFFu);
    EXPECT_EQ(plain.Font().Name(), QStringLiteral("Arial"));
    EXPECT_TRUE(plain.SelectModeOnlyInteraction());
    EXPECT_EQ(plain.TextHorzMargin(), 1.0);
    std::vector<int> removed;
    plot->OnRemoveAnnotation = [&](TObject*, int index) { removed.push_back(index); };
    plot->DeleteAnnotation(0);
    EXPECT_EQ(removed, (std::vector<int>{0}));
    EXPECT_EQ(plot->AnnotationCount(), 1);
}

void WriteAll(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(AnnotationFile, SeveralAnnotationsRoundTrip) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("notes.txt"));
    auto plot = MakePlot();
    auto add = [&](TiPlotAnnotationStyle style) {
        auto* a = static_cast<TiPlotAnnotation*>(plot->Annotation(plot->AddAnnotation()));
        a->SetStyle(style);
        return a;
    };
    TiPlotAnnotation* text = add(ipasTextBox);
    text->SetText(QStringLiteral("two\r\nlines"));
    text->SetX(12.5), text->SetY(-3.25);
    text->Font().SetColor(clYellow);
    text->SetTextRotation(ira270);
    text->SetTextVertAlignment(iavBottom);
    text->SetOuterMargin(4);
    TiPlotAnnotation* box = add(ipasEllipse);
    box->SetReference(iprtChannel);
    box->SetChannelName(QStringLiteral("Channel 1"));
    box->SetX(1e-7), box->SetX2(123456.75), box->SetY(0.1), box->SetY2(-0.1);
    box->SetPenWidth(0);
    box->SetClipToAxes(true);
    box->SetUserCanMove(true);
    TiPlotAnnotation* image = add(ipasImage);
    image->SetImageListIndex(2), image->SetImageIndex(7);
    image->SetSelectModeOnlyInteraction(false);
    image->SetVisible(false);
    plot->SaveAnnotationsToFile(name);
    const QByteArray saved = ReadAll(name);
    EXPECT_TRUE(saved.startsWith("AnnotationCount = 3\r\n"));
    EXPECT_TRUE(saved.contains("Annotation0.Text = two#13#10lines\r\n"));
    EXPECT_TRUE(saved.contains("Annotation1.PenWidth = 0\r\n"));

    std::vector<int> added;
    plot->OnAddAnnotation = [&](TObject*, int index) { added.push_back(index); };
    plot->LoadAnnotationsFromFile(name);
    EXPECT_EQ(added, (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(plot->AnnotationCount(), 3);
    auto* t = static_cast<TiPlotAnnotation*>(plot->Annotation(0));
    EXPECT_EQ(t->Style(), ipasTextBox);
    EXPECT_EQ(t->Text(), QStringLiteral("two\r\nlines"));
    EXPECT_EQ(t->X(), 12.5);
    EXPECT_EQ(t->Y(), -3.25);
    EXPECT_EQ(t->Font().Color(), clYellow);
    EXPECT_EQ(t->TextRotation(), ira270);
    EXPECT_EQ(t->TextVertAlignment(), iavBottom);
    EXPECT_EQ(t->OuterMargin(), 4);
    auto* b = static_cast<TiPlotAnnotation*>(plot->Annotation(1));
    EXPECT_EQ(b->Style(), ipasEllipse);
    EXPECT_EQ(b->Reference(), iprtChannel);
    EXPECT_EQ(b->ChannelName(), QStringLiteral("Channel 1"));
    EXPECT_EQ(b->X(), 1e-7);
    EXPECT_EQ(b->X2(), 123456.75);
    EXPECT_EQ(b->Y2(), -0.1);
    EXPECT_EQ(b->PenWidth(), 0);
    EXPECT_TRUE(b->ClipToAxes());
    EXPECT_TRUE(b->UserCanMove());
    auto* i = static_cast<TiPlotAnnotation*>(plot->Annotation(2));
    EXPECT_EQ(i->ImageListIndex(), 2);
    EXPECT_EQ(i->ImageIndex(), 7);
    EXPECT_FALSE(i->SelectModeOnlyInteraction());
    EXPECT_FALSE(i->Visible());
    // Saving again gives the same bytes.
    plot->SaveAnnotationsToFile(name);
    EXPECT_EQ(ReadAll(name), saved);
}

TEST(AnnotationFile, DamagedFilesAreRefused) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bad.txt"));
    auto plot = MakePlot();
    for (int i = 0; i < 2; ++i) {
        auto* a = static_cast<TiPlotAnnotation*>(plot->Annotation(plot->AddAnnotation()));
        a->SetX(i + 1);
    }
    plot->SaveAnnotationsToFile(name);
    const QByteArray good = ReadAll(name);
    const int second = good.indexOf("Annotation1.");
    ASSERT_GT(second, 0);
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        // The second section cut away.
        {good.left(second), QStringLiteral("Annotation1 not found")},
        // A count far beyond the file, and a negative one.
        {QByteArray(good).replace("AnnotationCount = 2", "AnnotationCount = 2000000000"),
         QStringLiteral("Invalid AnnotationCount 2000000000")},
        {QByteArray(good).replace("AnnotationCount = 2", "AnnotationCount = -1"),
         QStringLiteral("Invalid AnnotationCount -1")},
        {QByteArray(good).replace("AnnotationCount = 2", "AnnotationCount = 2x"),
         QStringLiteral("'2x' is not a valid integer value")},
        {QByteArray(good).replace("Annotation1.X = 2", "Annotation1.X = 2.5.1"),
         QStringLiteral("'2.5.1' is not a valid floating point value")},
        {QByteArray(good).replace("Annotation1.X = 2", "Annotation1.X = "),
         QStringLiteral("'' is not a valid floating point value")},
        // Enumerations outside their values.
        {good + "Annotation1.Style = 12\r\n", QStringLiteral("Invalid Style value 12")},
        {QByteArray(good).insert(second, "Annotation1.PenStyle = -1\r\n"), QStringLiteral("Invalid PenStyle value -1")},
        {QByteArray(good).insert(second, "Annotation1.TextVertAlignment = 99999999999\r\n"),
         QStringLiteral("Invalid TextVertAlignment value 99999999999")},
    };
    for (const auto& c : cases) {
        WriteAll(name, c.bytes);
        EXPECT_EQ(MessageOf([&] { plot->LoadAnnotationsFromFile(name); }),
                  QStringLiteral("Error Loading Annotations - ") + c.message)
            << c.bytes.toStdString();
        EXPECT_FALSE(plot->UpdateActive());
    }
    // Values at the ends of their types load, and paint held to the screen's range.
    WriteAll(name, "AnnotationCount = 2\r\n"
                   "Annotation0.Style = 8\r\nAnnotation0.Text = W\r\nAnnotation0.X = 50\r\nAnnotation0.Y = 50\r\n"
                   "Annotation0.OuterMargin = 2147483647\r\nAnnotation0.PenWidth = 2147483647\r\n"
                   "Annotation0.Font.Size = 2147483647\r\nAnnotation0.TextHorzMargin = 1E300\r\n"
                   "Annotation0.TextHorzAlignment = 1\r\n"
                   "Annotation1.Style = 2\r\nAnnotation1.Y = -50\r\nAnnotation1.Width = 1E300\r\n"
                   "Annotation1.Height = 1E300\r\n");
    plot->LoadAnnotationsFromFile(name);
    ASSERT_EQ(plot->AnnotationCount(), 2);
    plot->PaintOffScreen();
    // The box pushed out to the right by its margin; the rectangle reaching up from far below.
    EXPECT_FALSE(static_cast<TiPlotAnnotation*>(plot->Annotation(0))->Showing());
    EXPECT_TRUE(static_cast<TiPlotAnnotation*>(plot->Annotation(1))->Showing());
}

// A plot as it comes, with one annotation of every style, saved for looking at.
TEST(Gallery, PlotAnnotations) {
    auto plot = MakePlot(640, 420);
    for (int i = 0; i <= 20; ++i) plot->Channel(0)->AddXY(i * 5, 50 + 35 * std::sin(i / 3.0));
    plot->SetAnnotationDefaultPenColor(clYellow);
    plot->SetAnnotationDefaultBrushColor(0x804000);
    plot->AnnotationDefaultFont().SetColor(clWhite);
    auto add = [&](TiPlotAnnotationStyle style, double x, double y) {
        auto* a = static_cast<TiPlotAnnotation*>(plot->Annotation(plot->AddAnnotation()));
        a->SetStyle(style);
        a->SetX(x), a->SetY(y);
        return a;
    };
    add(ipasText, 12, 92)->SetText(QStringLiteral("Text"));
    TiPlotAnnotation* line = add(ipasLine, 5, 10);
    line->SetX2(30), line->SetY2(35);
    line->SetPenColor(clLime);
    TiPlotAnnotation* rect = add(ipasRectangle, 45, 85);
    rect->SetWidth(12), rect->SetHeight(10);
    add(ipasLineX, 92, 0)->SetPenColor(clAqua);
    TiPlotAnnotation* lineY = add(ipasLineY, 0, 8);
    lineY->SetPenColor(clAqua), lineY->SetPenStyle(psDash);
    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter(&picture).fillRect(4, 4, 16, 16, QColor(255, 160, 0));
    plot->ImageListAdd(0, picture);
    add(ipasImage, 65, 88);
    TiPlotAnnotation* textRect = add(ipasTextRectangle, 82, 80);
    textRect->SetWidth(18), textRect->SetHeight(12);
    textRect->SetText(QStringLiteral("Text rectangle"));
    TiPlotAnnotation* ellipse = add(ipasEllipse, 40, 30);
    ellipse->SetX2(55), ellipse->SetY2(15);
    ellipse->SetBrushColor(0x008000);
    TiPlotAnnotation* box = add(ipasTextBox, 22, 55);
    box->SetText(QStringLiteral("Text box"));
    box->SetOuterMargin(4);
    box->SetBrushColor(0x404040);
    TiPlotAnnotation* ellipse2 = add(ipasEllipse2, 68, 22);
    ellipse2->SetWidth(10), ellipse2->SetHeight(14);
    ellipse2->SetBrushStyle(bsDiagCross);
    TiPlotAnnotation* polygon = add(ipasPolygon, 0, 0);
    polygon->PolyPointAdd(78, 40), polygon->PolyPointAdd(90, 60), polygon->PolyPointAdd(72, 58);
    polygon->SetBrushColor(0x000080);
    TiPlotAnnotation* rect2 = add(ipasRectangle2, 60, 65);
    rect2->SetX2(72), rect2->SetY2(50);
    rect2->SetBrushStyle(bsClear);
    rect2->SetPenWidth(2);
    rect2->SetUserSelected(true);
    const QImage image = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/plot_annotations.png")));
    for (int i = 0; i < plot->AnnotationCount(); ++i)
        EXPECT_EQ(static_cast<TiPlotAnnotation*>(plot->Annotation(i))->Showing(), i != 1) << i;
    const TRect b = rect->DrawRect();
    EXPECT_EQ(PixelAt(image, b.Left + 3, (b.Top + b.Bottom) / 2), Rgb(0x804000));
}

}  // namespace
