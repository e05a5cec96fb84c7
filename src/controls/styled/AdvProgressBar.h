#pragma once
// A window-less progress bar that changes colour by level (green, yellow, orange, red at
// 100 %), drawn as separated blocks or one smooth bar with a two-sided gradient across its
// thickness and a centred percentage; repaints at once when Position changes.
#include "graphics/TBitmap.h"
#include "graphics/TFont.h"
#include "timer/TTimer.h"
#include "ui/TGraphicControl.h"

#include <QString>
#include "StyledProperty.h"

enum TGaugeOrientation { goHorizontal, goVertical };

// What the painter needs of the bar.
struct TGaugeSettings {
    TColor Level0Color, Level0ColorTo, Level1Color, Level1ColorTo, Level2Color, Level2ColorTo, Level3Color,
        Level3ColorTo;
    int Level1Perc, Level2Perc;
    TColor BorderColor, Level0BkColor, Level1BkColor, Level2BkColor;
    bool ShowBorder, Stacked, ShowPercentage, ShowPosition;
    TFont Font;
    bool CompletionSmooth, ShowGradient;
    int Steps;
    int Position;  // the percentage
    int Value;     // the raw position
    int Max;
    TColor BackgroundColor;
    TGaugeOrientation Orientation;
    bool Rounded;
    QString Format;
    bool Infinite;
    int InfinitePos;
};

// Paints the gauge into r of a canvas.
void DrawGauge(TCanvas& canvas, const TRect& r, TGaugeSettings s);
// The text a gauge shows: the format with the value and the maximum, else the percentage or
// the value.
QString GaugeText(const TGaugeSettings& s);
// Fills r with `steps` strips from colour a to b across the thickness (rows when !vertical).
void DrawStepGradient(TCanvas& canvas, TColor a, TColor b, bool vertical, const TRect& r, int steps);

class TAdvProgressBar : public TGraphicControl {
    Q_OBJECT
public:
    explicit TAdvProgressBar(TComponent* owner);
    ~TAdvProgressBar() override;

    int Position() const { return FPosition; }
    // In range: stores and repaints at once when the block or the percentage changes;
    // outside: clamps without repainting.
    void SetPosition(int value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    // The percentage shown: round(Position / (Max - Min) x 100), Position not offset by Min.
    int Percentage() const;

#define Q7K_GAUGE_PROP(Type, Name) Q7K_STYLED_PROPERTY(Type, Name, Invalidate())
    Q7K_GAUGE_PROP(TColor, Level0Color)
    Q7K_GAUGE_PROP(TColor, Level0ColorTo)
    Q7K_GAUGE_PROP(TColor, Level1Color)
    Q7K_GAUGE_PROP(TColor, Level1ColorTo)
    Q7K_GAUGE_PROP(TColor, Level2Color)
    Q7K_GAUGE_PROP(TColor, Level2ColorTo)
    Q7K_GAUGE_PROP(TColor, Level3Color)
    Q7K_GAUGE_PROP(TColor, Level3ColorTo)
    Q7K_GAUGE_PROP(int, Level1Perc)
    Q7K_GAUGE_PROP(int, Level2Perc)
    Q7K_GAUGE_PROP(TColor, BorderColor)
    Q7K_GAUGE_PROP(bool, ShowBorder)
    Q7K_GAUGE_PROP(bool, Stacked)
    Q7K_GAUGE_PROP(bool, ShowPercentage)
    Q7K_GAUGE_PROP(bool, CompletionSmooth)
    Q7K_GAUGE_PROP(bool, ShowGradient)
    Q7K_GAUGE_PROP(int, Steps)
    Q7K_GAUGE_PROP(TColor, BackgroundColor)
    Q7K_GAUGE_PROP(TGaugeOrientation, Orientation)
    Q7K_GAUGE_PROP(bool, ShowPosition)
    Q7K_GAUGE_PROP(bool, Rounded)
    Q7K_GAUGE_PROP(QString, Format)
#undef Q7K_GAUGE_PROP
    TColor Level0BkColor() const { return FLevel0BkColor; }
    void SetLevel0BkColor(TColor value);
    TColor Level1BkColor() const { return FLevel1BkColor; }
    void SetLevel1BkColor(TColor value);
    TColor Level2BkColor() const { return FLevel2BkColor; }
    void SetLevel2BkColor(TColor value);
    void SetFont(const TFont& font) override;
    bool Infinite() const { return FInfinite; }
    void SetInfinite(bool value);
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool value);
    int InfiniteInterval() const { return FInfiniteInterval; }
    void SetInfiniteInterval(int value);
    int InfinitePos() const { return FInfinitePos; }
    // One step of the moving block (the animation timer's handler).
    void InfiniteTimerTick();
    bool TimerRunning() const { return FTimer.GetEnabled(); }
    QString Version() const { return QStringLiteral("1.2.0.1"); }
    void SetVersion(const QString&) {}
    // The text the bar shows now.
    QString PositionText() const;

protected:
    void Paint() override;

private:
    void UpdateTimer();
    TGaugeSettings Settings() const;

    TColor FLevel0Color = 65280, FLevel0ColorTo = 14811105;
    TColor FLevel1Color = 65535, FLevel1ColorTo = 13303807;
    TColor FLevel2Color = 5483007, FLevel2ColorTo = 11064319;
    TColor FLevel3Color = 255, FLevel3ColorTo = 13290239;
    int FLevel1Perc = 70, FLevel2Perc = 90;
    TColor FBorderColor = clGray;
    bool FShowBorder = true, FStacked = false, FShowPercentage = true;
    bool FCompletionSmooth = false, FShowGradient = true;
    int FSteps = 8;
    int FPosition = 50;
    TColor FBackgroundColor = clWhite;
    TGaugeOrientation FOrientation = goHorizontal;
    bool FShowPosition = true;
    int FMin = 0, FMax = 100;
    int FMaxIncrement = 1;
    bool FRounded = true;
    QString FFormat;
    bool FAnimated = false, FInfinite = false;
    int FInfinitePos = 0;
    bool FInfiniteInc = false;
    int FInfiniteInterval = 50;
    int FOldBlockPos = 0, FOldPos = 0;
    TTimer FTimer;
    TColor FLevel0BkColor = clNone, FLevel1BkColor = clNone, FLevel2BkColor = clNone;
};
