#pragma once
// The splash screen's progress bar: TGDIPSplashProgress holds its settings and draws a bar
// into any rectangle (background fill, progress fill with shaded ends, gloss, value text);
// TAdvSplashProgressBar is the control on the splash window, with a value range, a smooth
// position animation and a moving glow.
#include "AdvTrackBar.h"
#include "GDIPFill.h"

#include "graphics/TFont.h"
#include "timer/TRepeatTimer.h"
#include "ui/TGraphicControl.h"

#include <functional>
#include <memory>
#include "StyledProperty.h"

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };

class TGDIPSplashProgress {
public:
    TGDIPSplashProgress();
    TGDIPSplashProgress(const TGDIPSplashProgress&) = delete;
    TGDIPSplashProgress& operator=(const TGDIPSplashProgress&) = delete;

    // Copies everything but ProgressFont, then notifies once.
    void Assign(const TGDIPSplashProgress& source);

    TGDIPFill& BackGroundFill() { return FBackGroundFill; }
    TGDIPFill& ProgressFill() { return FProgressFill; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& f);
    const TFont& ProgressFont() const { return FProgressFont; }
    void SetProgressFont(const TFont& f);

#define Q7K_SPLASH_PROP(Type, Name) Q7K_STYLED_PROPERTY(Type, Name, Changed())
    Q7K_SPLASH_PROP(QString, ValueFormat)
    Q7K_SPLASH_PROP(TGDIPProgressValueType, ValueType)
    Q7K_SPLASH_PROP(TGDIPProgressValuePosition, ValuePosition)
    Q7K_SPLASH_PROP(int, ValuePositionLeft)
    Q7K_SPLASH_PROP(int, ValuePositionTop)
    Q7K_SPLASH_PROP(bool, ValueVisible)
    Q7K_SPLASH_PROP(int, Left)
    Q7K_SPLASH_PROP(int, Top)
    Q7K_SPLASH_PROP(int, Width)
    Q7K_SPLASH_PROP(int, Height)
    Q7K_SPLASH_PROP(double, Minimum)
    Q7K_SPLASH_PROP(double, Maximum)
    Q7K_SPLASH_PROP(double, Position)
#undef Q7K_SPLASH_PROP
    bool Visible() const { return FVisible; }
    // Notifies even when unchanged.
    void SetVisible(bool value) {
        FVisible = value;
        Changed();
    }
    double Step() const { return FStep; }
    void SetStep(double value) { FStep = value; }
    bool GlowAnimation() const { return FGlowAnimation; }
    bool ProgressAnimation() const { return FProgressAnimation; }

    // Draws the bar into r for the range min..max at position.
    void Draw(TGPGraphics* g, const TRect& r, double min, double max, double position);
    TGPRectF CalculateProgressRectangle(const TRect& r, double min, double max, double position);
    TGPRectF GetInsideRectF(const TRect& r);
    // The value text for a position (clamped into the range).
    QString ValueText(double min, double max, double position) const;

    std::function<void(TGDIPSplashProgress* sender)> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    TRect BorderRect(const TRect& r);
    void DrawEndShades(TGPGraphics* g, const TGPRectF& r);
    void DrawGloss(TGPGraphics* g, const TGPRectF& r);
    void DrawValue(TGPGraphics* g, const TRect& r, double min, double max, double position);

    TGDIPFill FBackGroundFill, FProgressFill;
    TFont FFont, FProgressFont;
    QString FValueFormat = QStringLiteral("%.0f%%");
    TGDIPProgressValueType FValueType = vtAbsolute;
    TGDIPProgressValuePosition FValuePosition = vpCenter;
    int FValuePositionLeft = 0, FValuePositionTop = 0;
    bool FValueVisible = false, FVisible = false;
    int FLeft = 50, FTop = 100, FWidth = 300, FHeight = 17;
    double FStep = 10, FMinimum = 0, FMaximum = 100, FPosition = 0;
    bool FGlowAnimation = false, FProgressAnimation = false;
};

// Moves value toward target by step (at least margin); false once it has arrived.
bool AnimateValue(double& value, double target, double margin, double step);

class TAdvSplashProgressBar : public TGraphicControl, public ITMSStyle {
    Q_OBJECT
public:
    explicit TAdvSplashProgressBar(TComponent* owner);
    ~TAdvSplashProgressBar() override;

    double Position() const { return FPosition; }
    void SetPosition(double value);
    double Minimum() const { return FMinimum; }
    void SetMinimum(double value);
    double Maximum() const { return FMaximum; }
    void SetMaximum(double value);
    double Step() const { return FStep; }
    void SetStep(double value);
    bool GlowAnimation() const { return FGlowAnimation; }
    void SetGlowAnimation(bool value);
    bool ProgressAnimation() const { return FProgressAnimation; }
    void SetProgressAnimation(bool value);
    TGDIPSplashProgress& Appearance() { return *FAppearance; }
    void SetAppearance(const TGDIPSplashProgress& value);
    QString Version() const { return QStringLiteral("1.2.0.0"); }
    void SetVersion(const QString&) {}
    // The value the bar shows while it animates toward Position.
    double ShownPosition() const { return FPositionTemp; }
    bool AnimationInProgress() const;

    void GoToStart() { SetPosition(FMinimum); }
    void GoToEnd() { SetPosition(FMaximum); }
    void GoToValue(double value) { SetPosition(value); }
    void Next() { SetPosition(FPosition + FStep); }
    void Previous() { SetPosition(FPosition - FStep); }
    void Next(double step) { SetPosition(FPosition + step); }
    void Previous(double step) { SetPosition(FPosition - step); }
    // Copies the steps, range, position, animations and appearance of another bar.
    void Assign(const TAdvSplashProgressBar& source);
    // Recolours the appearance's two fills for an appearance style (tsCustom: nothing).
    void SetComponentStyle(TTrackBarStyle style) override;
    // Set while the bar is being designed: it does not animate then (nor while loading).
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool value) { FDesigning = value; }

    // One tick of the 10 ms animation timer.
    void AnimationTick();

    TNotifyEvent OnChange;
    std::function<void(TComponent* sender, double value)> OnPositionChanged;

protected:
    void Paint() override;
    void Resize() override;

private:
    bool Animating() const { return FProgressAnimation && !Designing() && !Loading(); }
    bool Glowing() const { return FGlowAnimation && !Designing() && !Loading(); }
    void AppearanceChanged();
    void PositionChanged(double value) {
        if (OnPositionChanged) OnPositionChanged(this, value);
    }

    double FPositionTo = 0, FPositionTemp = 0;
    TRect FPaintRect;
    bool FDesigning = false;
    int FGlowCount = 3000;
    double FGlowPos = -40;
    std::unique_ptr<TRepeatTimer> FAnimationTimer;
    double FMaximum = 100;
    std::unique_ptr<TGDIPSplashProgress> FAppearance;
    bool FGlowAnimation = false;
    double FMinimum = 0;
    bool FProgressAnimation = false;
    double FStep = 10;
    double FPosition = 0;
};
