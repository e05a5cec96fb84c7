#include "FramedTestSupport.h"
#include "ui/ProgramLook.h"
#include "RzPanel.h"
#include "RzPanelDockManager.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr TColor kHost = RGBColor(30, 34, 40);

// A group box as the windows place them: custom style, transparent, no caption, no borders.
TRzGroupBox* WindowGroupBox(TWinControl* parent) {
    auto* g = new TRzGroupBox(nullptr);
    g->SetParent(parent);
    g->SetBounds(10, 10, 120, 80);
    g->SetGroupStyle(gsCustom);
    g->SetTransparent(true);
    return g;
}

TEST(Panel, TransparentCustomGroupBoxShowsItsParentAndStillRaisesOnPaint) {
    TSolidHost host(nullptr, kHost);
    host.SetBounds(0, 0, 200, 120);
    TRzGroupBox* g = WindowGroupBox(&host);
    int paints = 0;
    g->OnPaint = [&](TComponent*) { ++paints; };
    const QImage shot = Grab(host);
    for (QPoint p : {QPoint(10, 10), QPoint(70, 50), QPoint(129, 89)}) EXPECT_EQ(PixelAt(shot, p.x(), p.y()), kHost);
    EXPECT_GE(paints, 1);
    delete g;
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(Panel, ATransparentPaintNeverAsksItsParentToRepaint) {
    TSolidHost host(nullptr, kHost);
    host.SetBounds(0, 0, 200, 120);
    TRzGroupBox* g = WindowGroupBox(&host);
    PaintCounter hostPaints;
    host.installEventFilter(&hostPaints);
    int paints = 0;
    g->OnPaint = [&](TComponent*) { ++paints; };
    host.show();
    Settle();
    ASSERT_GE(paints, 1) << "the group box was painted once shown";

    // A repaint of the group box draws the parent's background into it, once; nothing is
    // queued that would paint the parent, and so the group box, again.
    g->update();
    Settle();
    const int hostAfter = hostPaints.paints, boxAfter = paints;
    Settle();
    Settle();
    EXPECT_EQ(hostPaints.paints, hostAfter);
    EXPECT_EQ(paints, boxAfter);
    host.removeEventFilter(&hostPaints);
    delete g;
}

TEST(Panel, AlignedChildKeepsClearOfBordersAndCaption) {
    TSolidHost host(nullptr);
    TRzGroupBox* g = WindowGroupBox(&host);
    TSolidHost* child = new TSolidHost(nullptr, clRed);
    child->SetParent(g);
    child->SetAlign(alClient);
    EXPECT_EQ(child->geometry(), QRect(2, 2, 116, 76));
    g->SetCaption("Band");
    g->Realign();
    TCanvas measure;
    measure.Font = g->Font();
    const int h = measure.TextHeight("Yy");
    EXPECT_EQ(child->geometry(), QRect(2, 2 + h, 116, 76 - h));

    // Banner: the banner is the caption height plus 6, the client area starts 8 below it.
    g->SetGroupStyle(gsBanner);
    EXPECT_EQ(child->y(), h + 8);
    g->SetBannerHeight(30);
    EXPECT_EQ(child->y(), 30);

    // A panel's borders move the client area in on the bordered sides only.
    TRzPanel panel(nullptr);
    panel.SetParent(&host);
    panel.SetBounds(0, 0, 100, 50);
    panel.SetBorderOuter(fsFlatBold);
    panel.SetBorderInner(fsStatus);
    panel.SetBevelWidth(3);
    panel.SetBorderSides(sdLeft | sdTop);
    EXPECT_EQ(panel.GetClientRect(), Rect(5, 5, 100, 50));
    panel.SetBorderWidth(4);
    TSolidHost* fill = new TSolidHost(nullptr);
    fill->SetParent(&panel);
    fill->SetAlign(alClient);
    EXPECT_EQ(fill->geometry(), QRect(9, 9, 87, 37));
    delete g;
}

TEST(Panel, DisablingAndEnablingKeepsChildrenThatWereDisabled) {
    TSolidHost host(nullptr);
    TRzPanel panel(nullptr);
    panel.SetParent(&host);
    auto* off = new TSolidHost(nullptr);
    auto* on = new TSolidHost(nullptr);
    off->SetParent(&panel);
    on->SetParent(&panel);
    off->SetEnabled(false);
    panel.SetEnabled(false);
    EXPECT_FALSE(on->Enabled());
    panel.SetEnabled(true);
    EXPECT_FALSE(off->Enabled());
    EXPECT_TRUE(on->Enabled());
}

TEST(Panel, CaptionPlacement) {
    TSolidHost host(nullptr);
    TRzPanel panel(nullptr);
    panel.SetParent(&host);
    panel.SetBounds(0, 0, 120, 100);
    panel.SetBorderOuter(fsNone);
    panel.SetCaption("Level");
    struct Drawn {
        int x, y;
    };
    std::vector<Drawn> texts;
    TCanvas::SetTextOutHook([&](const TCanvas&, int x, int y, const QString& t) {
        if (t == "Level") texts.push_back({x, y});
    });
    TCanvas measure;
    measure.Font = panel.Font();
    const int t = measure.TextHeight("Level");
    const struct {
        TAlignmentVertical v;
        int y;
    } cases[] = {{avTop, 0}, {avCenter, (100 - t) / 2}, {avBottom, 100 - t - 1}};
    for (const auto& c : cases) {
        texts.clear();
        panel.SetAlignmentVertical(c.v);
        (void)Grab(panel);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().y, c.y) << c.v;
    }
    panel.SetAlignment(taLeftJustify);
    panel.SetTextMargin(7);
    texts.clear();
    (void)Grab(panel);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().x, 7);
    TCanvas::SetTextOutHook(nullptr);
}

TEST(Panel, FacesBordersAndGrid) {
    TSolidHost host(nullptr, kHost);
    TRzPanel panel(nullptr);
    panel.SetParent(&host);
    panel.SetBounds(0, 0, 40, 30);
    panel.SetColor(RGBColor(50, 60, 70));
    // Raised two-ring border, face in Color; on the dark face the rings take the dark
    // look's colours (no white).
    QImage shot = Grab(panel);
    const TColor face = RGBColor(50, 60, 70);
    EXPECT_EQ(PixelAt(shot, 0, 10), ProgramLook::OnFace(cl3DLight, face));
    EXPECT_EQ(PixelAt(shot, 1, 10), ProgramLook::OnFace(clBtnHighlight, face));
    EXPECT_NE(PixelAt(shot, 1, 10), clWhite);
    EXPECT_EQ(PixelAt(shot, 39, 10), ProgramLook::OnFace(cl3DDkShadow, face));
    EXPECT_EQ(PixelAt(shot, 20, 15), RGBColor(50, 60, 70));

    panel.SetBorderOuter(fsFlatRounded);
    panel.SetFlatColor(clRed);
    panel.SetFlatColorAdjustment(0);
    shot = Grab(panel);
    EXPECT_EQ(PixelAt(shot, 2, 0), clRed);
    EXPECT_EQ(PixelAt(shot, 1, 1), clRed);  // the corner keeps the frame colour

    panel.SetBorderOuter(fsNone);
    panel.SetVisualStyle(vsGradient);
    panel.SetGradientColorStyle(gcsCustom);
    panel.SetGradientColorStart(clWhite);
    panel.SetGradientColorStop(clBlack);
    shot = Grab(panel);
    EXPECT_EQ(PixelAt(shot, 20, 0), clWhite);
    EXPECT_EQ(PixelAt(shot, 20, 29), clBlack);

    panel.SetVisualStyle(vsClassic);
    panel.SetShowGrid(true);
    panel.SetGridColor(clYellow);
    panel.SetGridSize(10, 10);
    shot = Grab(panel);
    EXPECT_EQ(PixelAt(shot, 9, 9), clYellow);
    EXPECT_EQ(PixelAt(shot, 29, 19), clYellow);
    EXPECT_EQ(PixelAt(shot, 10, 9), RGBColor(50, 60, 70));

    panel.SetTransparent(true);
    shot = Grab(panel);
    EXPECT_EQ(PixelAt(shot, 5, 5), kHost);
}

TEST(Panel, GroupBoxFrameLeavesTheCaptionAlone) {
    TSolidHost host(nullptr, kHost);
    TRzGroupBox g(nullptr);
    g.SetParent(&host);
    g.SetBounds(0, 0, 120, 60);
    g.SetGroupStyle(gsStandard);
    g.SetTransparent(true);
    g.SetCaption("        ");  // a caption area without glyphs
    const QImage shot = Grab(g);
    TCanvas measure;
    measure.Font = g.CaptionFont();
    const int y0 = measure.TextHeight("Pp") / 2 - 1;
    // The groove, in the dark look's shadow on the dark host behind the transparent box.
    const TColor groove = ProgramLook::OnFace(clBtnShadow, kHost);
    EXPECT_EQ(PixelAt(shot, 4, y0), groove);  // before the caption
    EXPECT_EQ(PixelAt(shot, 100, y0), groove);
    EXPECT_EQ(PixelAt(shot, 0, 40), groove);
    EXPECT_NE(PixelAt(shot, 1, 40), clWhite);
    EXPECT_EQ(PixelAt(shot, 12, y0), kHost);  // under the caption
    EXPECT_EQ(PixelAt(shot, 50, 30), kHost);
}

TEST(Panel, RightToLeftReadingMirrorsTheGroupCaption) {
    // The frame line shows where the caption is not: left of it, or right of it mirrored.
    struct Case {
        TRzGroupBoxStyle style;
        Qt::LayoutDirection direction;
        int captionX, lineX;  // x under the caption, x on the frame line
    };
    const Case cases[] = {
        {gsStandard, Qt::LeftToRight, 12, 110},
        {gsStandard, Qt::RightToLeft, 110, 12},
        {gsTopLine, Qt::LeftToRight, 8, 110},
        {gsTopLine, Qt::RightToLeft, 110, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " rtl " << (c.direction == Qt::RightToLeft));
        TSolidHost host(nullptr, kHost);
        TRzGroupBox g(nullptr);
        g.SetParent(&host);
        g.SetBounds(0, 0, 120, 60);
        g.SetGroupStyle(c.style);
        g.SetTransparent(true);
        g.setLayoutDirection(c.direction);
        g.SetCaption("        ");  // a caption area without glyphs
        const QImage shot = Grab(g);
        TCanvas measure;
        measure.Font = g.CaptionFont();
        const int y0 = measure.TextHeight("Pp") / 2 - 1;
        EXPECT_EQ(PixelAt(shot, c.captionX, y0), kHost);
        EXPECT_EQ(PixelAt(shot, c.lineX, y0), ProgramLook::OnFace(clBtnShadow, kHost));
    }
}

TEST(Panel, ThemeChangeReadsTheColorSchemeAgain) {
    TRzPanel panel(nullptr);
    const int scheme = ReadXPColorScheme();
    XPColorScheme = scheme + 7;
    QEvent change(QEvent::ThemeChange);
    QCoreApplication::sendEvent(&panel, &change);
    EXPECT_EQ(XPColorScheme, scheme);
}

// Records the areas a widget is asked to repaint.
class PaintRecorder : public QObject {
public:
    QRegion region;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST(Panel, ResizingWithoutFullRepaintRepaintsOnlyTheRightAndBottomStrips) {
    ShownForm f;
    auto* panel = new TRzPanel(&f.form);
    panel->SetParent(f.host);
    panel->SetBounds(10, 10, 100, 60);
    panel->SetFullRepaint(false);
    Settle();
    PaintRecorder rec;
    panel->installEventFilter(&rec);
    panel->SetBounds(10, 10, 110, 60);
    Settle();
    EXPECT_FALSE(rec.region.isEmpty());
    EXPECT_FALSE(rec.region.contains(QPoint(50, 30)));
    EXPECT_TRUE(rec.region.contains(QPoint(105, 30)));
    rec.region = QRegion();
    panel->SetFullRepaint(true);
    panel->SetBounds(10, 10, 100, 70);
    Settle();
    EXPECT_TRUE(rec.region.contains(QPoint(50, 30)));
}

TEST(Panel, BottomAlignedPanelKeepsItsBottomEdge) {
    TRzPanel panel(nullptr);
    panel.SetBounds(0, 100, 50, 40);
    panel.SetAlign(alBottom);
    panel.SetBounds(0, 100, 50, 30);
    EXPECT_EQ(panel.Top(), 110);
}

}  // namespace

namespace {

TEST(PanelDocking, DockedClientsGetCaptionBars) {
    // Bars at the top for a free site, on the left for a top-aligned one; with
    // ShowDockClientCaptions they are caption bars in the caption colours with a close
    // cross, without it plain grips on the site's face.
    struct Case {
        TAlign align;
        bool captions;
        TPoint face;            // a pixel of the bar away from text and glyph
        TColor faceColor;       // what it shows
        TPoint cross;           // the middle of the close cross
        TColor crossColor;
        TRect firstClient;      // where the first client lands
    };
    const TColor site = RGBColor(70, 80, 90);
    const Case cases[] = {
        {alNone, true, Point(1, 7), Rgb(clInactiveCaption), Point(200 - 9, 6), Rgb(clInactiveCaptionText),
         Rect(0, 14, 200, 60)},
        {alNone, false, Point(1, 7), site, Point(5, 3), Rgb(clBtnHighlight), Rect(0, 14, 200, 60)},
        {alTop, true, Point(7, 40), Rgb(clInactiveCaption), Point(6, 6), Rgb(clInactiveCaptionText),
         Rect(14, 0, 100, 120)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "align " << c.align << " captions " << c.captions);
        TSolidHost host(nullptr, kHost);
        host.SetBounds(0, 0, 240, 160);
        TRzPanel panel(nullptr);
        panel.SetParent(&host);
        panel.SetBorderOuter(fsNone);
        panel.SetColor(site);
        panel.SetBounds(0, 0, 200, 120);
        panel.SetAlign(c.align);
        panel.SetBounds(0, 0, 200, 120);
        panel.SetShowDockClientCaptions(c.captions);
        panel.SetDockSite(true);
        ASSERT_NE(panel.DockManager(), nullptr);
        auto* first = new TSolidHost(nullptr, clBlack);
        first->SetCaption("Gain");
        auto* second = new TSolidHost(nullptr, clBlack);
        second->SetCaption("Delay");
        panel.DockManager()->InsertControl(first);
        panel.DockManager()->InsertControl(second);
        EXPECT_EQ(first->geometry(), c.firstClient.ToQRect());
        const QImage shot = Grab(panel);
        EXPECT_EQ(PixelAt(shot, c.face.X, c.face.Y), c.faceColor);
        EXPECT_EQ(PixelAt(shot, c.cross.X, c.cross.Y), c.crossColor);
        delete first;
        delete second;
    }
}

TEST(PanelDocking, TheFocusedClientsBarTakesTheActiveColours) {
    ShownForm f;
    auto* panel = new TRzPanel(&f.form);
    panel->SetParent(f.host);
    panel->SetBounds(0, 0, 200, 120);
    panel->SetDockSite(true);
    auto* first = new TSolidHost(&f.form, clBlack);
    auto* second = new TSolidHost(&f.form, clBlack);
    panel->DockManager()->InsertControl(first);
    panel->DockManager()->InsertControl(second);
    panel->Show();
    second->SetTabStop(true);
    second->SetFocus();
    Settle();
    const QImage shot = Grab(*panel);
    EXPECT_EQ(PixelAt(shot, 3, 3 + 3), Rgb(clInactiveCaption));  // first zone's bar
    EXPECT_EQ(PixelAt(shot, 3, 60 + 3 + 3), Rgb(clActiveCaption));  // the focused second
}

TEST(PanelDocking, OnlyADockSiteWithUseDockManagerGetsAManager) {
    TRzPanel panel(nullptr);
    EXPECT_EQ(panel.DockManager(), nullptr);
    panel.SetUseDockManager(false);
    panel.SetDockSite(true);
    EXPECT_EQ(panel.DockManager(), nullptr);
    panel.SetUseDockManager(true);
    EXPECT_NE(panel.DockManager(), nullptr);
}

}  // namespace
