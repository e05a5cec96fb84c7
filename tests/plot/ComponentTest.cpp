#include "core/iLimitDataList.h"
#include "core/iMemoryStream.h"
#include "core/iPlotMinMaxPoint.h"
#include "PlotTestSupport.h"
#include "core/iVCLComponent.h"
#include "rtl/Exception.h"
#include "ui/VirtualKeys.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A control with a settable clock that counts window invalidations and paints a colour, or
// fails when told to.
class Probe : public TiCustomComponent {
public:
    explicit Probe(TComponent* owner = nullptr) : TiCustomComponent(owner) { SetBounds(0, 0, 60, 40); }
    void iPaintToCanvas(TCanvas& canvas) override {
        ++paints;
        if (failWith) throw Exception(QStringLiteral("Broken paint"));
        canvas.Brush.Color = clGreen;
        canvas.FillRect({0, 0, Width(), Height()});
    }
    void InvalidateWindow() override {
        ++invalidations;
        if (onInvalidate) onInvalidate();
    }
    void iMouseDown(TMouseButton, TShiftState, int x, int y) override {
        userDuringHook = UserGenerated();
        downAt = {x, y};
    }
    void iKeyDown(int& key, TShiftState shift) override {
        keys.push_back(key);
        lastShift = shift;
    }
    void Loading(bool v) { SetLoading(v); }

    int paints = 0;
    int invalidations = 0;
    bool failWith = false;
    bool userDuringHook = false;
    TPoint downAt;
    std::vector<int> keys;
    TShiftState lastShift = 0;
    std::function<void()> onInvalidate;
};

constexpr double kMs = kOneMs;

TEST(RepaintScheduling, FrameRateLimitHoldsBackAndTheTickCatchesUp) {
    FakeClock clock;
    Probe p;
    p.SetAutoFrameRate(true);  // one background change: the first repaint
    clock.Advance(100);
    p.invalidations = 0;

    p.InvalidateChange();  // quiet before: at once
    EXPECT_EQ(p.invalidations, 1);
    clock.Advance(1);
    p.InvalidateChange();  // within 1/60 s: only marked
    EXPECT_EQ(p.invalidations, 1);
    EXPECT_TRUE(p.NeedsRepaint());
    clock.Advance(5);
    TiUpdateObject::Global().TimerTick();  // still within the interval
    EXPECT_EQ(p.invalidations, 1);
    clock.Advance(20);
    TiUpdateObject::Global().TimerTick();
    EXPECT_EQ(p.invalidations, 2);
    EXPECT_FALSE(p.NeedsRepaint());
    TiUpdateObject::Global().TimerTick();  // nothing left to do
    EXPECT_EQ(p.invalidations, 2);
}

TEST(RepaintScheduling, UpdateBracketsAndFrameRateSettings) {
    FakeClock clock;
    Probe p;
    p.invalidations = 0;
    // Without the limit every change invalidates.
    p.InvalidateChange();
    p.InvalidateChange();
    EXPECT_EQ(p.invalidations, 2);
    // A bracket holds everything back and repaints once at its end; the bracket is a flag.
    p.BeginUpdate();
    p.BeginUpdate();
    for (int i = 0; i < 100; ++i) p.InvalidateChange();
    EXPECT_EQ(p.invalidations, 2);
    p.EndUpdate();
    EXPECT_EQ(p.invalidations, 3);
    p.BeginUpdate();
    p.EndUpdate();  // nothing changed: no repaint
    EXPECT_EQ(p.invalidations, 3);
    // Frame rate 0 with the limit on: every change at once.
    p.SetAutoFrameRate(true);
    p.SetUpdateFrameRate(0);
    const int before = p.invalidations;
    p.InvalidateChange();
    p.InvalidateChange();
    EXPECT_EQ(p.invalidations, before + 2);
    // Switching the limit off while a repaint is pending repaints at once.
    p.SetUpdateFrameRate(60);
    clock.Advance(100);
    p.InvalidateChange();
    p.InvalidateChange();
    const int pending = p.invalidations;
    EXPECT_TRUE(p.NeedsRepaint());
    p.SetAutoFrameRate(false);
    EXPECT_EQ(p.invalidations, pending + 1);
    EXPECT_FALSE(p.NeedsRepaint());
}

// A control whose due check would divide by a frame rate of 0 is simply due.
struct Client : IiUpdateClient {
    bool UpdateActive() const override { return active; }
    bool NeedsRepaint() const override { return needs; }
    int UpdateFrameRate() const override { return rate; }
    double LastUpdate() const override { return 100; }
    void DoInvalidateNow() override {}
    bool active = false, needs = true;
    int rate = 0;
};

TEST(RepaintScheduling, DueCheck) {
    Client c;
    EXPECT_TRUE(IsRepaintDue(c, 100));
    c.rate = -5;
    EXPECT_TRUE(IsRepaintDue(c, 100));
    c.rate = 60;
    EXPECT_FALSE(IsRepaintDue(c, 100 + 10 * kMs));
    EXPECT_TRUE(IsRepaintDue(c, 100 + 20 * kMs));
    c.active = true;
    EXPECT_FALSE(IsRepaintDue(c, 200));
    c.active = false, c.needs = false;
    EXPECT_FALSE(IsRepaintDue(c, 200));
}

TEST(RepaintScheduling, ControlsLeavingDuringATickAreNotVisited) {
    FakeClock clock;
    TiUpdateObject& scheduler = TiUpdateObject::Global();
    const int registered = scheduler.ControlCount();
    auto first = std::make_unique<Probe>();
    auto second = std::make_unique<Probe>();
    EXPECT_EQ(scheduler.ControlCount(), registered + 2);
    EXPECT_TRUE(scheduler.TimerEnabled());
    for (Probe* p : {first.get(), second.get()}) {
        p->SetAutoFrameRate(true);  // repaints now
        p->InvalidateChange();      // within the frame interval: held back for the tick
        EXPECT_TRUE(p->NeedsRepaint());
    }
    first->onInvalidate = [&] { second.reset(); };
    clock.Advance(1000);
    // first repaints and destroys second; the tick must not touch second afterwards.
    scheduler.TimerTick();
    EXPECT_EQ(second, nullptr);
    first.reset();
    EXPECT_EQ(scheduler.ControlCount(), registered);
    if (registered == 0) EXPECT_FALSE(scheduler.TimerEnabled());
}

TEST(ControlBase, UnchangedSettingsRequestNoRepaint) {
    Probe p;
    p.invalidations = 0;
    p.SetBorderStyle(ibsNone);
    p.SetBackGroundColor(clBtnFace);
    EXPECT_EQ(p.invalidations, 0);
    p.SetBorderStyle(ibsLowered);
    p.SetBackGroundColor(clBlack);
    EXPECT_EQ(p.invalidations, 2);
    EXPECT_EQ(p.GetCenterPoint(), (TPoint{30, 20}));
}

TEST(ControlBase, AFailingPaintShowsItsMessageAndTheNextPaintIsNormal) {
    Probe p;
    p.SetBounds(0, 0, 160, 40);
    p.failWith = true;
    QImage broken = p.PaintOffScreen();
    int white = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x) white += qGray(broken.pixel(x, y)) > 0x80;
    EXPECT_GT(white, 10);
    EXPECT_EQ(broken.pixel(2, 2) & 0xFFFFFF, 0u);
    p.failWith = false;
    const QImage fine = p.PaintOffScreen();
    EXPECT_EQ(fine.pixel(2, 2) & 0xFFFFFF, 0x008000u);
    EXPECT_EQ(p.paints, 2);
}

TEST(ControlBase, SavesABitmapWithoutEverBeingShown) {
    QTemporaryDir dir;
    Probe p;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    p.SaveImageToBitmap(path);
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(60, 40));
    EXPECT_EQ(image.pixel(30, 20) & 0xFFFFFF, 0x008000u);
}

TEST(ControlBase, PropertyFileRoundTripAndFailedLoadClosesTheBracket) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.txt"));
    Probe a;
    a.SetName(QStringLiteral("probe"));
    a.SetUpdateFrameRate(25);
    a.SetAutoFrameRate(true);
    a.SavePropertiesToFile(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    f.close();
    EXPECT_TRUE(text.startsWith("File Type = TiComponent\r\n"));
    EXPECT_TRUE(text.contains("UpdateFrameRate = 25\r\n"));
    EXPECT_FALSE(text.contains("Name = "));
    EXPECT_FALSE(text.contains("Width = "));

    Probe b;
    b.LoadPropertiesFromFile(path);
    EXPECT_EQ(b.UpdateFrameRate(), 25);
    EXPECT_TRUE(b.AutoFrameRate());
    EXPECT_FALSE(b.UpdateActive());

    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Unknown.Thing = 3\r\nUpdateFrameRate = fast\r\n");
    f.close();
    try {
        b.LoadPropertiesFromFile(path);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Error Loading Properties - 'fast' is not a valid integer value"));
    }
    EXPECT_FALSE(b.UpdateActive());
    EXPECT_THROW(b.SavePropertiesToFile(dir.filePath(QStringLiteral("no/such/dir.txt"))), Exception);
}

TEST(ControlBase, PropertyKinds) {
    Probe p;
    EXPECT_EQ(p.GetPropertyKind(QStringLiteral("updateframerate")), tkInteger);
    EXPECT_EQ(p.GetPropertyKind(QStringLiteral("AutoFrameRate")), tkEnumeration);
    EXPECT_EQ(p.GetPropertyKind(QStringLiteral("Name")), tkLString);
    EXPECT_EQ(p.GetPropertyKind(QStringLiteral("Nothing")), 0);
}

TEST(ControlBase, InputHooksRunAsUserInput) {
    Probe p;
    p.show();
    QTest::mouseClick(&p, Qt::LeftButton, Qt::NoModifier, QPoint(7, 9));
    EXPECT_TRUE(p.userDuringHook);
    EXPECT_FALSE(p.UserGenerated());
    EXPECT_EQ(p.downAt, (TPoint{7, 9}));
    QTest::keyClick(&p, Qt::Key_PageUp, Qt::ShiftModifier);
    QTest::keyClick(&p, Qt::Key_Menu);
    EXPECT_EQ(p.keys, (std::vector<int>{VK_SHIFT, VK_PRIOR, VK_APPS}));
}

TEST(SupportClasses, MemoryStreamTextAndXml) {
    TiMemoryStream s;
    s.WriteString(QString(255, QLatin1Char('a')));
    EXPECT_EQ(s.Size(), 255);
    EXPECT_THROW(s.WriteString(QString(256, QLatin1Char('a'))), Exception);
    TiMemoryStream one;
    one.WriteString(QStringLiteral("x"));
    one.SetPosition(0);
    try {
        one.ReadChar();
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("EOF"));
    }

    TiXMLMemoryStream x;
    x.StartElement(QStringLiteral("Scheme"));
    x.WriteElement(QStringLiteral("Color"), QStringLiteral("255"));
    x.EndElement(QStringLiteral("Scheme"));
    x.SetPosition(0);
    EXPECT_EQ(x.GetElement(QStringLiteral("Color")), QStringLiteral("255"));
    x.SetPosition(0);
    EXPECT_EQ(x.GetNextPiece(), QStringLiteral("Scheme"));
    EXPECT_EQ(x.PeekNextPiece(), QStringLiteral("Color"));
    EXPECT_EQ(x.GetNextPiece(), QStringLiteral("Color"));
    EXPECT_EQ(x.GetNextPiece(), QStringLiteral("255"));
    EXPECT_EQ(x.GetNextPiece(), QStringLiteral("/Color"));
    TiXMLMemoryStream bad;
    bad.WriteStringCRLF(QStringLiteral("<a>x<b>"));
    bad.SetPosition(4);
    EXPECT_THROW(bad.GetNameElementStop(), Exception);
}

TEST(SupportClasses, LimitListGrowthAndMinMaxPoints) {
    TiLimitDataList list;
    std::vector<int> capacities;
    for (int i = 0; i < 81; ++i) {
        list.Add(i, 2 * i, 3 * i);
        if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95}));
    EXPECT_EQ(list.GetValue3(80), 240);
    EXPECT_THROW(list.GetValue1(81), Exception);
    list.SetCapacity(10);
    EXPECT_EQ(list.Count(), 10);
    EXPECT_THROW(list.SetCapacity(134217728), Exception);

    TiPlotMinMaxPoint m;
    m.AddData(1.5, 3, 10);
    m.AddData(1.6, 7, 10);
    m.AddData(1.7, 5, 11);
    EXPECT_EQ(m.YFirst, 3);
    EXPECT_EQ(m.YMax, 7);
    EXPECT_EQ(m.YMin, 3);
    EXPECT_EQ(m.YLast, 5);
    EXPECT_EQ(m.XPixels, 10);
    m.Clear();
    EXPECT_TRUE(m.Empty);
}

}  // namespace
