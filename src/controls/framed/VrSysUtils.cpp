#include "VrSysUtils.h"

#include "graphics/ColorContrast.h"
#include "graphics/DrawText.h"

void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    --rect.Right;
    --rect.Bottom;
    for (int i = 0; i < width; ++i) {
        canvas.Pen.Color = topColor;
        canvas.MoveTo(rect.Left, rect.Bottom);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right, rect.Top);
        canvas.Pen.Color = bottomColor;
        canvas.LineTo(rect.Right, rect.Bottom);
        canvas.LineTo(rect.Left - 1, rect.Bottom);
        ++rect.Left;
        ++rect.Top;
        --rect.Right;
        --rect.Bottom;
    }
    ++rect.Right;
    ++rect.Bottom;
}

void CalcImageTextLayout(TCanvas& canvas, const TRect& rect, const QString& caption, TVrImageTextLayout layout,
                         int margin, int spacing, TPoint imageSize, TPoint& imagePos, TRect& textBounds) {
    const TPoint client = Point(rect.Width(), rect.Height());
    TPoint textSize;
    if (caption.isEmpty()) {
        textBounds = TRect{};
    } else {
        textBounds = Rect(0, 0, client.X, 0);
        DrawText(canvas, caption, textBounds, DT_CALCRECT);
        textSize = Point(textBounds.Width(), textBounds.Height());
    }
    TPoint textPos;
    const bool horizontal = layout == ImageLeft || layout == ImageRight;
    if (horizontal) {
        imagePos.Y = (client.Y - imageSize.Y + 1) / 2;
        textPos.Y = (client.Y - textSize.Y + 1) / 2;
    } else {
        imagePos.X = (client.X - imageSize.X + 1) / 2;
        textPos.X = (client.X - textSize.X + 1) / 2;
    }
    if (textSize.X == 0 || imageSize.X == 0) spacing = 0;
    const int length = horizontal ? client.X : client.Y;
    const int image = horizontal ? imageSize.X : imageSize.Y;
    const int text = horizontal ? textSize.X : textSize.Y;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (length - image - text) / 3;
            spacing = margin;
        } else {
            margin = (length - (image + spacing + text) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((length - margin - image) - text) / 2;
    }
    switch (layout) {
    case ImageLeft:
        imagePos.X = margin;
        textPos.X = imagePos.X + imageSize.X + spacing;
        break;
    case ImageRight:
        imagePos.X = client.X - margin - imageSize.X;
        textPos.X = imagePos.X - spacing - textSize.X;
        break;
    case ImageTop:
        imagePos.Y = margin;
        textPos.Y = imagePos.Y + imageSize.Y + spacing;
        break;
    case ImageBottom:
        imagePos.Y = client.Y - margin - imageSize.Y;
        textPos.Y = imagePos.Y - spacing - textSize.Y;
        break;
    }
    imagePos = Point(imagePos.X + rect.Left, imagePos.Y + rect.Top);
    const int dx = rect.Left + textPos.X, dy = rect.Top + textPos.Y;
    textBounds = Rect(textBounds.Left + dx, textBounds.Top + dy, textBounds.Right + dx, textBounds.Bottom + dy);
}

void DrawButtonCaption(TCanvas& canvas, const QString& caption, const TRect& textBounds, bool enabled) {
    canvas.Brush.Style = bsClear;
    TRect r = textBounds;
    if (enabled) {
        DrawText(canvas, caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    // One muted colour that reads on the face under the caption, not an embossed pair.
    const TColor color = canvas.Font.Color();
    const TColor face = canvas.Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    canvas.Font.SetColor(DisabledTextOn(face == clNone ? clBtnFace : face));
    DrawText(canvas, caption, r, 0);
    canvas.Font.SetColor(color);
}

void TileBitmap(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap& source = const_cast<TBitmap&>(bitmap);
    for (int x = rect.Left; x < rect.Right; x += w)
        for (int y = rect.Top; y < rect.Bottom; y += h) canvas.CopyRect(Rect(x, y, x + w, y + h), source.Canvas(), Rect(0, 0, w, h));
}

unsigned TextAlignmentFormat(TVrTextAlignment alignment) {
    switch (alignment) {
    case vtaLeft: return DT_LEFT | DT_VCENTER;
    case vtaCenter: return DT_CENTER | DT_VCENTER;
    case vtaRight: return DT_RIGHT | DT_VCENTER;
    case vtaTopLeft: return DT_LEFT | DT_TOP;
    case vtaTop: return DT_CENTER | DT_TOP;
    case vtaTopRight: return DT_RIGHT | DT_TOP;
    case vtaBottomLeft: return DT_LEFT | DT_BOTTOM;
    case vtaBottom: return DT_CENTER | DT_BOTTOM;
    case vtaBottomRight: return DT_RIGHT | DT_BOTTOM;
    }
    return DT_CENTER | DT_VCENTER;
}
