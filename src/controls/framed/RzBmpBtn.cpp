#include "RzBmpBtn.h"

#include "graphics/DrawText.h"
#include "graphics/GdiDrawing.h"
#include "graphics/RasterOps.h"
#include "ui/ProgramLook.h"
#include "ui/TForm.h"

#include <QResizeEvent>

TBitmap* DownPatternBitmap = nullptr;
int DownPatternUsers = 0;

namespace {

void CreateDownPattern() {
    if (DownPatternBitmap) return;
    DownPatternBitmap = new TBitmap;
    DownPatternBitmap->SetSize(8, 8);
    TCanvas& c = DownPatternBitmap->Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2) c.SetPixel(x, y, clWhite);
}

// Fills the area with the 8 x 8 pattern, aligned to the canvas's origin. Each of the
// pattern's colours is kept readable behind a caption in `text`.
void FillPattern(TCanvas& canvas, const TRect& area, const TBitmap& pattern, TColor text) {
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            const QRgb p = pattern.Image().pixel(((x % 8) + 8) % 8, ((y % 8) + 8) % 8);
            canvas.SetPixel(x, y, ReadableBehind(RGBColor(qRed(p), qGreen(p), qBlue(p)), text));
        }
}

// The colour under the middle of a caption's place.
TColor FaceUnder(const TCanvas& canvas, const TRect& caption) {
    const TColor c = canvas.Pixel((caption.Left + caption.Right) / 2, (caption.Top + caption.Bottom) / 2);
    return c == clNone ? clBtnFace : c;
}

}  // namespace

// ---- TRzButtonBitmaps ----

TRzButtonBitmaps::TRzButtonBitmaps() {
    for (TBitmap* b : {&FUp, &FUpAndFocused, &FDisabled, &FDown, &FStayDown, &FHot}) b->OnChange = [this] { Changed(); };
}

void TRzButtonBitmaps::Changed() {
    if (OnChange) OnChange(this);
}

void TRzButtonBitmaps::SetTransparentColor(TColor color) {
    if (color == FTransparentColor) return;
    FTransparentColor = color;
    Changed();
}

// ---- TRzBmpButton ----

TRzBmpButton::TRzBmpButton(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks);
    SetBounds(0, 0, 80, 30);
    SetColor(clBtnFace);
    SetTabStop(true);
    FBitmaps.OnChange = [this](TRzButtonBitmaps*) { BitmapsChanged(); };
    ++DownPatternUsers;
}

TRzBmpButton::~TRzBmpButton() {
    FBitmaps.OnChange = nullptr;
    if (--DownPatternUsers == 0) {
        delete DownPatternBitmap;
        DownPatternBitmap = nullptr;
    }
}

bool TRzBmpButton::NewStyle() const {
    return FButtonStyle == bsNew || (FButtonStyle == bsAutoDetect && IsWindowsVersionOrLater(wvVista));
}

void TRzBmpButton::SizeToBitmap() {
    if (Loading() || FButtonSize == bszNeither || FBitmaps.Up().Empty()) return;
    if (FButtonSize == bszButtonToBitmap) {
        const int border = FButtonBorder == bbSingle ? 1 : FButtonBorder == bbButton ? (NewStyle() ? 2 : 3) : 0;
        SetBounds(Left(), Top(), FBitmaps.Up().Width() + 2 * border, FBitmaps.Up().Height() + 2 * border);
    }
    Invalidate();
}

void TRzBmpButton::BitmapsChanged() {
    if (FButtonSize == bszButtonToBitmap) SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::Loaded() {
    TCustomControl::Loaded();
    SizeToBitmap();
}

void TRzBmpButton::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    if (event->oldSize() != event->size()) SizeToBitmap();
}

void TRzBmpButton::SetAllowAllUp(bool value) {
    if (value == FLatch.AllowAllUp) return;
    FLatch.AllowAllUp = value;
    UpdateExclusive();
}

void TRzBmpButton::SetButtonBorder(TButtonBorder value) {
    if (value == FButtonBorder) return;
    FButtonBorder = value;
    SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SetButtonSize(TBtnSize value) {
    if (value == FButtonSize) return;
    FButtonSize = value;
    SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SetButtonStyle(TButtonStyle value) {
    if (value == FButtonStyle) return;
    FButtonStyle = value;
    SizeToBitmap();
    Invalidate();
}

void TRzBmpButton::SetCaptionDownOffset(int value) {
    if (value == FCaptionDownOffset) return;
    FCaptionDownOffset = value;
    Invalidate();
}

void TRzBmpButton::SetDown(bool value) {
    if (!FLatch.Accept(value)) return;
    FState = FLatch.Down ? bsExclusive : bsUp;
    Invalidate();
    if (FLatch.Down) UpdateExclusive();
}

void TRzBmpButton::SetGroupIndex(int value) {
    if (value == FLatch.GroupIndex) return;
    FLatch.GroupIndex = value;
    UpdateExclusive();
}

void TRzBmpButton::SetLayout(TButtonLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TRzBmpButton::SetMargin(int value) {
    if (value == FMargin || value < -1) return;
    FMargin = value;
    Invalidate();
}

void TRzBmpButton::SetShowDownPattern(bool value) {
    if (value == FShowDownPattern) return;
    FShowDownPattern = value;
    Invalidate();
}

void TRzBmpButton::SetShowFocus(bool value) {
    if (value == FShowFocus) return;
    FShowFocus = value;
    Invalidate();
}

void TRzBmpButton::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    Invalidate();
}

void TRzBmpButton::SetCaption(const QString& caption) {
    TCustomControl::SetCaption(caption);
    Invalidate();
}

void TRzBmpButton::SetFont(const TFont& font) {
    TCustomControl::SetFont(font);
    Invalidate();
}

void TRzBmpButton::UpdateExclusive() {
    if (!FLatch.Notify(*this, ButtonGroupMessage)) FState = bsUp;
}

void TRzBmpButton::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR) {
        if (Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
            Click();
            message.Result = 1;
        }
        return;
    }
    if (message.Msg != ButtonGroupMessage) return;
    if (FLatch.Receive(message)) {
        FState = bsUp;
        Invalidate();
    }
}

void TRzBmpButton::Click() {
    if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

bool TRzBmpButton::Inside(int x, int y) const {
    // The row just below the button counts as inside, the column to its right does not.
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TRzBmpButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (Enabled() && !Focused() && isVisible()) SetFocus();
    if (shift & ssDouble) {
        if (FLatch.Down && OnDblClick) OnDblClick(this);
    }
    if (button != mbLeft || !Enabled() || !Focused()) return;
    if (!FLatch.Down) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TRzBmpButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!FDragging) return;
    const TButtonState state = Inside(x, y) ? (FLatch.Down ? bsExclusive : bsDown) : (FLatch.Down ? bsExclusive : bsUp);
    if (state != FState) {
        FState = state;
        Repaint();
    }

}

void TRzBmpButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (!FDragging) return;
    FDragging = false;
    const bool click = Inside(x, y);
    UpdateExclusive();
    FinishPress(click);
}

void TRzBmpButton::FinishPress(bool click) {
    if (FLatch.GroupIndex == 0) {
        Repaint();
    } else if (click) {
        SetDown(!FLatch.Down);
        // A latched member without AllowAllUp stays down: draw it latched, not released.
        if (FLatch.Down) FState = bsExclusive;
        Invalidate();
    } else {
        if (FLatch.Down) FState = bsExclusive;
        Repaint();
    }
    if (click) Click();
}

void TRzBmpButton::KeyDown(TKey& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_RETURN) {
        Click();
    } else if (key == VK_SPACE && Enabled() && !FDragging) {
        if (!FLatch.Down) {
            FState = bsDown;
            Repaint();
        }
        FDragging = true;
    }
}

void TRzBmpButton::KeyUp(TKey& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (!FDragging) return;
    FDragging = false;
    FState = bsUp;
    FinishPress(true);
}

void TRzBmpButton::MouseEnter() {
    FMouseOverButton = true;
    TCustomControl::MouseEnter();
    if (!FBitmaps.Hot().Empty()) Invalidate();
}

void TRzBmpButton::MouseLeave() {
    FMouseOverButton = false;
    TCustomControl::MouseLeave();
    if (!FBitmaps.Hot().Empty()) Invalidate();
}

void TRzBmpButton::DoEnter() {
    IsFocused = true;
    Invalidate();
    TCustomControl::DoEnter();
}

void TRzBmpButton::DoExit() {
    IsFocused = false;
    Invalidate();
    TCustomControl::DoExit();
}

const TBitmap* TRzBmpButton::ChoosePicture(TBitmap& embossed) {
    TRzButtonBitmaps& b = FBitmaps;
    const auto present = [](const TBitmap& bitmap) { return !bitmap.Empty(); };
    if (!present(b.Up()) && !(FState == bsDisabled && present(b.Disabled()))) return nullptr;
    switch (FState) {
    case bsUp:
        if (FMouseOverButton && present(b.Hot())) return &b.Hot();
        if (!IsFocused) return &b.Up();
        if (FShowFocus && present(b.UpAndFocused())) return &b.UpAndFocused();
        return &b.Up();
    case bsDisabled: {
        if (present(b.Disabled())) return &b.Disabled();
        // An embossed silhouette of Up: the picture's dark pixels in the shadow colour with
        // a white edge one pixel to the lower right, on the button face.
        const int w = b.Up().Width(), h = b.Up().Height();
        TBitmap mono;
        mono.Assign(b.Up());
        mono.Canvas().Brush.Color = clBlack;
        if (mono.Monochrome()) {
            mono.Canvas().Font.SetColor(clWhite);
            mono.SetMonochrome(false);
            mono.Canvas().Brush.Color = clWhite;
        }
        mono.SetMonochrome(true);
        embossed.SetSize(w, h);
        TCanvas& c = embossed.Canvas();
        c.Brush.Color = clBtnFace;
        c.Brush.Style = bsSolid;
        c.FillRect(Rect(0, 0, w, h));
        c.Brush.Color = clBlack;
        c.Font.SetColor(clWhite);
        BitBlt(c, 1, 1, w, h, mono, 0, 0, MERGEPAINT);
        BitBlt(c, 0, 0, w, h, mono, 0, 0, SRCAND);
        c.Brush.Color = clBtnShadow;
        c.Font.SetColor(clBlack);
        BitBlt(c, 0, 0, w, h, mono, 0, 0, SRCPAINT);
        return &embossed;
    }
    case bsDown: return present(b.Down()) ? &b.Down() : &b.Up();
    case bsExclusive:
        if (present(b.StayDown())) return &b.StayDown();
        return present(b.Down()) ? &b.Down() : &b.Up();
    }
    return nullptr;
}

void TRzBmpButton::LayoutGlyphAndCaption(const TRect& content, const TBitmap* picture, TRect& pictureRect,
                                         TRect& captionRect) const {
    const int W = content.Width(), H = content.Height();
    int gw = 0, gh = 0;
    if (picture && !picture->Empty() && FButtonSize == bszNeither) {
        gw = picture->Width();
        gh = picture->Height();
    }
    TRect measured = Rect(0, 0, W, 0);
    int tw = 0, th = 0;
    if (!Caption().isEmpty()) {
        TCanvas measure;
        measure.Font = Font();
        DrawText(measure, Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
        tw = measured.Width();
        th = measured.Height();
    }
    int gx = 0, gy = 0, tx = 0, ty = 0;
    const bool vertical = FLayout == blGlyphTop || FLayout == blGlyphBottom;
    if (vertical) {
        gx = W / 2 - gw / 2;
        tx = W / 2 - tw / 2;
    } else {
        gy = H / 2 - gh / 2;
        ty = H / 2 - th / 2;
    }
    int spacing = FSpacing, margin = FMargin;
    if (tw == 0 || gw == 0) spacing = 0;
    const int free = vertical ? H : W;
    const int glyph = vertical ? gh : gw, text = vertical ? th : tw;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (free - (glyph + text)) / 3;
            spacing = margin;
        } else {
            margin = free / 2 - (glyph + spacing + text) / 2;
        }
    } else if (spacing == -1) {
        spacing = (free - margin - glyph) / 2 - text / 2;
    }
    switch (FLayout) {
    case blGlyphLeft: gx = margin; tx = margin + gw + spacing; break;
    case blGlyphRight: gx = W - margin - gw; tx = gx - spacing - tw; break;
    case blGlyphTop: gy = margin; ty = margin + gh + spacing; break;
    case blGlyphBottom: gy = H - margin - gh; ty = gy - spacing - th; break;
    }
    captionRect = Rect(content.Left + tx, content.Top + ty, content.Left + tx + tw, content.Top + ty + th);
    if (gw != 0 && gh != 0)
        pictureRect = Rect(content.Left + gx, content.Top + gy, content.Left + gx + gw, content.Top + gy + gh);
    else
        pictureRect = TRect{};
}

void TRzBmpButton::Paint() {
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FLatch.Down ? bsExclusive : bsUp;
    }
    const int w = Width(), h = Height();
    TBitmap offscreen;
    offscreen.SetSize(w, h);
    TCanvas& c = offscreen.Canvas();
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    TRect content = Rect(0, 0, w, h);
    const bool newStyle = NewStyle();
    const int bevel = newStyle ? 1 : 2;
    const bool pressed = FState == bsDown || FState == bsExclusive;

    switch (FButtonBorder) {
    case bbNone:
        // The parent under the button (the framework paused 10 ms here on every paint; that
        // would hold a window of many buttons up for seconds, so it is left out).
        DrawParentBackground(*this, c, false);
        break;
    case bbSingle:
        c.FillRect(content);
        c.Brush.Color = clBlack;
        c.FrameRect(content);
        content = Rect(1, 1, w - 1, h - 1);
        break;
    case bbButton: {
        // A push-button face: a focus ring, then a raised (or pressed) two-ring frame.
        TRect face = content;
        if (IsFocused && FShowFocus) face = PaintSides(c, face, clBlack, clBlack);
        face = pressed ? PaintBevel(c, face, clBtnShadow, clBtnShadow, bevel)
                       : (newStyle ? PaintSides(c, face, clBtnHighlight, cl3DDkShadow)
                                   : PaintButtonFrame(c, face, false));
        c.Brush.Color = clBtnFace;
        c.FillRect(face);
        c.Brush.Color = Color();
        content = Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
        break;
    }
    }

    if (FState == bsExclusive && FButtonBorder != bbNone) {
        const int inset = newStyle ? 2 : 1;
        const TRect area = Rect(content.Left - bevel, content.Top - bevel, content.Right - inset + bevel,
                                content.Bottom - inset + bevel);
        if (FShowDownPattern) {
            CreateDownPattern();
            FillPattern(c, area, *DownPatternBitmap, Font().Color());
        } else {
            c.FillRect(area);
        }
    }

    TBitmap embossed;
    const TBitmap* picture = ChoosePicture(embossed);
    TRect pictureRect, captionRect;
    LayoutGlyphAndCaption(content, picture, pictureRect, captionRect);
    if (picture) {
        const TColor transparent = FBitmaps.TransparentColor();
        const TRect whole = Rect(0, 0, picture->Width(), picture->Height());
        switch (FButtonSize) {
        case bszNeither: DrawMaskedBitmap(c, *picture, pictureRect, transparent, whole); break;
        case bszButtonToBitmap: FitMaskedBitmap(c, *picture, content, transparent, whole); break;
        case bszStretchToButton: StretchMaskedBitmap(c, *picture, content, transparent); break;
        case bszTileToButton: TileMaskedBitmap(c, *picture, content, transparent); break;
        }
    }

    if (!Caption().isEmpty()) {
        c.Font = Font();
        c.Brush.Style = bsClear;
        if (FState == bsDisabled) {
            // One muted colour that reads on the face under the caption (an embossed pair
            // of white and grey smears on a dark face).
            c.Font.SetColor(DisabledTextOn(FaceUnder(c, captionRect)));
            DrawCenteredText(c, Caption(), captionRect);
        } else if (pressed) {
            const int d = FCaptionDownOffset;
            DrawCenteredText(c, Caption(), Rect(captionRect.Left + d, captionRect.Top + d, captionRect.Right + d,
                                                captionRect.Bottom + d));
        } else {
            DrawCenteredText(c, Caption(), captionRect);
        }
        c.Brush.Style = bsSolid;
    }

    if (IsFocused && FShowFocus && !Caption().isEmpty())
        ProgramLook::PaintFocusFrame(
            c, Rect(captionRect.Left - 2, captionRect.Top - 2, captionRect.Right + 2, captionRect.Bottom + 2));

    Canvas().CopyRect(Rect(0, 0, w, h), c, Rect(0, 0, w, h));
}
