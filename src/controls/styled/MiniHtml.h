#pragma once
// The mini-HTML text renderer: measures and draws a small HTML text (fonts, bold, italic,
// underline, colours, anchors, pictures, bullets, paragraphs, line breaks, a few entities)
// into a rectangle of a drawing-layer surface, wrapping at blanks, and reports the text's
// size, its anchors and what lies under a test point. No state is kept between calls.
#include "AdvGDIP.h"
#include "GDIPPictureContainer.h"

#include "graphics/TFont.h"
#include "graphics/TImageList.h"
#include "graphics/Types.h"

#include <QPoint>
#include <QString>

// One call: the inputs, then the outputs it fills.
struct THtmlRender {
    TFont Font;                 // base font (copied)
    QString Text;
    int LineSpacing = 0;        // added below a line when more text follows
    TGDIPPictureContainer* Pictures = nullptr;
    const TImageList* Images = nullptr;  // source of the "IDX:n" pictures
    TColor ShadowColor = clGray;
    TColor HoverFontColor = clNone;
    TColor HoverColor = clNone;
    TColor URLColor = clBlue;
    double IconScale = 1.0;
    bool WordWrap = true;
    bool HoverStyle = false;
    bool Blink = true;
    bool Selected = false;
    bool Print = false;
    bool MeasureOnly = false;
    bool HitTestOnly = false;
    int ShadowOffset = 0;
    int HoverLink = -1;
    int FocusLink = -1;
    QPoint TestPoint;
    TRect Rect;

    TRect HoverRect;
    int MouseLink = -1;
    int AnchorCount = 0;
    int Height = 0;             // total height + 2
    int Width = 0;              // widest line + 2
    QString FocusAnchor;
    QString PlainText;
    QString Anchor;
};

// Measures and (unless MeasureOnly) draws; true when the test point lies on an anchor.
bool RenderHtmlText(TGPGraphics* graphics, THtmlRender& html);

// A colour attribute value: "#RRGGBB" (missing digits count 0) or a colour name such as
// "clWhite" (letter case ignored); unknown names give black.
TColor HtmlColor(const QString& value);
// A number attribute value: leading blanks skipped, "$" or "0x" hexadecimal, the leading
// digits only, held within +-100000; 0 without digits.
int HtmlNumber(const QString& value);
