#include "LProgressBar.h"

#include <cmath>

namespace {

QString SegmentName(int k) { return QStringLiteral("shape%1").arg(k); }

}  // namespace

LProgressBar::LProgressBar(TComponent* owner) : TPanel(owner) {
    SetBevelInner(bvLowered);
    SetBevelOuter(bvLowered);
    SetBounds(Left(), Top(), 14, 132);
    SetColor(clBlack);
    FLayoutWidth = 14;
    FLayoutHeight = 132;
    for (int i = 0; i < FTotal; ++i) CreateSegment(i + 1);
}

TShape* LProgressBar::Segment(int k) const { return dynamic_cast<TShape*>(FindComponent(SegmentName(k))); }

int LProgressBar::ZoneOf(int k) const {
    if (k <= FFirstNum) return 0;
    if (k <= FFirstNum + FSecondNum) return 1;
    return 2;
}

void LProgressBar::PlaceSegment(TShape* segment, int index) const {
    // A meter without segments lays nothing out (and divides by nothing).
    if (FTotal <= 0) return;
    const int w = Width(), h = Height();
    const int top = int(std::trunc(double(h) / FTotal * index)) - 1;
    segment->SetBounds(0, top, w, h / FTotal + 2);
}

TShape* LProgressBar::CreateSegment(int k) {
    auto* segment = new TShape(this);
    PlaceSegment(segment, k - 1);
    segment->SetName(SegmentName(k));
    const TColor unlit[] = {FFirstColor, FSecondColor, FThirdColor};
    segment->SetBrushColor(unlit[ZoneOf(k)]);
    segment->SetParent(this);
    return segment;
}

void LProgressBar::SetPosition(int value) {
    if (value == FPosition) return;
    FPosition = value > FMax ? FMax : value < FMin ? FMin : value;
    const int n = FBuilt;
    if (n <= 0) return;
    const float step = float(double(FMax) / n);
    double quotient = double(FPosition) / double(step);
    int lit = std::isfinite(quotient) ? int(std::clamp(std::trunc(quotient), -1.0e9, 1.0e9)) : 0;
    if (lit > n) lit = n;
    if (value >= FMax && lit < n) ++lit;
    for (int j = 0; j < lit; ++j) {
        if (TShape* s = Segment(n - j)) {
            const TColor c = s->Brush().Color;
            if (c == FFirstColor) s->SetBrushColor(FLFirstColor);
            else if (c == FSecondColor) s->SetBrushColor(FLSecondColor);
            else if (c == FThirdColor) s->SetBrushColor(FLThirdColor);
        }
    }
    for (int j = 0; j < n - lit; ++j) {
        if (TShape* s = Segment(j + 1)) {
            const TColor c = s->Brush().Color;
            if (c == FLFirstColor) s->SetBrushColor(FFirstColor);
            else if (c == FLSecondColor) s->SetBrushColor(FSecondColor);
            else if (c == FLThirdColor) s->SetBrushColor(FThirdColor);
        }
    }
}

void LProgressBar::SetZoneCount(int zone, int v) {
    int* counts[] = {&FFirstNum, &FSecondNum, &FThirdNum};
    if (v == *counts[zone]) return;
    const int b = FBuilt;
    int newCounts[] = {FFirstNum, FSecondNum, FThirdNum};
    newCounts[zone] = v;
    const int total = newCounts[0] + newCounts[1] + newCounts[2];
    FTotal = total;
    // The zone's old last index.
    const int e = zone == 0 ? FFirstNum : zone == 1 ? FFirstNum + FSecondNum : b;
    if (total > b) {
        const int d = total - b;
        // The segments below the zone move down first, bottom one first.
        for (int k = b; k > e; --k)
            if (TShape* s = Segment(k)) s->SetName(SegmentName(k + d));
        for (int k = e + 1; k <= e + d; ++k) CreateSegment(k);
    } else if (total < b) {
        const int d = b - total;
        for (int k = e; k > e - d; --k) delete Segment(k);
        for (int k = e + 1; k <= b; ++k)
            if (TShape* s = Segment(k)) s->SetName(SegmentName(k - d));
    }
    *counts[zone] = v;
    FBuilt = total;
    const TColor unlit[] = {FFirstColor, FSecondColor, FThirdColor};
    for (int k = 1; k <= total; ++k)
        if (TShape* s = Segment(k)) {
            PlaceSegment(s, k - 1);
            s->SetBrushColor(unlit[ZoneOf(k)]);
        }
}

void LProgressBar::SetUnlitColor(int zone, TColor color) {
    TColor* colors[] = {&FFirstColor, &FSecondColor, &FThirdColor};
    if (color == *colors[zone]) return;
    *colors[zone] = color;
    for (int k = 1; k <= FBuilt; ++k)
        if (ZoneOf(k) == zone)
            if (TShape* s = Segment(k)) s->SetBrushColor(color);
}

void LProgressBar::SetLitColor(int zone, TColor color) {
    TColor* colors[] = {&FLFirstColor, &FLSecondColor, &FLThirdColor};
    if (color == *colors[zone]) return;
    for (int k = 1; k <= FBuilt; ++k)
        if (ZoneOf(k) == zone)
            if (TShape* s = Segment(k); s && s->Brush().Color == *colors[zone]) s->SetBrushColor(color);
    *colors[zone] = color;
}

void LProgressBar::CheckSize() {
    if (FLayoutWidth == 0 || (Width() == FLayoutWidth && Height() == FLayoutHeight)) return;
    FLayoutWidth = Width();
    FLayoutHeight = Height();
    for (int k = 1; k <= FBuilt; ++k)
        if (TShape* s = Segment(k)) PlaceSegment(s, k - 1);
}

void LProgressBar::resizeEvent(QResizeEvent* event) {
    TPanel::resizeEvent(event);
    update();  // the size check follows at the next paint
}

void LProgressBar::Paint() {
    TPanel::Paint();
    CheckSize();
}
