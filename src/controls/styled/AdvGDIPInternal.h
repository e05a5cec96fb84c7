#pragma once
// Helpers shared by the antialiased drawing layer's sources: unit scale and rectangle conversion.
#include "AdvGDIP.h"

#include <QRectF>

// Pixels per unit of each measuring unit at 96 pixels per inch.
inline double PixelsPerUnit(Unit_ unit) {
    switch (unit) {
    case UnitPoint: return 96.0 / 72.0;
    case UnitInch: return 96.0;
    case UnitDocument: return 96.0 / 300.0;
    case UnitMillimeter: return 96.0 / 25.4;
    default: return 1.0;
    }
}

inline QRectF QRectOf(const TGPRectF& r) { return QRectF(r.X, r.Y, r.Width, r.Height); }
