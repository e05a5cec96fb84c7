#pragma once
// The custom-control base of the styled controls: a self-drawn windowed control (the
// platform's, which brings the canvas, focus, keys, wheel and mouse capture) that leaves
// undrawn pixels transparent so the parent shows through, takes the focus on a click and
// from Tab, follows the pointer without a button held, and knows whether it is being
// designed. The repeat timer of the controls' auto-repeat and animations comes with it.
#include "timer/TRepeatTimer.h"
#include "ui/TCustomControl.h"
#include "ui/VirtualKeys.h"

using Word = unsigned short;

class TStyledControl : public TCustomControl {
    Q_OBJECT
public:
    explicit TStyledControl(TComponent* owner);

    bool DoubleBuffered() const { return true; }
    // Set while the control is being designed: setters repaint but raise no events.
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool value) { FDesigning = value; }
    // Set between Updating and Updated while code changes several properties at once.
    bool IsUpdating() const { return FUpdating; }
    void Updating() { FUpdating = true; }
    void Updated() { FUpdating = false; }
    // Runs once after the layout has set the properties.
    using TCustomControl::Loaded;
    void InvalidateRect(const QRect& r) { update(r); }
    void InvalidateRegion(const QRegion& r) { update(r); }

protected:
    // Nothing is erased: the canvas starts each paint transparent.
    void EraseBackground(TCanvas& canvas) override { Q_UNUSED(canvas); }

private:
    bool FDesigning = false;
    bool FUpdating = false;
};
