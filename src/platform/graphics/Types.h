#pragma once
// Points and rectangles as the drawing calls take them: a rectangle's right and bottom edges
// are exclusive.
#include <QPoint>
#include <QRect>

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Whether (x, y) lies inside, the right and bottom edges excluded.
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const TRect&) const = default;
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
};

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
