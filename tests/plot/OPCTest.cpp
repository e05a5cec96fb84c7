// The OPC pieces through a fake support library loaded by path: the binding's checks and
// errors, items (registration, new data conversion, quality, error display), the manager's
// groups and explorer, the XY channel fed by a group update and the time-series channel fed
// by each of its X sources; and all of it inert without the library.
#include "PlotTestSupport.h"

#include "core/iPlot.h"
#include "core/iXYPlotChannel.h"
#include "opc/iOPCHelper.h"
#include "opc/iOPCItem.h"
#include "opc/iOPCManager.h"

#include <QTreeWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <climits>

namespace {

// The fake's test controls, looked up in the loaded library.
struct Fake {
    void* module = nullptr;
    template <typename F>
    F Get(const char* name) const {
        auto f = reinterpret_cast<F>(dlsym(module, name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    QString Log() const { return QString::fromLatin1(Get<const char* (*)()>("FakeLog")()); }
    void ClearLog() const { Get<void (*)()>("FakeClearLog")(); }
    void FailNext(const char* text) const { Get<void (*)(const char*)>("FakeFailNext")(text); }
    QString SignalName(int h, int field) const {
        const auto* t = Get<const uint16_t* (*)(int32_t, int)>("FakeSignalName")(h, field);
        return t ? QString::fromUtf16(reinterpret_cast<const char16_t*>(t)) : QString();
    }
    int SignalInt(int h, int field) const { return Get<int (*)(int32_t, int)>("FakeSignalInt")(h, field); }
    int GroupRate(int h) const { return Get<int (*)(int32_t)>("FakeGroupRate")(h); }
    TiOPCVariant SignalValue(int h) const { return Get<TiOPCVariant (*)(int32_t)>("FakeSignalValue")(h); }
    void SetValue(int h, uint16_t vt, int64_t i, double r, const char* text, uint16_t quality, bool notify = true) const {
        Get<void (*)(int32_t, uint16_t, int64_t, double, const char*, double, uint16_t, int)>("FakeSetValue")(
            h, vt, i, r, text, 45000.5, quality, notify ? 1 : 0);
    }
    void GroupUpdate(int g) const { Get<void (*)(int32_t)>("FakeGroupUpdate")(g); }
    void SetConnections(int n) const { Get<void (*)(int)>("FakeSetConnections")(n); }
};

class OPCWithLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        OPCHelperLoad(QStringLiteral(Q7K_FAKE_OPC));
        ASSERT_FALSE(OPCHelperMissing());
        fake.module = dlopen(Q7K_FAKE_OPC, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(fake.module, nullptr);
        fake.Get<void (*)()>("FakeReset")();
    }
    void TearDown() override {
        if (fake.module) dlclose(fake.module);
        OPCHelperUnload();
    }
    Fake fake;
};

// An item ready to register: a property, an item name and a server.
TiOPCItem* ConfiguredItem(TiOPCItemManager& items, const QString& property = QStringLiteral("Data")) {
    TiOPCItem* item = items.GetItem(items.Add());
    item->SetPropertyName(property);
    item->SetItemName(QStringLiteral("Tank.Level"));
    item->SetServerName(QStringLiteral("Sim.Server"));
    return item;
}

}  // namespace

TEST(OPCWithoutLibrary, EveryPieceStaysInert) {
    OPCHelperUnload();
    EXPECT_TRUE(OPCHelperMissing());
    EXPECT_EQ(OPCGetLastCallErrorString(), QString());
    EXPECT_FALSE(OPCManagerCreated());
    EXPECT_EQ(MessageOf([] { OPCSignalRemove(1); }), QStringLiteral("Plot OPC DLL Not Found."));
    EXPECT_EQ(MessageOf([] { OPCCloseAllServerConnections(); }), QStringLiteral("Plot OPC DLL Not Found."));

    TiOPCItemManager items;
    TiOPCItem* item = ConfiguredItem(items);
    item->Activate();
    EXPECT_EQ(item->SignalHandle(), 0);
    EXPECT_FALSE(item->Active());
    EXPECT_FALSE(item->UpdateSuspended());
    item->SetData(QVariant(5));  // nothing to send to
    unsigned short quality = 99;
    EXPECT_FALSE(item->GetDataNow(quality).isValid());

    TiOPCManager manager(nullptr);
    EXPECT_EQ(manager.GroupAdd(QStringLiteral("G"), QStringLiteral("Local"), 500, QStringLiteral("S")), 0);
    EXPECT_EQ(manager.GetGroup(0)->DLLGroupHandle(), 0);
    manager.GroupDelete(0);
    EXPECT_EQ(manager.GroupCount(), 0);

    // The channel connects on insertion by default and stays fed by AddXY alone.
    auto plot = MakePlot();
    TiXYPlotChannel* channel = plot->Channel(0);
    channel->SetOPCItemName(QStringLiteral("X"));
    channel->SetOPCServerName(QStringLiteral("S"));
    channel->OPCActivate();
    EXPECT_FALSE(channel->OPCActive());
    EXPECT_EQ(channel->OPCItem(0)->SignalHandle(), 0);
}

TEST(OPCWithoutLibrary, IncompleteLibraryNamesTheMissingEntryPoint) {
    OPCHelperLoad(QStringLiteral(Q7K_FAKE_OPC_INCOMPLETE));
    ASSERT_FALSE(OPCHelperMissing());
    {
        TiOPCItemManager items;
        TiOPCItem* item = ConfiguredItem(items);
        item->Activate();
        EXPECT_NE(item->SignalHandle(), 0);
        EXPECT_EQ(MessageOf([&] { item->SetData(QVariant(1.5)); }),
                  QStringLiteral("Function \"SignalSendData\" not found in \"libfake_opc_incomplete.so\"."));
    }
    OPCHelperUnload();
    // A file that is no library at all leaves the binding without one.
    OPCHelperLoad(QStringLiteral("/nonexistent/libnothing.so"));
    EXPECT_TRUE(OPCHelperMissing());
    OPCHelperUnload();
}

TEST_F(OPCWithLibrary, ItemRegistersOnlyWhenFullyNamed) {
    TiOPCItemManager items;
    items.OnGetType = [](const QString& name, int& kind) { kind = name == QLatin1String("Caption") ? tkUString : tkFloat; };
    TiOPCItem* item = items.GetItem(items.Add());
    EXPECT_EQ(item->ComputerName(), QStringLiteral("Local"));
    EXPECT_EQ(item->UpdateRate(), 500);
    EXPECT_TRUE(item->AutoConnect());
    item->SetPropertyName(QStringLiteral("Data"));
    item->SetItemName(QStringLiteral("Tank.Level"));
    item->SetServerName(QStringLiteral("  "));  // neither group nor server
    item->Activate();
    EXPECT_EQ(item->SignalHandle(), 0);
    EXPECT_FALSE(fake.Log().contains(QLatin1String("SignalAdd")));

    item->SetServerName(QStringLiteral("Sim.Server"));
    item->SetUpdateRate(250);
    item->ActivateSuspend();
    const int h = item->SignalHandle();
    ASSERT_GT(h, 0);
    EXPECT_EQ(fake.SignalName(h, 0), QStringLiteral("Local"));
    EXPECT_EQ(fake.SignalName(h, 1), QStringLiteral("Sim.Server"));
    EXPECT_EQ(fake.SignalName(h, 2), QStringLiteral("Tank.Level"));
    EXPECT_EQ(fake.SignalInt(h, 0), 250);
    EXPECT_EQ(fake.SignalInt(h, 1), 1) << "suspended";
    EXPECT_EQ(fake.SignalInt(h, 2), 0) << "the server's own type for a number";
    EXPECT_TRUE(item->Active());
    EXPECT_TRUE(item->UpdateSuspended());
    item->UpdateResume();
    EXPECT_FALSE(item->UpdateSuspended());

    // A string property asks for strings; a changed setting of an active item re-registers.
    item->SetPropertyName(QStringLiteral("Caption"));
    fake.ClearLog();
    item->SetItemName(QStringLiteral("Tank.Name"));
    EXPECT_TRUE(fake.Log().contains(QStringLiteral("SignalRemove(%1)").arg(h))) << fake.Log().toStdString();
    EXPECT_EQ(fake.SignalInt(item->SignalHandle(), 2), OPC_VT_BSTR);
    EXPECT_EQ(fake.SignalName(item->SignalHandle(), 2), QStringLiteral("Tank.Name"));

    item->Deactivate();
    EXPECT_EQ(item->SignalHandle(), 0);
    EXPECT_FALSE(item->Active());
}

TEST_F(OPCWithLibrary, NewDataIsScaledByTypeOnlyWhenGood) {
    TiOPCItemManager items;
    TiOPCItem* item = ConfiguredItem(items);
    std::vector<QVariant> delivered;
    items.OnNewData = [&](TiOPCItem* sender) { delivered.push_back(sender->Data()); };
    item->Activate();
    const int h = item->SignalHandle();
    ASSERT_GT(h, 0);

    struct Case {
        double scalar, offset;
        uint16_t vt;
        int64_t integer;
        double real;
        const char* text;
        uint16_t quality;
        QVariant expected;
    };
    const Case cases[] = {
        {1.5, 0, OPC_VT_I4, 7, 0, nullptr, 0xC0, QVariant(10)},                // 10.5 to even
        {0, 0, OPC_VT_I2, 7, 0, nullptr, 0xC0, QVariant(7)},                   // nothing applied
        {2, 0.5, OPC_VT_UI1, 5, 0, nullptr, 0xC0, QVariant(10)},               // 10.5 to even
        {0, 3, OPC_VT_I8, 9000000000LL, 0, nullptr, 0xC0, QVariant(INT_MAX)},  // saturates
        {-1, 0, OPC_VT_I8, 9000000000LL, 0, nullptr, 0xC0, QVariant(INT_MIN)},
        {2, 1, OPC_VT_R8, 0, 1.25, nullptr, 0xC0, QVariant(3.5)},
        {2, 1, OPC_VT_R4, 0, 0.5, nullptr, 0xD8, QVariant(2.0)},               // good with a sub-status
        {2, 1, OPC_VT_BSTR, 0, 0, "abc", 0xC0, QVariant(QStringLiteral("abc"))},
        {2, 1, OPC_VT_BOOL, -1, 0, nullptr, 0xC0, QVariant(true)},
        {1.5, 0, OPC_VT_I4, 7, 0, nullptr, 0x04, QVariant(7)},                 // bad: unscaled
    };
    for (const Case& c : cases) {
        item->SetScalar(c.scalar);
        item->SetOffset(c.offset);
        fake.SetValue(h, c.vt, c.integer, c.real, c.text, c.quality);
        ASSERT_FALSE(delivered.empty());
        EXPECT_EQ(delivered.back(), c.expected) << c.vt << " " << c.integer << " " << c.real;
        EXPECT_EQ(item->Quality(), c.quality);
    }
    EXPECT_EQ(delivered.size(), std::size(cases));
    EXPECT_DOUBLE_EQ(item->TimeStamp(), 45000.5);

    // Reading now leaves the value unscaled; writing sends it.
    fake.SetValue(h, OPC_VT_I4, 7, 0, nullptr, 0xC0, false);
    unsigned short quality = 0;
    EXPECT_EQ(item->GetDataNow(quality), QVariant(7));
    EXPECT_EQ(quality, 0xC0);
    item->SetData(QVariant(2.5));
    EXPECT_EQ(fake.SignalValue(h).vt, OPC_VT_R8);
    EXPECT_DOUBLE_EQ(fake.SignalValue(h).real, 2.5);
}

TEST_F(OPCWithLibrary, BadQualityShowsTheOwnersErrorDisplay) {
    auto plot = MakePlot();
    TiOPCItemManager items;
    items.SetOwner(plot.get());
    TiOPCItem* item = ConfiguredItem(items);
    item->Activate();
    item->SetAutoError(true);
    fake.SetValue(item->SignalHandle(), OPC_VT_R8, 0, 1, nullptr, 0x04);
    EXPECT_TRUE(plot->ErrorActive());
    fake.SetValue(item->SignalHandle(), OPC_VT_R8, 0, 1, nullptr, 0xC0);
    EXPECT_FALSE(plot->ErrorActive());
}

TEST_F(OPCWithLibrary, LibraryErrorsBecomeExceptionsAfterTheCall) {
    TiOPCItemManager items;
    TiOPCItem* item = ConfiguredItem(items);
    fake.FailNext("Server not reachable");
    EXPECT_EQ(MessageOf([&] { item->Activate(); }), QStringLiteral("Server not reachable"));
    fake.ClearLog();
    fake.FailNext("No connections");
    EXPECT_EQ(MessageOf([&] { OPCCloseAllServerConnections(); }), QStringLiteral("No connections"));
    EXPECT_EQ(fake.Log(), QStringLiteral("CloseAllServerConnections(0) ")) << "the call itself was made";
    // Loading swallows the same error.
    fake.FailNext("Server not reachable");
    item->Loaded();
    EXPECT_EQ(MessageOf([&] { OPCCloseAllServerConnections(); }), QString());
}

TEST_F(OPCWithLibrary, ManagerGroupsEventsAndExplorer) {
    TiOPCManager manager(nullptr);
    EXPECT_TRUE(manager.FirstInstance());
    manager.SetBounds(10, 20, 100, 50);
    EXPECT_EQ(manager.Width(), 28);
    EXPECT_EQ(manager.Height(), 28);
    EXPECT_EQ(manager.Left(), 10);

    EXPECT_EQ(manager.GroupAdd(QStringLiteral("FAST"), QStringLiteral("Local"), 100, QStringLiteral("Sim")), 0);
    EXPECT_EQ(manager.GroupAdd(QStringLiteral("Slow"), QStringLiteral("Local"), 1000, QStringLiteral("Sim")), 1);
    EXPECT_EQ(manager.GetGroupIndex(QStringLiteral("fast")), 0);
    EXPECT_EQ(manager.GetGroupIndex(QStringLiteral("none")), -1);
    TiOPCGroupObject* slow = manager.GetGroup(1);
    ASSERT_GT(slow->DLLGroupHandle(), 0);
    fake.ClearLog();
    slow->SetUpdateRate(1000);
    EXPECT_EQ(fake.Log(), QString()) << "an unchanged rate makes no call";
    slow->SetUpdateRate(750);
    EXPECT_EQ(fake.GroupRate(slow->DLLGroupHandle()), 750);

    std::vector<QString> events;
    manager.OnBeforeGroupUpdate = [&](TObject*, const QString& g) { events.push_back(QStringLiteral("before ") + g); };
    manager.OnAfterGroupUpdate = [&](TObject*, const QString& g) { events.push_back(QStringLiteral("after ") + g); };
    fake.GroupUpdate(slow->DLLGroupHandle());
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("before Slow"), QStringLiteral("after Slow")}));

    const int handle = slow->DLLGroupHandle();
    manager.GroupDelete(1);
    EXPECT_TRUE(fake.Log().contains(QStringLiteral("GroupDelete(%1)").arg(handle)));

    fake.SetConnections(2);
    manager.ExplorerShow();
    TiOPCExplorerForm* explorer = OPCExplorerForm();
    ASSERT_NE(explorer, nullptr);
    ASSERT_EQ(explorer->TreeView->topLevelItemCount(), 2);
    EXPECT_EQ(explorer->FServersTreeNode->text(0), QStringLiteral("Servers Connections"));
    ASSERT_EQ(explorer->FServersTreeNode->childCount(), 2);
    EXPECT_EQ(explorer->FServersTreeNode->child(1)->text(0), QStringLiteral("Server 2"));
    EXPECT_EQ(explorer->FGroupsTreeNode->childCount(), 0);
    explorer->show();
    const QImage shot = explorer->grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/plot_opc_explorer.png")));
    delete explorer;
}

TEST_F(OPCWithLibrary, ChannelAddsAPointPerGroupUpdate) {
    auto plot = MakePlot();
    TiXYPlotChannel* channel = plot->Channel(0);
    channel->SetOPCServerName(QStringLiteral("Sim"));
    channel->SetOPCUpdateRate(200);
    channel->SetOPCItemName(QStringLiteral("X"));
    channel->SetOPCItem2Name(QStringLiteral("Y"));
    channel->SetOPCScalar2(10);
    channel->SetOPCOffset(1);
    channel->OPCActivate();
    ASSERT_EQ(channel->OPCManager()->GroupCount(), 1);
    const TiOPCGroupObject* group = channel->OPCManager()->GetGroup(0);
    EXPECT_EQ(group->UpdateRate(), 200);
    const int hx = channel->OPCItem(0)->SignalHandle(), hy = channel->OPCItem(1)->SignalHandle();
    ASSERT_GT(hx, 0);
    ASSERT_GT(hy, 0);
    EXPECT_EQ(fake.SignalName(hx, 3), group->Name());
    EXPECT_EQ(fake.SignalName(hy, 3), group->Name());
    EXPECT_TRUE(channel->OPCActive());

    const int before = channel->Count();
    fake.SetValue(hx, OPC_VT_R8, 0, 2.0, nullptr, 0xC0, false);
    fake.SetValue(hy, OPC_VT_R8, 0, 0.5, nullptr, 0xC0, false);
    fake.GroupUpdate(group->DLLGroupHandle());
    ASSERT_EQ(channel->Count(), before + 1);
    EXPECT_DOUBLE_EQ(channel->GetX(before), 3.0);
    EXPECT_DOUBLE_EQ(channel->GetY(before), 5.0);
    EXPECT_TRUE(channel->OPCQualityGood());

    channel->OPCUpdateSuspend();
    EXPECT_TRUE(channel->OPCItem(1)->UpdateSuspended());
    channel->OPCUpdateResume();
    channel->OPCDeactivate();
    EXPECT_FALSE(channel->OPCActive());
}

TEST_F(OPCWithLibrary, TimeSeriesChannelTakesItsXFromTheChosenSource) {
    constexpr double kNow = 45100.25, kStart = 45100.0;
    struct Case {
        TiOPCXValueSourceStyle source;
        double x;  // of a value 2 with the server's time stamp 45000.5
    };
    for (const Case& c : {Case{iopcxvsOPCServerTimeStamp, 45000.5}, Case{iopcxvsSystemTimeStamp, kNow},
                          Case{iopcxvsElapsedTime, kNow - kStart}, Case{iopcxvsElapsedSeconds, (kNow - kStart) * 86400}}) {
        TiPlot plot(nullptr);
        TiPlotChannel* channel = plot.Channel(0);
        channel->SetClock([] { return kNow; });
        channel->SetElapsedStartTime(kStart);
        channel->SetOPCXValueSource(c.source);
        channel->SetOPCServerName(QStringLiteral("Sim"));
        channel->SetOPCItemName(QStringLiteral("Level"));
        channel->SetOPCItem2Name(QStringLiteral("Time"));
        channel->SetOPCScalar(10);
        channel->OPCActivate();
        // Only item 0 registers, in no group of the channel's.
        const int h = channel->OPCItem(0)->SignalHandle();
        ASSERT_GT(h, 0) << c.source;
        EXPECT_EQ(channel->OPCItem(1)->SignalHandle(), 0);
        EXPECT_EQ(channel->OPCManager()->GroupCount(), 0);
        EXPECT_TRUE(channel->OPCActive());

        fake.SetValue(h, OPC_VT_R8, 0, 0.2, nullptr, 0xC0);
        ASSERT_EQ(channel->Count(), 1) << c.source;
        EXPECT_DOUBLE_EQ(channel->GetX(0), c.x) << c.source;
        EXPECT_DOUBLE_EQ(channel->GetY(0), 2.0) << c.source;
        EXPECT_TRUE(channel->OPCQualityGood());

        channel->OPCDeactivate();
        EXPECT_FALSE(channel->OPCActive());
    }
}

TEST_F(OPCWithLibrary, TimeSeriesChannelPairsTwoItemsInItsGroup) {
    TiPlot plot(nullptr);
    TiPlotChannel* channel = plot.Channel(0);
    channel->SetOPCXValueSource(iopcxvsOPCItem);
    channel->SetOPCServerName(QStringLiteral("Sim"));
    channel->SetOPCUpdateRate(250);
    channel->SetOPCItemName(QStringLiteral("X"));
    channel->SetOPCItem2Name(QStringLiteral("Y"));
    channel->SetOPCOffset(100);
    channel->SetAllowOutOfOrderXValues(false);
    channel->OPCActivate();
    ASSERT_EQ(channel->OPCManager()->GroupCount(), 1);
    const TiOPCGroupObject* group = channel->OPCManager()->GetGroup(0);
    EXPECT_EQ(group->UpdateRate(), 250);
    EXPECT_EQ(channel->OPCGroupName(), group->Name());
    const int hx = channel->OPCItem(0)->SignalHandle(), hy = channel->OPCItem(1)->SignalHandle();
    ASSERT_GT(hy, 0);
    ASSERT_GT(hx, 0);
    EXPECT_EQ(fake.SignalName(hy, 3), group->Name());
    EXPECT_EQ(fake.SignalName(hx, 3), group->Name());

    // Each item's own value adds nothing; the group's update adds (item 0 + offset, item 1).
    auto update = [&](double x, double y) {
        fake.SetValue(hy, OPC_VT_R8, 0, y, nullptr, 0xC0, false);
        fake.SetValue(hx, OPC_VT_R8, 0, x, nullptr, 0xC0, false);
        fake.GroupUpdate(group->DLLGroupHandle());
    };
    update(1, 5);
    update(2, 7);
    ASSERT_EQ(channel->Count(), 2);
    EXPECT_DOUBLE_EQ(channel->GetX(1), 102);
    EXPECT_DOUBLE_EQ(channel->GetY(1), 7);
    // An X the channel refuses (out of order) is dropped without reaching the library.
    update(0, 9);
    EXPECT_EQ(channel->Count(), 2);
    update(3, 11);
    EXPECT_EQ(channel->Count(), 3);

    // Suspended or deactivated, neither item feeds the group any longer.
    channel->OPCUpdateSuspend();
    EXPECT_EQ(fake.SignalInt(hy, 1), 1);
    EXPECT_EQ(fake.SignalInt(hx, 1), 1);
    channel->OPCUpdateResume();
    EXPECT_EQ(fake.SignalInt(hx, 1), 0);
    channel->OPCDeactivate();
    EXPECT_EQ(fake.SignalInt(hy, 3), 0);
    EXPECT_EQ(fake.SignalInt(hx, 3), 0);

    // Suspended activation registers both suspended. Back to a time-stamp source, the group
    // goes and only item 0 registers.
    channel->OPCActivateSuspend();
    EXPECT_EQ(fake.SignalInt(channel->OPCItem(0)->SignalHandle(), 1), 1);
    EXPECT_EQ(fake.SignalInt(channel->OPCItem(1)->SignalHandle(), 1), 1);
    channel->SetOPCXValueSource(iopcxvsOPCServerTimeStamp);
    channel->OPCActivate();
    EXPECT_EQ(channel->OPCManager()->GroupCount(), 0);
    EXPECT_EQ(channel->OPCItem(1)->SignalHandle(), 0);

    // Without a server the items stay in the group named by OPCGroupName.
    channel->SetOPCXValueSource(iopcxvsOPCItem);
    channel->SetOPCServerName(QString());
    channel->SetOPCGroupName(QStringLiteral("Plant"));
    channel->OPCActivate();
    EXPECT_EQ(channel->OPCManager()->GroupCount(), 0);
    EXPECT_EQ(fake.SignalName(channel->OPCItem(0)->SignalHandle(), 3), QStringLiteral("Plant"));
    EXPECT_EQ(fake.SignalName(channel->OPCItem(1)->SignalHandle(), 3), QStringLiteral("Plant"));
}

TEST(OPCWithoutLibrary, ManagerPlaceholderGallery) {
    TiOPCManager manager(nullptr);
    manager.SetVisible(true);
    manager.show();
    const QImage image = manager.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/plot_opc_manager.png")));
    ASSERT_EQ(image.size(), QSize(28, 28));
    // Raised edges: highlight on the top and left, shadow on the right and bottom.
    EXPECT_EQ(PixelAt(image, 0, 10), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 10, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 27, 10), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 10, 27), Rgb(clBtnShadow));
    EXPECT_NE(PixelAt(image, 14, 14), PixelAt(image, 1, 1)) << "its picture";
}
