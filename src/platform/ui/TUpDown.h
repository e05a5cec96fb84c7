#pragma once
// The framework's spinner: two arrow buttons (up above down) that step a position within
// Min and Max. A click moves the position and raises OnClick with the button pressed.
#include "ui/TCustomControl.h"

enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TComponent* sender, TUDBtnType button)>;

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
    // Held within Min and Max; raises nothing.
    void SetPosition(int value);

    TUDClickEvent OnClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
};
