#pragma once
// The program's own dark look for everything the windows leave to the toolkit: one style
// and one dark palette for pop-up lists, menus, context menus, progress bars, scroll bars,
// tool tips and focus frames, so that no light default shows through. Applied once at start.
// No application style sheet: it would take over the palettes the controls set themselves.
#include "graphics/ColorContrast.h"

#include <QColor>

class QApplication;
class TCanvas;
struct TRect;

namespace ProgramLook {

// The look's colours (the main window's dark faces and its menu bar's colours).
inline constexpr QColor kFace{35, 38, 44};
inline constexpr QColor kField{27, 29, 34};
inline constexpr QColor kText{222, 226, 232};
inline constexpr QColor kDisabledText{120, 127, 138};
inline constexpr QColor kBorder{58, 64, 73};
inline constexpr QColor kHighlight{47, 74, 102};
inline constexpr QColor kFocus{86, 156, 214};

// The style and the dark palette, on the application that exists. Edit fields get no
// toolkit context menu: the windows define none.
void Apply(QApplication& app);

// A colour as a control draws it on `face`: on a dark face the light system colours
// (highlights, 3-D lights, window and button faces) and the text system colours take the
// dark palette's counterparts, so no white bevel or groove glares; RGB colours and every
// colour on a light face stay as they are.
TColor OnFace(TColor color, TColor face);

// The look's focus frame, in place of a dotted focus rectangle: one solid line in the
// focus colour just inside `rect`.
void PaintFocusFrame(TCanvas& canvas, const TRect& rect);

}  // namespace ProgramLook
