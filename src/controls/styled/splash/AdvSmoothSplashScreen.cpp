#include "splash/AdvSmoothSplashScreen.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

TAdvSmoothSplashScreen::TAdvSmoothSplashScreen(TComponent* owner)
    : TComponent(owner),
      FFill(std::make_unique<TGDIPFill>()),
      FProgressBar(std::make_unique<TGDIPSplashProgress>()),
      FItems(std::make_unique<TSplashItems>(this)),
      FListItems(std::make_unique<TSplashListItems>(this)),
      FListItemsSettings(std::make_unique<TSplashListItemsSettings>()),
      FBasicProgramInfo(std::make_unique<TBasicProgramInfo>()),
      FTopLayerItems(std::make_unique<TAdvSplashTopLayerItems>(this)) {
    FItems->OnChange = [this](TSplashItems*) { Refresh(); };
    FListItems->OnChange = [this](TSplashListItems*) { Refresh(); };
    FBasicProgramInfo->OnChange = [this](TBasicProgramInfo*) { ProgramInfoChanged(); };
    FProgressBar->OnChange = [this](TGDIPSplashProgress*) { ProgressBarChanged(); };
    FCloseTimer = MakeRepeatTimer();
    FCloseTimer->SetEnabled(false);
    FCloseTimer->SetInterval(TimeOut);
    FCloseTimer->OnTimer = [this] { CloseTimerTick(); };
    FFocusTimer = MakeRepeatTimer();
    FFocusTimer->SetEnabled(false);
    FFocusTimer->SetInterval(20);
    FFocusTimer->OnTimer = [this] {
        FFocusTimer->SetEnabled(false);
        if (FMainForm) ClickFormOrigin(FMainForm);
    };
}

TAdvSmoothSplashScreen::~TAdvSmoothSplashScreen() {
    ReferTo(FImages, nullptr);
    // A window that still shows is hidden first, so that it never outlives its component.
    OnClose = nullptr;
    Hide();
}

void TAdvSmoothSplashScreen::Loaded() {
    // The program texts would come from the executable's version resource; this platform's
    // executables carry none, so the stored texts stay.
    if (AutoShow) Show();
}

void TAdvSmoothSplashScreen::Show() { Show(DisplayPosX, DisplayPosY); }

void TAdvSmoothSplashScreen::Show(int, int) {
    if (FShowing) return;
    if (OnBeforeShow) OnBeforeShow(this);
    // The owning form, or the application's main form once there is one.
    TForm* form = TForm::MainForm() ? TForm::MainForm() : dynamic_cast<TForm*>(Owner());
    if (form && form != FMainForm) {
        UnhookMainForm();
        FMainForm = form;
    }
    if (CloseOnMainFormShow && FMainForm) HookMainForm();
    TSplashScreenWindow::CreateSplashWindow(this);
}

void TAdvSmoothSplashScreen::HookMainForm() {
    if (FHooked || !FMainForm) return;
    FSavedOnShow = FMainForm->OnShow;
    FMainForm->OnShow = [this](TComponent* sender) { MainFormShow(sender); };
    FHooked = true;
}

void TAdvSmoothSplashScreen::UnhookMainForm() {
    if (!FHooked) return;
    if (FMainForm) FMainForm->OnShow = FSavedOnShow;
    FSavedOnShow = nullptr;
    FHooked = false;
}

void TAdvSmoothSplashScreen::MainFormShow(TComponent* sender) {
    const TNotifyEvent saved = FSavedOnShow;
    Hide();
    if (saved) saved(sender);
    if (FocusParentForm && FMainForm) FFocusTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::Hide() {
    if (!FShowing) return;
    FCloseTimer->SetEnabled(false);
    if (DisplayStyle == dsFadeInOut && FSplashWindow && FSplashWindow->isVisible())
        FSplashWindow->FadeOutWindow(20, 5, 10);
    FShowing = false;
    UnhookMainForm();
    if (FSplashWindow) {
        TSplashScreenWindow* window = FSplashWindow;
        FSplashWindow = nullptr;
        window->hide();
        if (window->FEventDepth > 0) {
            // Hidden from one of the window's own events (its OnClick): the handler still
            // runs on it, so it goes once the event has returned.
            window->FSplashScreen = nullptr;
            window->deleteLater();
        } else {
            delete window;
        }
    }
    if (OnClose) OnClose(this);
}

void TAdvSmoothSplashScreen::CloseTimerTick() {
    const bool wasShowing = FShowing;
    Hide();
    if (FocusParentForm && FMainForm && wasShowing) FFocusTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::Refresh() {
    if (FShowing && FSplashWindow) FSplashWindow->Refresh();
}

void TAdvSmoothSplashScreen::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) Refresh();
}

void TAdvSmoothSplashScreen::InvalidateSplashWindow() {
    if (FSplashWindow && FShowing) FSplashWindow->update();
}

void TAdvSmoothSplashScreen::SetStayOnTop(bool value) {
    if (value == FStayOnTop) return;
    FStayOnTop = value;
    InvalidateSplashWindow();
}

void TAdvSmoothSplashScreen::SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value) {
    if (value == FTextRendering) return;
    FTextRendering = value;
    InvalidateSplashWindow();
}

void TAdvSmoothSplashScreen::FadeIn(int step, int wait, int max) {
    if (!FSplashWindow || !FSplashWindow->isVisible()) return;
    step = std::max(1, step);  // a step of 0 would never arrive
    if (FSplashWindow->Layered()) {
        FSplashWindow->FadeInLayered(step, wait * 3, max);
        return;
    }
    while (FSplashWindow->AlphaBlendValue() < max) {
        const int next = FSplashWindow->AlphaBlendValue() + step >= max ? max : FSplashWindow->AlphaBlendValue() + step;
        FSplashWindow->SetAlphaBlendValue(next);
        if (next == max) break;
        FSplashWindow->Pause(wait * 3);
    }
}

void TAdvSmoothSplashScreen::FadeOut(int step, int wait, int min) {
    if (FSplashWindow && FSplashWindow->isVisible()) FSplashWindow->FadeOutWindow(step, wait, min);
}

void TAdvSmoothSplashScreen::SetFocusToForm(TForm* form) {
    if (!FFocusFormTimer) {
        FFocusFormTimer = MakeRepeatTimer();
        FFocusFormTimer->SetEnabled(false);
        FFocusFormTimer->SetInterval(20);
        FFocusFormTimer->OnTimer = [this] {
            FFocusFormTimer->SetEnabled(false);
            if (FFocusForm) ClickFormOrigin(FFocusForm);
        };
    }
    FFocusForm = form;
    FFocusFormTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::ClickFormOrigin(TForm* form) {
    // One left click at the form's client origin, then the cursor goes back.
    const QPoint old = QCursor::pos();
    const QPoint origin = form->mapToGlobal(QPoint(0, 0));
    QCursor::setPos(origin);
    QWidget* target = form->childAt(0, 0);
    if (!target) target = form;
    const QPointF local = target->mapFromGlobal(QPointF(origin));
    QMouseEvent press(QEvent::MouseButtonPress, local, QPointF(origin), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, QPointF(origin), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QCursor::setPos(old);
}

void TAdvSmoothSplashScreen::SetMainForm(TForm* form) {
    if (CloseOnMainFormShow) UnhookMainForm();
    FMainForm = form;
    if (CloseOnMainFormShow && form) HookMainForm();
}

void TAdvSmoothSplashScreen::SetImages(TImageList* list) {
    if (list == FImages) return;
    ReferTo(FImages, list);
}

void TAdvSmoothSplashScreen::ImageListRemoved(const TImageList* list) {
    if (list == FImages) FImages = nullptr;
}

void TAdvSmoothSplashScreen::ProgramInfoChanged() {
    if (Designing() || Loading()) return;
    Refresh();
}

void TAdvSmoothSplashScreen::ProgressBarChanged() {
    if (Designing() || !FShowing || !FSplashWindow || !FSplashWindow->ProgressBar()) return;
    TAdvSplashProgressBar* bar = FSplashWindow->ProgressBar();
    const TGDIPSplashProgress& p = *FProgressBar;
    bar->SetPosition(p.Position());
    bar->SetGlowAnimation(p.GlowAnimation());
    bar->SetStep(p.Step());
    bar->SetProgressAnimation(p.ProgressAnimation());
    bar->SetMaximum(p.Maximum());
    bar->SetMinimum(p.Minimum());
    bar->SetVisible(p.Visible());
    bar->SetBounds(p.Left(), p.Top(), p.Width(), p.Height());
    bar->SetAppearance(p);
    if (FSplashWindow->Layered()) Refresh();
}

void TAdvSmoothSplashScreen::SetComponentStyle(TTrackBarStyle style) {
    TGDIPFill& f = *FFill;
    f.SetGradientType(gtVertical);
    struct Row {
        TColor color, colorTo, mirror, mirrorTo, border;
    };
    auto plain = [&](const Row& r) {
        f.SetColor(r.color);
        f.SetColorTo(r.colorTo);
        f.SetColorMirror(clNone);
        f.SetColorMirrorTo(clNone);
        f.SetBorderColor(r.border);
    };
    auto mirrored = [&](const Row& r) {
        f.SetColor(r.color);
        f.SetColorTo(r.colorTo);
        f.SetColorMirror(r.mirror);
        f.SetColorMirrorTo(r.mirrorTo);
        f.SetBorderColor(r.border);
        f.SetGradientMirrorType(gtVertical);
    };
    switch (style) {
    case tsOffice2003Blue: plain({16640730, 14986888, clNone, clNone, 14668485}); break;
    case tsOffice2003Silver: plain({15590880, 13152947, clNone, clNone, 9598070}); break;
    case tsOffice2003Olive: plain({13627626, 9224369, clNone, clNone, 9224369}); break;
    case tsOffice2003Classic: plain({clWhite, 13226453, clNone, clNone, 9598070}); break;
    case tsOffice2007Luna: mirrored({16445929, 15587527, 15587527, 16773863, 14922381}); break;
    case tsOffice2007Obsidian: mirrored({14671574, 15000283, 14144974, 15197664, 12631218}); break;
    case tsWindowsXP: plain({clBtnFace, clBtnFace, clNone, clNone, 0}); break;
    case tsWhidbey: plain({16777215, 14675440, clNone, clNone, 10070188}); break;
    case tsCustom: break;
    case tsOffice2007Silver: mirrored({15987697, 16119283, 15657703, 16316406, 13421257}); break;
    case tsWindowsVista: plain({16776697, 16642263, clNone, clNone, 16703386}); break;
    case tsWindows7: plain({16575452, 16571329, clNone, clNone, 13542013}); break;
    case tsTerminal: plain({clBtnFace, clBtnFace, clNone, clNone, 8421504}); break;
    case tsOffice2010Blue: plain({16710905, 15391181, clNone, clNone, 10060659}); break;
    case tsOffice2010Silver: plain({16645370, 16645370, clNone, clNone, 9734527}); break;
    case tsOffice2010Black: plain({12566463, 9539985, clNone, clNone, 7171437}); break;
    }
}
