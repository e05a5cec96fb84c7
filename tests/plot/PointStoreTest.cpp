#include "PlotTestSupport.h"
#include "core/iPlotDataList.h"
#include "rtl/Exception.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::vector<double> Xs(const TiPlotDataCustomList& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.GetX(i));
    return v;
}

void Feed(TiPlotDataCustomList& s, std::initializer_list<double> xs) {
    for (double x : xs) s.Add(x, 10 * x, false, false);
}

TEST(PointStores, GrowInStepsAndReportTheirSizes) {
    TiPlotDataNullList s;
    std::vector<int> capacities;
    for (int i = 0; i < 90; ++i) {
        s.Add(i, i, false, false);
        if (capacities.empty() || capacities.back() != s.Capacity()) capacities.push_back(s.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95}));
    EXPECT_EQ(s.MemoryUsed(), 95 * 24);
    struct Case {
        TiPlotDataStyle style;
        int size;
    };
    for (const Case c : {Case{ipdsStandard, 24}, Case{ipdsCompact, 8}, Case{ipdsCompactInterval, 4},
                         Case{ipdsFullFeature, 144}}) {
        std::unique_ptr<TiPlotDataCustomList> store(CreateDataList(c.style));
        EXPECT_EQ(store->DataPointSize(), c.size);
        EXPECT_EQ(store->MaxDataPoints(), 2147483647 / c.size);
        EXPECT_EQ(MessageOf([&] { store->SetCapacity(store->MaxDataPoints() + 1); }),
                  QStringLiteral("Exceed Maximum List Size"));
    }
}

TEST(PointStores, DeletingKeepsTheNewestInOrder) {
    TiPlotDataNullList s;
    Feed(s, {1, 2, 3, 4, 5});
    s.DeletePoints(2);
    EXPECT_EQ(Xs(s), (std::vector<double>{3, 4, 5}));
    EXPECT_EQ(s.GetY(0), 30);
    EXPECT_EQ(s.Capacity(), 8);
    EXPECT_EQ(MessageOf([&] { s.DeletePoints(3); }), QStringLiteral("Delete size out of Range"));
    EXPECT_EQ(MessageOf([&] { s.DeletePoints(-1); }), QStringLiteral("Delete size out of Range"));
    EXPECT_EQ(MessageOf([&] { s.GetX(3); }), QStringLiteral("Index out of Bounds"));
    EXPECT_EQ(MessageOf([&] { s.GetNull(-1); }), QStringLiteral("Index out of Bounds"));
    TiPlotDataFullList full;
    Feed(full, {1});
    EXPECT_EQ(MessageOf([&] { full.DeletePoints(1); }), QStringLiteral("Delete Size Out Of Range"));
    TiPlotDataCompactIntervalList interval;
    Feed(interval, {1, 2});
    interval.DeletePoints(2);  // the whole store is allowed here
    EXPECT_EQ(interval.Count(), 0);
}

TEST(PointStores, RingBufferOverwritesTheOldestInPlace) {
    TiPlotDataNullList s;
    s.SetRingBufferSize(3);
    EXPECT_EQ(s.RingBufferSize(), 3);
    Feed(s, {1, 2, 3});
    EXPECT_EQ(s.Add(4, 40, false, false), 2);
    EXPECT_EQ(Xs(s), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(s.GetY(0), 20);
    Feed(s, {5, 6, 7});  // round the ring once more
    EXPECT_EQ(Xs(s), (std::vector<double>{5, 6, 7}));
    s.Clear();  // keeps its capacity in ring mode
    EXPECT_EQ(s.Capacity(), 3);
    s.SetRingBufferSize(0);
    s.Clear();
    EXPECT_EQ(s.Capacity(), 0);
}

// A wrapped ring holds its oldest point in the middle of the array: deleting and resizing
// must work on the logical order, not on the slots.
TEST(PointStores, WrappedRingBuffersDeleteAndResizeInLogicalOrder) {
    struct Case {
        const char* what;
        std::function<void(TiPlotDataCustomList&)> act;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"delete the oldest", [](TiPlotDataCustomList& s) { s.DeletePoints(1); }, {4, 5}},
        {"shrink the capacity", [](TiPlotDataCustomList& s) { s.SetCapacity(2); }, {3, 4}},
        {"grow, then add", [](TiPlotDataCustomList& s) {
             s.SetCapacity(5);
             s.Add(6, 60, false, false);
         }, {3, 4, 5, 6}},
        {"delete, then add", [](TiPlotDataCustomList& s) {
             s.DeletePoints(2);
             s.Add(6, 60, false, false);
         }, {5, 6}},
    };
    for (const Case& c : cases) {
        for (TiPlotDataStyle style : {ipdsStandard, ipdsCompact, ipdsFullFeature}) {
            std::unique_ptr<TiPlotDataCustomList> s(CreateDataList(style));
            s->SetRingBufferSize(3);
            Feed(*s, {1, 2, 3, 4, 5});  // holds 3, 4, 5 with the oldest in slot 2
            c.act(*s);
            EXPECT_EQ(Xs(*s), c.expected) << c.what << " style " << style;
            for (int i = 0; i < s->Count(); ++i) EXPECT_EQ(s->GetY(i), 10 * c.expected[std::size_t(i)]) << c.what;
        }
    }
}

TEST(PointStores, RingBufferSizeChangesAndRefusals) {
    TiPlotDataNullList s;
    Feed(s, {1, 2, 3, 4, 5});
    s.SetRingBufferSize(2);  // not wrapped: the three oldest go
    EXPECT_EQ(Xs(s), (std::vector<double>{4, 5}));
    EXPECT_EQ(s.RingBufferSize(), 2);
    EXPECT_EQ(MessageOf([&] { s.SetRingBufferSize(-1); }), QStringLiteral("List capacity out of bounds (-1)"));
    EXPECT_EQ(MessageOf([&] { s.SetCapacity(-3); }), QStringLiteral("List capacity out of bounds (-3)"));
    EXPECT_EQ(Xs(s), (std::vector<double>{4, 5}));
    // A ring cut to capacity 0 grows again instead of writing into an empty array.
    s.SetCapacity(0);
    s.Add(9, 90, false, false);
    EXPECT_EQ(Xs(s), (std::vector<double>{9}));
}

TEST(PointStores, CompactIntervalStoreDerivesX) {
    TiPlotDataCompactIntervalList s;
    Feed(s, {10, 12, 99});
    EXPECT_EQ(Xs(s), (std::vector<double>{10, 12, 14}));
    s.SetX(0, 20);
    EXPECT_EQ(s.GetX(2), 24);
    EXPECT_EQ(MessageOf([&] { s.SetX(1, 5); }),
              QStringLiteral("Data Style does not support setting individual X-Value with the exception of the first X-Value"));
    s.DeletePoints(1);  // the first X stays: the rest take the X of the front
    EXPECT_EQ(Xs(s), (std::vector<double>{20, 22}));
    s.Clear();
    Feed(s, {0, 5});
    EXPECT_EQ(s.Interval(), 5);
    TiPlotDataCompactIntervalList ring;
    ring.SetRingBufferSize(3);
    Feed(ring, {0, 1, 2, 3, 4});
    EXPECT_EQ(Xs(ring), (std::vector<double>{2, 3, 4}));
}

TEST(PointStores, FlagsAndPerPointSettings) {
    TiPlotDataNullList s;
    s.StoredMarkerStyle = ipmsDiamond;
    s.Add(0, 0, true, false);
    s.StoredMarkerVisible = true;
    s.Add(1, 1, false, true);
    EXPECT_TRUE(s.GetNull(0));
    EXPECT_FALSE(s.GetEmpty(0));
    EXPECT_TRUE(s.GetEmpty(1));
    EXPECT_FALSE(s.GetMarkerVisible(0));  // frozen when added
    EXPECT_TRUE(s.GetMarkerVisible(1));
    EXPECT_EQ(s.GetMarkerStyle(0), ipmsDiamond);
    s.SetMarkerStyle(0, ipmsCharacter);
    EXPECT_EQ(s.GetMarkerStyle(0), ipmsCharacter);
    EXPECT_TRUE(s.GetNull(0));  // other bits kept
    s.SetNull(0, false);
    EXPECT_FALSE(s.GetNull(0));
    EXPECT_EQ(s.GetTraceLineWidth(1), s.StoredTraceLineWidth);

    TiPlotDataCompactList compact;
    compact.Add(0.1, 1.5, true, true);
    double x, y;
    bool empty, null;
    compact.GetXYEmptyNull(0, x, y, empty, null);
    EXPECT_FALSE(empty || null);  // compact stores keep no flags
    EXPECT_EQ(x, double(0.1f));

    TiPlotDataFullList full;
    full.StoredTraceLineColor = clRed;
    full.Add(0, 0, false, false);
    full.StoredTraceLineColor = clLime;
    full.Add(1, 1, false, false);
    EXPECT_EQ(full.GetTraceLineColor(0), clRed);
    EXPECT_EQ(full.GetTraceLineColor(1), clLime);
    full.SetHigh(1, 7);
    EXPECT_EQ(full.GetHigh(1), 7);
    EXPECT_EQ(full.GetHigh(0), 0);
}

}  // namespace
