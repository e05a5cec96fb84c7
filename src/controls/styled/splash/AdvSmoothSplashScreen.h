#pragma once
// The splash screen component: a non-visual component of the main window's layout that,
// once the layout has loaded, shows a splash window (picture fill, program name and
// version, mini-HTML list lines, items, top-layer items, a progress bar) and closes it when
// the main form is first shown.
#include "AdvTrackBar.h"
#include "GDIPFill.h"
#include "GDIPPictureContainer.h"
#include "splash/SplashItems.h"
#include "splash/SplashListItems.h"
#include "splash/SplashProgress.h"
#include "splash/SplashWindow.h"

#include "timer/TRepeatTimer.h"
#include "ui/TForm.h"

#include <QObject>
#include <QPointer>

#include <memory>

enum TDisplayStyle { dsNormal, dsFadeInOut };
enum TDisplayLocation { dlFixedPos, dlCenter };

class TAdvSmoothSplashScreen : public QObject, public TComponent, public ITMSStyle, public TImageListClient {
public:
    explicit TAdvSmoothSplashScreen(TComponent* owner);
    ~TAdvSmoothSplashScreen() override;
    QObject* Object() override { return this; }

    // After the layout has loaded: program texts, then Show when AutoShow is set.
    void Loaded() override;
    void Show();
    // X and Y do not affect the placement.
    void Show(int x, int y);
    void Hide();
    void Refresh();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    void FadeIn(int step, int wait, int max);
    void FadeOut(int step, int wait, int min);
    void SetFocusToForm(TForm* form);
    void SetComponentStyle(TTrackBarStyle style) override;
    QString GetThemeID() const { return QStringLiteral("TAdvSmoothSplashScreen"); }
    void LoadFromTheme(const QString&) {}
    void SaveToTheme(const QString&) {}
    // Invalidates the window while it shows (a layered window changes only on Refresh).
    void InvalidateSplashWindow();

    bool StayOnTop() const { return FStayOnTop; }
    void SetStayOnTop(bool value);
    QString Version() const { return QStringLiteral("1.2.0.0"); }
    void SetVersion(const QString&) {}
    bool AutoShow = true;
    bool AutoAdaptPictureSize = true;
    bool CloseOnMainFormShow = true;
    bool CloseOnTimeout = false;
    int TimeOut = 1000;
    int PictureGap = 5;
    TDisplayStyle DisplayStyle = dsFadeInOut;
    TDisplayLocation DisplayLocation = dlCenter;
    int DisplayPosX = 0, DisplayPosY = 0;
    int Width = 600, Height = 400;
    std::uint8_t MaxOpacity = 255;
    bool FocusParentForm = false;
    TAdvSmoothSplashScreenTextRenderingHint TextRendering() const { return FTextRendering; }
    void SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value);
    // Not owned; a container that is destroyed leaves the property empty.
    TGDIPPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TGDIPPictureContainer* container) { FPictureContainer = container; }
    // Not owned: the images of items with an ImageIndex and of "IDX:" pictures in the texts;
    // a list that is destroyed leaves the property empty.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* list);
    // Set while the component is being designed: program texts, program-info and progress-bar
    // changes then leave the splash alone.
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool value) { FDesigning = value; }

    TBasicProgramInfo& BasicProgramInfo() { return *FBasicProgramInfo; }
    TGDIPFill& Fill() { return *FFill; }
    TGDIPSplashProgress& ProgressBar() { return *FProgressBar; }
    TSplashItems& Items() { return *FItems; }
    TSplashListItems& ListItems() { return *FListItems; }
    TSplashListItemsSettings& ListItemsSettings() { return *FListItemsSettings; }
    TAdvSplashTopLayerItems& TopLayerItems() { return *FTopLayerItems; }

    TSplashScreenWindow* SplashWindow() const { return FSplashWindow; }
    bool Showing() const { return FShowing; }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form);
    const TRepeatTimer& CloseTimer() const { return *FCloseTimer; }

    TNotifyEvent OnProgressChange;
    std::function<void(TComponent* sender, double value)> OnProgressPositionChanged;
    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeShow;
    TNotifyEvent OnClose;

private:
    friend class TSplashScreenWindow;
    void MainFormShow(TComponent* sender);
    void CloseTimerTick();
    void ProgressBarChanged();
    void ProgramInfoChanged();
    void ImageListRemoved(const TImageList* list) override;
    void HookMainForm();
    void UnhookMainForm();
    static void ClickFormOrigin(TForm* form);

    bool FShowing = false;
    TSplashScreenWindow* FSplashWindow = nullptr;
    TNotifyEvent FSavedOnShow;
    bool FHooked = false;
    std::unique_ptr<TRepeatTimer> FCloseTimer;
    QPointer<TForm> FMainForm;
    int FUpdateCount = 0;
    std::unique_ptr<TRepeatTimer> FFocusTimer;
    std::unique_ptr<TRepeatTimer> FFocusFormTimer;
    QPointer<TForm> FFocusForm;
    bool FStayOnTop = true;
    TAdvSmoothSplashScreenTextRenderingHint FTextRendering = tClearType;
    QPointer<TGDIPPictureContainer> FPictureContainer;
    bool FDesigning = false;
    TImageList* FImages = nullptr;
    std::unique_ptr<TGDIPFill> FFill;
    std::unique_ptr<TGDIPSplashProgress> FProgressBar;
    std::unique_ptr<TSplashItems> FItems;
    std::unique_ptr<TSplashListItems> FListItems;
    std::unique_ptr<TSplashListItemsSettings> FListItemsSettings;
    std::unique_ptr<TBasicProgramInfo> FBasicProgramInfo;
    std::unique_ptr<TAdvSplashTopLayerItems> FTopLayerItems;
};
