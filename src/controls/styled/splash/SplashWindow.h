#pragma once
// The borderless, topmost, never-focused window on which the splash screen shows itself.
// With a translucent fill it is "layered": the whole picture is rendered into one 32-bit
// premultiplied buffer that the window shows with a constant opacity (a translucent
// top-level window); otherwise it paints the same content as an ordinary window.
#include "AdvGDIP.h"

#include "graphics/Types.h"
#include "ui/TForm.h"

#include <QImage>

#include <functional>
#include <memory>

class TAdvSmoothSplashScreen;
class TAdvSplashProgressBar;
struct TSplashListItemsSettings;

class TSplashScreenWindow : public TForm {
    Q_OBJECT
public:
    // Builds, sizes, places and shows the window of a component; null without a component or
    // while it shows already.
    static TSplashScreenWindow* CreateSplashWindow(TAdvSmoothSplashScreen* component);
    ~TSplashScreenWindow() override;

    TAdvSmoothSplashScreen* SplashScreen() const { return FSplashScreen; }
    TAdvSplashProgressBar* ProgressBar() const { return FSplashProgressBar; }
    bool Layered() const { return FForcedTransparent; }
    // The layered render target (null when not layered).
    const QImage* Buffer() const { return FMainBuffer.get(); }
    std::uint8_t Opacity() const { return FOpacity; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    bool AlphaBlend() const { return FAlphaBlend; }

    // Layered: renders the buffer again; otherwise repaints at once.
    void Refresh();
    // Steps below 1 count as 1.
    void FadeInLayered(int step, int pause, int max);
    void FadeOutWindow(int step, int pause, int min);

    // Geometry helpers of the painters.
    TRect GetInnerRect() const;
    int GetShadowOffset() const;
    TRect GetTextRect() const;
    static TRect InsetByHalf(int v, const TRect& r);

    // The pause between fade steps: sleeps on the calling thread; tests replace it.
    static std::function<void(int ms)> Sleep;
    // Called with the window each time the layered picture is presented (tests).
    static std::function<void(TSplashScreenWindow*)> OnPresent;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void Click() override;

private:
    friend class TAdvSmoothSplashScreen;
    explicit TSplashScreenWindow(TAdvSmoothSplashScreen* component);
    void EnsureMainBuffer();
    void SetForcedTransparent(bool value);
    void UpdateLayered();
    void RenderLayered();
    void PresentLayered();
    void UpdateWindowRegion();
    void PaintAll(TGPGraphics& g);
    void PaintFill(TGPGraphics& g);
    void PaintProgramInfo(TGPGraphics& g);
    void PaintItems(TGPGraphics& g);
    void PaintListItems(TGPGraphics& g);
    void PaintTopLayerItems(TGPGraphics& g);
    void PaintProgress(TGPGraphics& g);
    void SetAlphaBlendValue(int value);
    void Pause(int ms) const;

    TAdvSmoothSplashScreen* FSplashScreen;
    TAdvSplashProgressBar* FSplashProgressBar = nullptr;
    int FEventDepth = 0;  // events of this window being handled (a handler may hide it)
    bool FForcedTransparent = false;
    std::unique_ptr<QImage> FMainBuffer;
    std::uint8_t FOpacity = 5;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 255;
};

// The size (0, 0, w, h) of one list line as the renderer measures it.
TRect MeasureListItem(TGPGraphics* g, TAdvSmoothSplashScreen* component, const QString& html);
