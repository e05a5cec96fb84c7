#include "PlotTestSupport.h"
#include "core/iPlotLayoutManager.h"
#include "rtl/Exception.h"
#include "ui/TMenu.h"
#include "ui/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

// A plot object whose notifications are recorded.
struct Recorder {
    std::vector<QString> log;
    TiNotifyEvent Note(const char* what) {
        return [this, what](TObject*) { log.push_back(QString::fromLatin1(what)); };
    }
};

TEST(PlotObjects, SettersNotifyOnlyOnChangeAndClampPercents) {
    Recorder r;
    auto plot = MakePlot();
    TiPlotLayoutObject o(plot.get(), r.Note("change"), r.Note("insert"), r.Note("remove"), r.Note("rename"));
    o.OnLayoutChange = r.Note("layout");
    o.SetVisible(true);
    o.SetLayer(100);
    o.SetZOrder(0);
    EXPECT_TRUE(r.log.empty());
    o.SetZOrder(2);
    EXPECT_EQ(r.log, (std::vector<QString>{QStringLiteral("layout"), QStringLiteral("change")}));

    struct Case {
        double start, stop, setStart, setStop;
        bool setsStart;
        double wantStart, wantStop;
    };
    const Case cases[] = {
        {0, 100, 99.5, 0, true, 99, 100}, {0, 100, 0, 0.5, false, 0, 1}, {0, 100, -5, 0, true, 0, 100},
        {10, 20, 0, 150, false, 10, 100}, {30, 40, 35, 0, true, 35, 40},
    };
    for (const Case& c : cases) {
        o.SetStartStopPercent(c.start, c.stop);
        if (c.setsStart)
            o.SetStartPercent(c.setStart);
        else
            o.SetStopPercent(c.setStop);
        EXPECT_EQ(o.StartPercent(), c.wantStart) << c.setStart << " " << c.setStop;
        EXPECT_EQ(o.StopPercent(), c.wantStop) << c.setStart << " " << c.setStop;
    }
    EXPECT_EQ(o.GetZOrderKey(), QStringLiteral("002"));
    EXPECT_EQ(o.GetLayerKey(), QStringLiteral("000100"));
}

TEST(PlotObjects, RenameIsCaseSensitiveAndKeepsTheOldName) {
    Recorder r;
    auto plot = MakePlot();
    TiPlotObject o(plot.get(), r.Note("change"), r.Note("insert"), r.Note("remove"), r.Note("rename"));
    o.SetName(QStringLiteral("Axis"));
    r.log.clear();
    o.SetName(QStringLiteral("Axis"));
    EXPECT_TRUE(r.log.empty());
    o.SetName(QStringLiteral("AXIS"));
    EXPECT_EQ(r.log, (std::vector<QString>{QStringLiteral("rename"), QStringLiteral("change")}));
    EXPECT_EQ(o.NameOld(), QStringLiteral("Axis"));
}

TEST(PlotObjects, ManagerObjectsRequireTheirCallbacks) {
    auto plot = MakePlot();
    const TiNotifyEvent any = [](TObject*) {};
    struct Case {
        TObject* owner;
        bool change, insert, remove, rename;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, true, true, true, true, "Owner must be assigned"},
        {plot.get(), false, true, true, true, "OnChange event handler can not be null"},
        {plot.get(), true, false, true, true, "OnInsert event handler can not be null"},
        {plot.get(), true, true, false, true, "OnRemove event handler can not be null"},
        {plot.get(), true, true, true, false, "AOnRename event handler can not be null"},
    };
    for (const Case& c : cases) {
        try {
            TiPlotManagerObject o(c.owner, c.change ? any : nullptr, c.insert ? any : nullptr,
                                  c.remove ? any : nullptr, c.rename ? any : nullptr);
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
        }
    }
}

TEST(PlotObjects, DisablingASelectedObjectClearsItsSelection) {
    auto plot = MakePlot();
    std::vector<int> lost;
    plot->OnLostFocusDataView = [&](TObject*, int index) { lost.push_back(index); };
    TiPlotDataView* view = plot->DataView(0);
    view->SetUserSelected(true);
    view->SetEnabled(false);
    EXPECT_FALSE(view->UserSelected());
    EXPECT_EQ(lost, std::vector<int>{0});
}

TEST(PlotObjects, RightReleasePopsUpTheMenuOnlyWhenAllowed) {
    auto plot = MakePlot();
    plot->ReCalcLayout();
    TiPlotDataView* view = plot->DataView(0);
    const TRect r = view->DrawRect();
    const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
    TPopupMenu* menu = plot->PopupMenu();
    int popups = 0;
    bool cancel = false;
    plot->OnPopupMenuDataView = [&](TObject*, int, bool& c, int, int) {
        ++popups;
        c = cancel;
    };
    struct Case {
        bool popupEnabled;
        int releaseX;
        bool cancel;
        int menuPopups;
    };
    const Case cases[] = {{true, x, false, 1}, {false, x, false, 0}, {true, r.Right + 20, false, 0}, {true, x, true, 0}};
    for (const Case& c : cases) {
        const int before = menu->PopupCount();
        view->SetPopupEnabled(c.popupEnabled);
        cancel = c.cancel;
        view->iMouseDown(mbRight, 0, x, y, 0, 0, menu);
        view->iMouseUp(mbRight, 0, c.releaseX, y, 0, 0, false, menu);
        EXPECT_EQ(menu->PopupCount() - before, c.menuPopups) << c.popupEnabled << " " << c.releaseX << c.cancel;
    }
    EXPECT_EQ(popups, 2);
    // The data view's menu offers only "Edit..." (the plot lets the user edit objects).
    ASSERT_EQ(menu->Items().Count(), 1);
    EXPECT_EQ(menu->Items().Items(0)->Caption, QStringLiteral("Edit..."));
}

TEST(PlotObjects, ButtonsRepeatWhileHeldAndClickOnReleaseInside) {
    auto plot = MakePlot();
    TiPlotButton b(plot.get(), nullptr, nullptr, nullptr, nullptr);
    b.SetDrawRect({10, 10, 20, 20});
    int clicks = 0;
    b.OnClick = [&](TObject*) { ++clicks; };
    b.SetTimerEnabled(true);
    b.iMouseDown(mbLeft, 0, 15, 15, 0, 0, nullptr);
    EXPECT_TRUE(b.TimerRunning());
    EXPECT_EQ(b.TimerInterval(), 500);
    b.TimerTick();
    EXPECT_EQ(b.TimerInterval(), 50);
    b.TimerTick();
    EXPECT_EQ(clicks, 2);
    b.iMouseUp(mbLeft, 0, 15, 15, 0, 0, false, nullptr);
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(b.TimerRunning());
    // Released outside: no final click.
    b.iMouseDown(mbLeft, 0, 15, 15, 0, 0, nullptr);
    b.iMouseUp(mbLeft, 0, 40, 15, 0, 0, false, nullptr);
    EXPECT_EQ(clicks, 3);
    // Without the timer: one click on release only.
    b.SetTimerEnabled(false);
    b.iMouseDown(mbLeft, 0, 15, 15, 0, 0, nullptr);
    EXPECT_FALSE(b.TimerRunning());
    b.iMouseUp(mbLeft, 0, 19, 19, 0, 0, false, nullptr);
    EXPECT_EQ(clicks, 4);
}

TEST(PlotObjects, ReversedAxesExchangeTheAxisCoordinates) {
    struct Probe : TiPlotObject {
        using TiPlotObject::TiPlotObject;
        void DoMouseLeft(const TiPlotMouseData& d) override { seen = d; }
        TiPlotMouseData seen;
    };
    auto plot = MakePlot();
    Probe p(plot.get(), nullptr, nullptr, nullptr, nullptr);
    p.SetXYAxesReversed(true);
    p.iMouseDown(mbLeft, 0, 10, 20, 0, 0, nullptr);
    EXPECT_EQ(p.seen.XAxisPixels, 20);
    EXPECT_EQ(p.seen.YAxisPixels, 10);
}

TEST(Managers, DefaultNamesColoursAndRegistration) {
    auto plot = MakePlot();
    TiPlotChannelManager* channels = plot->Master().ChannelManager();
    EXPECT_EQ(plot->ChannelObject(0)->Name(), QStringLiteral("Channel 1"));
    EXPECT_EQ(plot->ChannelObject(0)->Color(), 0x0000FFu);  // the first channel is red
    EXPECT_EQ(plot->ChannelObject(plot->AddChannel())->Color(), 0x00FFFFu);
    EXPECT_EQ(plot->ChannelObject(1)->Name(), QStringLiteral("Channel 2"));
    // Numbers after the base name count (case ignored); other rests are skipped; no reuse.
    plot->ChannelObject(0)->SetName(QStringLiteral("channel 7"));
    plot->ChannelObject(1)->SetName(QStringLiteral("Channel x"));
    EXPECT_EQ(channels->GetNextName(), QStringLiteral("Channel 8"));
    plot->ChannelObject(0)->SetName(QStringLiteral("Channel"));
    EXPECT_EQ(channels->GetNextName(), QStringLiteral("Channel 1"));
    // Registering twice keeps one entry; removing what the manager does not hold changes nothing.
    const int count = channels->Count();
    int changes = 0;
    channels->OnChange = [&](TObject*) { ++changes; };
    channels->NotificationInsert(plot->ChannelObject(0));
    channels->NotificationRemove(plot->XAxis(0));
    EXPECT_EQ(channels->Count(), count);
    EXPECT_EQ(changes, 0);
    // Names are found with the letters a to z compared without regard to case.
    EXPECT_EQ(plot->GetXAxisByName(QStringLiteral("x-AXIS 1")), plot->XAxis(0));
    EXPECT_EQ(plot->GetChannelIndexByName(QStringLiteral("nothing")), -1);
    EXPECT_EQ(plot->GetChannelByName(QStringLiteral("nothing")), nullptr);
    try {
        plot->Master().ObjectManager()->CreateObject();
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Object Manager does not support creation of objects"));
    }
}

TEST(Managers, NewObjectsGetTheirKindsDefaults) {
    auto plot = MakePlot();
    EXPECT_EQ(plot->XAxis(0)->Title(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(plot->ChannelObject(0)->TitleText(), QStringLiteral("Channel 1"));
    EXPECT_EQ(plot->ChannelObject(0)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(plot->DataView(0)->GridYAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(plot->DataCursor(0)->ChannelName(), QStringLiteral("Channel 1"));
    EXPECT_EQ(plot->DataCursor(0)->DataView(), plot->DataView(0));
    EXPECT_EQ(plot->Label(plot->AddLabel())->Caption(), QStringLiteral("Label 1"));
}

TEST(LayoutManager, ZOrdersAreShiftedOnInsertAndRemove) {
    auto plot = MakePlot();
    TiPlotLayoutManager* layout = plot->Master().LayoutManager();
    TiPlotXAxis* first = plot->XAxis(0);
    EXPECT_EQ(first->ZOrder(), 0);
    EXPECT_EQ(layout->DataViewHorz()->ZOrder(), 1);
    // A second full-width X axis merged at 0 overlaps the first: it goes below, outside.
    TiPlotXAxis* second = plot->XAxis(plot->AddXAxis());
    EXPECT_EQ(second->ZOrder(), 0);
    EXPECT_EQ(first->ZOrder(), 1);
    EXPECT_EQ(layout->DataViewHorz()->ZOrder(), 2);
    EXPECT_FALSE(first->ReverseSide());
    EXPECT_EQ(layout->BottomUniqueCount(), 2);
    // Removing the only object of position 0 moves the rest down again.
    plot->DeleteXAxis(1);
    EXPECT_EQ(first->ZOrder(), 0);
    EXPECT_EQ(layout->DataViewHorz()->ZOrder(), 1);
    // Touching ranges share a band.
    TiPlotXAxis* half = plot->XAxis(0);
    half->SetStopPercent(50);
    TiPlotXAxis* other = plot->XAxis(plot->AddXAxis());
    other->SetStartStopPercent(50, 100);
    layout->RemoveZOrder(other);
    layout->InsertZOrder(other, 0, iidMerge);
    EXPECT_EQ(other->ZOrder(), 0);
    EXPECT_EQ(half->ZOrder(), 0);
    // An object at the placeholder's ZOrder lies below the data view.
    other->SetZOrder(layout->DataViewHorz()->ZOrder());
    EXPECT_FALSE(other->ReverseSide());
    other->SetZOrder(layout->DataViewHorz()->ZOrder() + 1);
    EXPECT_TRUE(other->ReverseSide());
    EXPECT_EQ(layout->TopList().size(), 3u);  // the axis, the title and the toolbar
}

TEST(LayoutManager, ExchangingXAndYTurnsTheAxesAndRepaintsAtOnce) {
    FakeClock clock;
    struct Plot : TiXYPlot {
        using TiXYPlot::TiXYPlot;
        void InvalidateWindow() override { ++repaints; }
        int repaints = 0;
    } plot(nullptr);
    plot.InvalidateChange();  // a repaint just now: the frame-rate limit holds the next change
    const int before = plot.repaints;
    plot.XAxis(0)->SetMin(5);
    EXPECT_EQ(plot.repaints, before);
    TiPlotXAxis* x = plot.XAxis(0);
    TiPlotYAxis* y = plot.YAxis(0);
    plot.SetXYAxesReverse(true);
    EXPECT_EQ(plot.repaints, before + 1);
    EXPECT_FALSE(x->Horizontal());
    EXPECT_TRUE(y->Horizontal());
    EXPECT_EQ(x->ZOrder(), 0);
    EXPECT_EQ(y->ZOrder(), 0);
    EXPECT_TRUE(plot.ChannelObject(0)->XYAxesReversed());
}

TEST(MasterManager, RemovalEventsSeeTheIndexBeforeTheManagersDropTheObject) {
    auto plot = MakePlot();
    plot->AddChannel();
    std::vector<int> removed;
    std::vector<int> countsSeen;
    plot->OnRemoveChannel = [&](TObject*, int index) {
        removed.push_back(index);
        countsSeen.push_back(plot->ChannelCount());
    };
    std::vector<int> added;
    plot->OnAddChannel = [&](TObject*, int index) { added.push_back(index); };
    EXPECT_EQ(plot->AddChannel(), 2);
    EXPECT_EQ(plot->ChannelObject(2)->Name(), QStringLiteral("Channel 3"));
    EXPECT_EQ(added, std::vector<int>{2});
    plot->DeleteChannel(1);
    EXPECT_EQ(removed, std::vector<int>{1});
    EXPECT_EQ(countsSeen, std::vector<int>{3});
    EXPECT_EQ(plot->ChannelCount(), 2);
    // The data cursor's cached channel and the data view's axes follow removals.
    plot->DeleteYAxis(0);
    EXPECT_EQ(plot->DataView(0)->GetGridYAxis(), nullptr);
    EXPECT_EQ(plot->ChannelObject(0)->YAxis(), nullptr);
}

TEST(PlotCollections, LabelsAndTranslations) {
    auto plot = MakePlot();
    plot->AddLabel();
    plot->AddLabel();
    try {
        plot->DeleteLabel(0);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Label Index 0 can not be Deleted (Resevered for Title)"));
    }
    EXPECT_EQ(plot->LabelCount(), 3);
    plot->RemoveAllLabels();
    EXPECT_EQ(plot->LabelCount(), 1);
    EXPECT_EQ(plot->Label(0)->Name(), QStringLiteral("Title"));
    plot->AddTranslation(QStringLiteral("Edit..."), QStringLiteral("Bearbeiten..."));
    EXPECT_EQ(plot->TranslationCount(), 1);
    EXPECT_EQ(plot->GetTranslationReplacementString(0), QStringLiteral("Bearbeiten..."));
    EXPECT_EQ(plot->DataView(0)->GetTranslation(QStringLiteral("Edit...")), QStringLiteral("Bearbeiten..."));
    plot->RemoveAllTranslations();
    EXPECT_EQ(plot->TranslationCount(), 0);
    EXPECT_THROW(plot->XAxis(3), EListError);
}

TEST(PlotCollections, RemovingTheObjectUnderTheMouseForgetsItFirst) {
    struct Plot : TiXYPlot {
        using TiXYPlot::TiXYPlot;
        using TiPlotComponent::SetMouseObjects;
    } plot(nullptr);
    TiPlotLegend* legend = plot.Legend(0);
    plot.SetMouseObjects(legend, legend, legend);
    bool clearedBeforeEvent = false;
    plot.OnRemoveLegend = [&](TObject*, int) {
        clearedBeforeEvent = !plot.MouseDownObject() && !plot.LastMouseOverObject() && !plot.LastMouseClickObject();
    };
    plot.DeleteLegend(0);
    EXPECT_TRUE(clearedBeforeEvent);
}

TEST(PlotCollections, APlotWithoutObjectsPaintsNothing) {
    TiPlotComponent bare(nullptr);
    bare.SetBounds(0, 0, 50, 30);
    bare.SetBackGroundColor(clRed);
    bool painted = false;
    bare.OnAfterPaint = [&](TObject*) { painted = true; };
    const QImage image = bare.PaintOffScreen();
    EXPECT_FALSE(painted);
    EXPECT_EQ(PixelAt(image, 25, 15), 0u);  // the new bitmap's black: not even the background
    EXPECT_EQ(bare.ChannelCount(), 0);
}

}  // namespace
