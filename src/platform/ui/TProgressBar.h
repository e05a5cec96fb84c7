#pragma once
// The framework's progress bar: a sunken track filled from the left in proportion to
// Position between Min and Max, as one smooth bar or in blocks. Position is kept within
// Min..Max.
#include "ui/TCustomControl.h"

class TProgressBar : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool Smooth READ Smooth WRITE SetSmooth)
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool smooth);
    // The colours of the filled part and of the track (clDefault: the system's).
    TColor BarColor() const { return FBarColor; }
    void SetBarColor(TColor color);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor color);

protected:
    void EraseBackground(TCanvas& canvas) override { Q_UNUSED(canvas); }
    void Paint() override;

private:
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    bool FSmooth = false;
    TColor FBarColor = clDefault;
    TColor FBackgroundColor = clDefault;
};
