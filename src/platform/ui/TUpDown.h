#pragma once
// The framework's spinner: two arrow buttons (up above down) that step a position within
// Min and Max. Before the position changes, by a click or from code, OnChangingEx is raised
// with the new value (a click at either end passes the value beyond it); a handler that
// clears AllowChange keeps the old position. A click that moved the position then raises
// OnClick with the button pressed.
#include "ui/TCustomControl.h"

enum TUDBtnType { btNext, btPrev };
enum TUpDownDirection { updNone, updUp, updDown };
using TUDClickEvent = std::function<void(TComponent* sender, TUDBtnType button)>;
using TUDChangingEventEx =
    std::function<void(TComponent* sender, bool& allowChange, short newValue, TUpDownDirection direction)>;

class TUpDown : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
public:
    explicit TUpDown(TComponent* owner);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    // A value different from the position raises OnChangingEx first; the stored position is
    // held within Min and Max.
    void SetPosition(int value);

    TUDClickEvent OnClick;
    TUDChangingEventEx OnChangingEx;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // Raises OnChangingEx for `value` and stores it (clamped) unless the handler refused.
    void ChangeTo(int value, TUpDownDirection direction);
    void Store(int value);

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
};
