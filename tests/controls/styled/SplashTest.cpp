#include "splash/ProgramSplash.h"
#include "StyledTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPointer>
#include <QCoreApplication>
#include <QTest>

#include <vector>

namespace {

// Counts pixels of a colour inside a rectangle of an image.
int Count(const QImage& image, const QRect& r, QRgb color) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += image.pixel(x, y) == color;
    return n;
}

// Records the fade steps instead of sleeping, and the opacity of every presentation.
struct FadeRecorder {
    FadeRecorder() {
        TSplashScreenWindow::Sleep = [this](int ms) { pauses.push_back(ms); };
        TSplashScreenWindow::OnPresent = [this](TSplashScreenWindow* w) { opacities.push_back(w->Opacity()); };
    }
    ~FadeRecorder() {
        TSplashScreenWindow::Sleep = [](int) {};
        TSplashScreenWindow::OnPresent = nullptr;
    }
    std::vector<int> pauses, opacities;
};

}  // namespace

TEST(Splash, ShowsBeforeTheEventLoopAndClosesWhenTheMainFormShows) {
    FadeRecorder fades;
    TForm main(nullptr);
    std::vector<TComponent*> shown;
    main.OnShow = [&](TComponent* sender) { shown.push_back(sender); };
    auto* splash = new TAdvSmoothSplashScreen(&main);
    SetUpProgramSplash(*splash);
    int closes = 0;
    splash->OnClose = [&](TComponent* sender) {
        EXPECT_EQ(sender, splash);
        ++closes;
    };
    splash->Loaded();
    ASSERT_TRUE(splash->Showing());
    TSplashScreenWindow* window = splash->SplashWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Layered());
    EXPECT_EQ(window->size(), QSize(622, 352));
    EXPECT_EQ(window->Opacity(), 255);  // dsNormal: fully there at once
    EXPECT_TRUE(fades.pauses.empty());
    // Rendered already: white name and status texts over the artwork.
    const QImage& buffer = *window->Buffer();
    EXPECT_GT(Count(buffer, QRect(85, 130, 360, 40), qRgb(255, 255, 255)), 150);
    EXPECT_GT(Count(buffer, QRect(475, 140, 60, 26), qRgb(255, 255, 255)), 30);
    EXPECT_GT(Count(buffer, QRect(180, 210, 250, 36), qRgb(255, 255, 255)), 150);
    EXPECT_EQ(qAlpha(buffer.pixel(300, 300)), 255);  // the artwork, with its own alpha
    EXPECT_EQ(qAlpha(buffer.pixel(1, 1)), 0);        // its rounded corner

    main.Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(shown, std::vector<TComponent*>{&main});
    main.Hide();
    main.Show();  // the main form's own handler is back in place
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(closes, 1);
}

TEST(Splash, LeavesOnShowAloneWithoutCloseOnMainFormShow) {
    TForm main(nullptr);
    int own = 0;
    main.OnShow = [&](TComponent*) { ++own; };
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    splash.CloseOnMainFormShow = false;
    splash.Show(123, 456);  // X and Y change nothing
    main.Show();
    EXPECT_TRUE(splash.Showing());
    EXPECT_EQ(own, 1);
    splash.Hide();
    main.Hide();
    main.Show();
    EXPECT_EQ(own, 2);
}

TEST(Splash, ClosesOnTimeOutOnceAndShowsOnlyOnce) {
    FakeClock clock;
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    splash.CloseOnTimeout = true;
    int before = 0, closes = 0;
    splash.OnBeforeShow = [&](TComponent*) { ++before; };
    splash.OnClose = [&](TComponent*) { ++closes; };
    splash.Show();
    splash.Show();
    EXPECT_EQ(before, 1);
    clock.Advance(99);
    EXPECT_TRUE(splash.Showing());
    clock.Advance(1);
    EXPECT_FALSE(splash.Showing());
    clock.Advance(500);
    EXPECT_EQ(closes, 1);
}

TEST(Splash, DestroyingTheComponentHidesItsWindow) {
    TForm main(nullptr);
    auto* splash = new TAdvSmoothSplashScreen(&main);
    SetUpProgramSplash(*splash);
    splash->Show();
    QPointer<TSplashScreenWindow> window = splash->SplashWindow();
    ASSERT_TRUE(window);
    delete splash;
    EXPECT_FALSE(window);
    main.Show();  // the hook went with it
}

// The application's main form, once there is one, is the form whose first showing closes
// the splash; without one the owning form is.
TEST(Splash, ClosesWithTheApplicationsMainForm) {
    for (bool applicationForm : {false, true}) {
        TForm owner(nullptr), application(nullptr);
        if (applicationForm) TForm::SetMainForm(&application);
        TAdvSmoothSplashScreen splash(&owner);
        SetUpProgramSplash(splash);
        splash.Show();
        EXPECT_EQ(splash.MainForm(), applicationForm ? &application : &owner);
        (applicationForm ? application : owner).Show();
        EXPECT_FALSE(splash.Showing()) << applicationForm;
        TForm::SetMainForm(nullptr);
    }
}

// Items with an ImageIndex draw that image of the splash's list, their text after it and the
// picture gap; list lines show "IDX:" pictures; a list that goes away is forgotten.
TEST(Splash, ImageListItemsAndPictures) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    auto images = std::make_unique<TImageList>(12, 12);
    images->Add(Solid(12, 12, QColor(255, 0, 255)));
    images->Add(Solid(12, 12, QColor(0, 255, 0)));
    splash.SetImages(images.get());
    TSplashItem* item = splash.Items().Add();
    item->ImageIndex = 1;
    item->PosX = 20;
    item->PosY = 20;
    item->Text = QStringLiteral("IIII");
    item->Font.SetColor(clYellow);
    item->Font.SetHeight(-20);
    TSplashItem* beyond = splash.Items().Add();
    beyond->ImageIndex = 7;
    beyond->PosX = 20;
    beyond->PosY = 60;
    splash.ListItems().Items(0)->HTMLText = QStringLiteral("<IMG src=\"IDX:0\">");
    splash.Show();
    const QImage& buffer = *splash.SplashWindow()->Buffer();
    EXPECT_EQ(Count(buffer, QRect(20, 20, 12, 12), qRgb(0, 255, 0)), 144);
    EXPECT_GT(Count(buffer, QRect(20 + 12 + 5, 18, 60, 30), qRgb(255, 255, 0)), 20);  // after width + gap
    EXPECT_EQ(Count(buffer, QRect(20 + 12, 18, 5, 30), qRgb(255, 255, 0)), 0);
    EXPECT_EQ(Count(buffer, QRect(0, 0, 622, 352), qRgb(255, 0, 255)), 144);  // the list line's picture
    splash.Hide();
    images.reset();
    EXPECT_EQ(splash.Images(), nullptr);
    splash.Show();  // drawn without the list
    EXPECT_EQ(Count(*splash.SplashWindow()->Buffer(), QRect(20, 20, 12, 12), qRgb(0, 255, 0)), 0);
}

// The picture container is not owned: one that is destroyed leaves the property empty.
TEST(Splash, ForgetsADestroyedPictureContainer) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    auto* container = new TGDIPPictureContainer(&main);
    splash.SetPictureContainer(container);
    EXPECT_EQ(splash.PictureContainer(), container);
    delete container;
    EXPECT_EQ(splash.PictureContainer(), nullptr);
}

// While designed, progress-bar changes do not reach the showing bar.
TEST(Splash, DesignedSplashLeavesItsProgressBarAlone) {
    for (bool designing : {false, true}) {
        TForm main(nullptr);
        TAdvSmoothSplashScreen splash(&main);
        SetUpProgramSplash(splash);
        splash.Show();
        ASSERT_NE(splash.SplashWindow()->ProgressBar(), nullptr);
        splash.SetDesigning(designing);
        splash.ProgressBar().SetPosition(40);
        EXPECT_EQ(splash.SplashWindow()->ProgressBar()->Position(), designing ? 0 : 40) << designing;
        splash.Hide();
    }
}

// A splash hidden from its own OnClick goes once the click has returned: the window's
// release handler still runs on it (under AddressSanitizer a freed window is caught here).
TEST(Splash, HiddenFromItsOwnClickGoesAfterTheClick) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    splash.CloseOnMainFormShow = false;
    int clicks = 0;
    splash.OnClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, &splash);
        ++clicks;
        splash.Hide();
    };
    splash.Show();
    QPointer<TSplashScreenWindow> window = splash.SplashWindow();
    ASSERT_TRUE(window);
    QTest::mouseClick(window.data(), Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(splash.Showing());
    EXPECT_EQ(splash.SplashWindow(), nullptr);
    EXPECT_FALSE(window->isVisible());
    // The event loop frees it (run here as a loop would on its return).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "the hidden window is freed after its event";
    splash.Show();  // and the component shows a new one
    EXPECT_NE(splash.SplashWindow(), nullptr);
}

// OnDeleteItem reports the index the item stood at, for both item collections.
template <typename Items>
void ExpectDeletedIndices(Items& items) {
    items.Clear();
    for (int i = 0; i < 4; ++i) items.Add();
    std::vector<int> reported;
    items.OnDeleteItem = [&](auto* sender, int index) {
        EXPECT_EQ(sender, &items);
        reported.push_back(index);
    };
    items.Delete(1);
    items.Delete(2);  // the last of the three left
    items.Clear();    // from the back
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 1, 0}));
    EXPECT_EQ(items.Count(), 0);
}

TEST(Splash, DeletedItemsReportTheirIndex) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    ExpectDeletedIndices(splash.Items());
    ExpectDeletedIndices(splash.ListItems());
}

TEST(Splash, FadesStepUntilTheirEnds) {
    FadeRecorder fades;
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    splash.DisplayStyle = dsFadeInOut;
    splash.Show();
    std::vector<int> fadeIn(fades.opacities.end() - 13, fades.opacities.end());
    EXPECT_EQ(fadeIn, (std::vector<int>{25, 45, 65, 85, 105, 125, 145, 165, 185, 205, 225, 245, 255}));
    EXPECT_EQ(std::count(fades.pauses.begin(), fades.pauses.end(), 5), 12);
    // A step of 0 counts as 1, so the fade ends.
    fades.opacities.clear();
    splash.SplashWindow()->FadeOutWindow(0, 1, 251);
    EXPECT_EQ(fades.opacities, (std::vector<int>{254, 253, 252, 251}));
    splash.FadeIn(0, 1, 255);
    EXPECT_EQ(fades.opacities.back(), 255);
    fades.opacities.clear();
    fades.pauses.clear();
    splash.Hide();
    EXPECT_EQ(fades.opacities.front(), 235);
    EXPECT_EQ(fades.opacities.back(), 10);
    EXPECT_EQ(fades.pauses.size(), 12u);

    // Without layering the window's own opacity climbs in steps of 5.
    splash.Fill().SetOpacity(255);
    splash.Show();
    EXPECT_FALSE(splash.SplashWindow()->Layered());
    EXPECT_EQ(splash.SplashWindow()->AlphaBlendValue(), 255);
    EXPECT_EQ(std::count(fades.pauses.begin(), fades.pauses.end(), 5), 12 + 50);
}

TEST(Splash, ListScrollsAndTheBufferFollowsTheWindow) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    TSplashListItemsSettings& s = splash.ListItemsSettings();
    s.Rect = TListItemsRect{100, 10, 300, 20};
    for (int k = 0; k < 12; ++k) splash.ListItems().Add()->HTMLText = QStringLiteral("line %1").arg(k);
    splash.Show();
    TSplashListItems& list = splash.ListItems();
    const int last = list.Count() - 1;
    EXPECT_LE(list.Items(last)->DisplayRect.Bottom, 120);
    EXPECT_EQ(list.Items(0)->DisplayRect.Top, -1);
    int first = 0;
    while (list.Items(first)->DisplayRect.Top == -1) ++first;
    EXPECT_EQ(list.Items(first)->DisplayRect.Top, 20);
    EXPECT_EQ(list.Items(first + 1)->DisplayRect.Top - list.Items(first)->DisplayRect.Bottom, s.Space);

    // One line taller than the list stays, at the list's top.
    list.Clear();
    list.Add()->HTMLText = QStringLiteral("<FONT size=\"72\">Big</FONT>");
    splash.Refresh();
    EXPECT_EQ(list.Items(0)->DisplayRect.Top, 20);

    TSplashScreenWindow* window = splash.SplashWindow();
    window->SetBounds(window->Left(), window->Top(), 700, 400);
    window->Refresh();
    EXPECT_EQ(window->Buffer()->size(), QSize(700, 400));
}

TEST(Splash, ItemsAndHeadingTexts) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    splash.ListItems().Clear();
    // A BMP item keyed by its bottom-left colour, its text after the picture gap.
    QImage bmp = Solid(10, 10, QColor(255, 0, 255));
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x) bmp.setPixel(x, y, qRgb(0, 255, 0));
    TSplashItem* item = splash.Items().Add();
    QBuffer data;
    data.setData(ImageFile(bmp, "BMP"));
    data.open(QIODevice::ReadOnly);
    item->Picture().LoadFromStream(&data);
    item->PosX = 20;
    item->PosY = 20;
    item->Text = QStringLiteral("IIII");
    item->Font.SetColor(clLime);
    item->Font.SetHeight(-20);
    TSplashItem* broken = splash.Items().Add();
    QBuffer junk;
    junk.setData("not a picture");
    junk.open(QIODevice::ReadOnly);
    broken->Picture().LoadFromStream(&junk);
    // A heading without an end colour is solid; one of kind gtNone takes space, draws nothing.
    splash.BasicProgramInfo().ProgramVersion().GradientType = gtNone;
    splash.Show();
    const QImage& buffer = *splash.SplashWindow()->Buffer();
    EXPECT_EQ(buffer.pixel(20 + 5, 20 + 5), qRgb(0, 255, 0));
    EXPECT_NE(buffer.pixel(20, 20), qRgb(255, 0, 255));
    EXPECT_GT(Count(buffer, QRect(20 + 10 + 5, 18, 60, 30), qRgb(0, 255, 0)), 20);
    EXPECT_EQ(Count(buffer, QRect(20 + 10, 18, 5, 30), qRgb(0, 255, 0)), 0);
    EXPECT_EQ(Count(buffer, QRect(475, 140, 60, 26), qRgb(255, 255, 255)), 0);

    TSplashHeadingText heading;
    int changes = 0;
    heading.OnChange = [&](TSplashHeadingText*) { ++changes; };
    heading.SetText(QString());
    heading.SetText(QStringLiteral("x"));
    heading.SetText(QStringLiteral("x"));
    EXPECT_EQ(changes, 1);
}

// Steps of a given size, and no animation while the bar is designed or loading.
TEST(SplashProgress, StepsAndWhenItAnimates) {
    TForm form(nullptr);
    TAdvSplashProgressBar bar(&form);
    bar.SetPosition(50);
    bar.Next(7.5);
    EXPECT_EQ(bar.Position(), 57.5);
    bar.Previous(20);
    EXPECT_EQ(bar.Position(), 37.5);
    bar.Next();  // the bar's Step, 10
    EXPECT_EQ(bar.Position(), 47.5);
    struct Case {
        bool designing, loading, animates;
    };
    for (const Case& c : {Case{false, false, true}, Case{true, false, false}, Case{false, true, false}}) {
        TAdvSplashProgressBar b(&form);
        b.SetDesigning(c.designing);
        if (c.loading) b.BeginLoading();
        b.SetProgressAnimation(true);
        b.SetPosition(90);
        EXPECT_EQ(b.ShownPosition(), c.animates ? 0 : 90) << c.designing << c.loading;
        EXPECT_EQ(b.AnimationInProgress(), c.animates);
    }
}

// Assign copies a bar's range, position, step, animations and appearance (whose range and
// position the bar then takes); a style recolours
// the two fills (tsCustom leaves them).
TEST(SplashProgress, AssignAndComponentStyle) {
    TForm form(nullptr);
    TAdvSplashProgressBar source(&form), target(&form);
    TGDIPSplashProgress& look = source.Appearance();
    look.SetMinimum(10);
    look.SetMaximum(40);
    look.SetPosition(25);
    look.SetStep(3);
    look.SetValueFormat(QStringLiteral("%.1f"));
    target.Assign(source);
    EXPECT_EQ(target.Minimum(), 10);
    EXPECT_EQ(target.Maximum(), 40);
    EXPECT_EQ(target.Position(), 25);
    EXPECT_EQ(target.Step(), 3);
    EXPECT_EQ(target.Appearance().ValueFormat(), QStringLiteral("%.1f"));

    struct Case {
        TTrackBarStyle style;
        TColor back, backTo, backBorder, color, colorTo, mirror, mirrorTo, border;
        TAdvGradientType mirrorType;
    };
    for (const Case& c :
         {Case{tsOffice2003Blue, 16765615, 16765615, 12632256, 16572875, 14722429, clNone, clNone, 9841920, gtVertical},
          Case{tsOffice2007Luna, 16765615, 16765615, 12632256, 16773091, 16768452, 16765357, 16767936, 16765357,
               gtVertical},
          Case{tsTerminal, clBtnFace, clBtnFace, 8421504, clWhite, clWhite, clNone, clNone, 8421504, gtForwardDiagonal}}) {
        TAdvSplashProgressBar bar(&form);
        bar.Appearance().ProgressFill().SetGradientMirrorType(gtForwardDiagonal);
        bar.SetComponentStyle(c.style);
        TGDIPFill& b = bar.Appearance().BackGroundFill();
        TGDIPFill& p = bar.Appearance().ProgressFill();
        EXPECT_EQ((std::vector<TColor>{b.Color(), b.ColorTo(), b.BorderColor(), p.Color(), p.ColorTo(), p.ColorMirror(),
                                       p.ColorMirrorTo(), p.BorderColor()}),
                  (std::vector<TColor>{c.back, c.backTo, c.backBorder, c.color, c.colorTo, c.mirror, c.mirrorTo,
                                       c.border}))
            << c.style;
        EXPECT_EQ(p.GradientMirrorType(), c.mirrorType) << c.style;
        const TColor before = p.Color();
        bar.SetComponentStyle(tsCustom);
        EXPECT_EQ(p.Color(), before);
    }
}

TEST(SplashProgress, RangeAnimationAndValueText) {
    TForm form(nullptr);
    TAdvSplashProgressBar bar(&form);
    std::vector<double> reported;
    bar.OnPositionChanged = [&](TComponent*, double v) { reported.push_back(v); };
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(80);
    reported.clear();
    bar.SetMaximum(50);
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_TRUE(reported.empty());

    bar.SetMaximum(100);
    bar.SetPosition(0);
    bar.SetProgressAnimation(true);
    bar.SetPosition(100);
    EXPECT_EQ(bar.ShownPosition(), 0);
    bar.AnimationTick();
    EXPECT_NEAR(bar.ShownPosition(), 100.0 / 15, 1e-9);
    bar.AnimationTick();
    EXPECT_NEAR(bar.ShownPosition(), 100.0 / 15 + (100 - 100.0 / 15) / 15, 1e-9);
    for (int k = 0; k < 1000 && bar.AnimationInProgress(); ++k) bar.AnimationTick();
    EXPECT_NEAR(bar.ShownPosition(), 100, 0.001);
    for (int k = 0; k < 1000 && bar.ShownPosition() != 100; ++k) bar.AnimationTick();
    EXPECT_EQ(bar.ShownPosition(), 100);  // snapped once within 0.000001

    TGDIPSplashProgress settings;
    settings.SetValueType(vtPercentage);
    EXPECT_EQ(settings.ValueText(50, 150, 100), QStringLiteral("50%"));
    EXPECT_EQ(settings.ValueText(150, 150, 100), QStringLiteral("150%"));
    // Below the minimum the filled part would be negative: nothing is filled.
    const TGPRectF p = settings.CalculateProgressRectangle(TRect{0, 0, 100, 12}, 50, 150, 0);
    EXPECT_LT(p.Width, 0);
    QImage image(100, 12, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    settings.BackGroundFill().SetColor(clNone);
    settings.ProgressFill().SetColor(clRed);
    settings.ProgressFill().SetColorTo(clNone);
    {
        TGPGraphics g(&image);
        settings.Draw(&g, TRect{0, 0, 100, 12}, 50, 150, 0);
    }
    EXPECT_EQ(Count(image, image.rect(), qRgb(255, 0, 0)), 0);

    TGDIPSplashProgress other;
    TFont big;
    big.SetHeight(-30);
    other.SetProgressFont(big);
    other.Assign(settings);
    EXPECT_EQ(other.ProgressFont().Height(), -30);
    EXPECT_EQ(other.ValueType(), vtPercentage);
}
