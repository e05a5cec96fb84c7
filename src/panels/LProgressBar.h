#pragma once
// The segmented level meter: a column of rectangular segments over the whole panel, in
// three colour zones from top to bottom, each with an unlit and a lit colour. Position
// lights segments from the bottom up. A segment's state is only its colour, and segments
// are found by name ("shape1" at the top to "shapeN" at the bottom) among the meter's own
// components. With one segment in the middle zone it serves as a limiter lamp.
#include "ui/TCustomPanel.h"
#include "ui/TShape.h"

class LProgressBar : public TPanel {
    Q_OBJECT
    Q_PROPERTY(TColor FirstColor READ FirstColor WRITE SetFirstColor)
    Q_PROPERTY(TColor SecondColor READ SecondColor WRITE SetSecondColor)
    Q_PROPERTY(TColor ThirdColor READ ThirdColor WRITE SetThirdColor)
    Q_PROPERTY(int FirstNum READ FirstNum WRITE SetFirstNum)
    Q_PROPERTY(int SecondNum READ SecondNum WRITE SetSecondNum)
    Q_PROPERTY(int ThirdNum READ ThirdNum WRITE SetThirdNum)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(TColor LFirstColor READ LFirstColor WRITE SetLFirstColor)
    Q_PROPERTY(TColor LSecondColor READ LSecondColor WRITE SetLSecondColor)
    Q_PROPERTY(TColor LThirdColor READ LThirdColor WRITE SetLThirdColor)
public:
    explicit LProgressBar(TComponent* owner);

    TColor FirstColor() const { return FFirstColor; }
    TColor SecondColor() const { return FSecondColor; }
    TColor ThirdColor() const { return FThirdColor; }
    TColor LFirstColor() const { return FLFirstColor; }
    TColor LSecondColor() const { return FLSecondColor; }
    TColor LThirdColor() const { return FLThirdColor; }
    int FirstNum() const { return FFirstNum; }
    int SecondNum() const { return FSecondNum; }
    int ThirdNum() const { return FThirdNum; }
    int Position() const { return FPosition; }
    int Max() const { return FMax; }
    int Min() const { return FMin; }

    void SetFirstColor(TColor c) { SetUnlitColor(0, c); }
    void SetSecondColor(TColor c) { SetUnlitColor(1, c); }
    void SetThirdColor(TColor c) { SetUnlitColor(2, c); }
    void SetLFirstColor(TColor c) { SetLitColor(0, c); }
    void SetLSecondColor(TColor c) { SetLitColor(1, c); }
    void SetLThirdColor(TColor c) { SetLitColor(2, c); }
    void SetFirstNum(int v) { SetZoneCount(0, v); }
    void SetSecondNum(int v) { SetZoneCount(1, v); }
    void SetThirdNum(int v) { SetZoneCount(2, v); }
    void SetMax(int v) { FMax = v; }
    void SetMin(int v) { FMin = v; }
    // Lights trunc(position / (Max / N)) segments from the bottom (all at Max and above).
    void SetPosition(int value);

    // Segment k (1-based from the top), or null.
    TShape* Segment(int k) const;
    int SegmentCount() const { return FBuilt; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void Paint() override;

private:
    void SetUnlitColor(int zone, TColor color);
    void SetLitColor(int zone, TColor color);
    void SetZoneCount(int zone, int count);
    int ZoneOf(int k) const;
    TShape* CreateSegment(int k);
    void PlaceSegment(TShape* segment, int index) const;
    // The size check: lays the segments out again when the size changed.
    void CheckSize();

    TColor FFirstColor = clMaroon;
    TColor FSecondColor = clOlive;
    TColor FThirdColor = clGreen;
    int FFirstNum = 1;
    int FSecondNum = 1;
    int FThirdNum = 3;
    int FTotal = 5;
    int FBuilt = 5;
    int FPosition = 0;
    TColor FLFirstColor = clRed;
    TColor FLSecondColor = clYellow;
    TColor FLThirdColor = clLime;
    int FMax = 100;
    int FMin = 0;
    int FLayoutWidth = 14;
    int FLayoutHeight = 132;
};
