#include "RzPanel.h"

#include "ChangedWriter.h"
#include "RzOldPropReader.h"
#include "RzPanelDockManager.h"

#include "graphics/ColorContrast.h"
#include "graphics/DrawText.h"

#include <QCursor>
#include <QResizeEvent>

// ---- TRzCustomPanel ----

TRzCustomPanel::TRzCustomPanel(TComponent* owner) : TCustomPanel(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
}

TRzCustomPanel::~TRzCustomPanel() {
    SwitchFrameController(FFrameController, nullptr, this);
}

void TRzCustomPanel::Rearranged() {
    Realign();
    Invalidate();
}

// Writers that store a changed value and repaint.
#define Q7K_REPAINT_WRITER(Class, Name, Type, Field) Q7K_CHANGED_WRITER(Class, Name, Type, Field, Invalidate())

Q7K_REPAINT_WRITER(TRzCustomPanel, AlignmentVertical, TAlignmentVertical, FAlignmentVertical)
Q7K_REPAINT_WRITER(TRzCustomPanel, BorderColor, TColor, FBorderColor)
Q7K_REPAINT_WRITER(TRzCustomPanel, BorderHighlight, TColor, FBorderHighlight)
Q7K_REPAINT_WRITER(TRzCustomPanel, BorderShadow, TColor, FBorderShadow)
Q7K_REPAINT_WRITER(TRzCustomPanel, FlatColor, TColor, FFlatColor)
Q7K_REPAINT_WRITER(TRzCustomPanel, FlatColorAdjustment, int, FFlatColorAdjustment)
Q7K_REPAINT_WRITER(TRzCustomPanel, GradientColorStyle, TRzGradientColorStyle, FGradientColorStyle)
Q7K_REPAINT_WRITER(TRzCustomPanel, GridColor, TColor, FGridColor)
Q7K_REPAINT_WRITER(TRzCustomPanel, GridStyle, TRzGridStyle, FGridStyle)
Q7K_REPAINT_WRITER(TRzCustomPanel, GridXSize, int, FGridXSize)
Q7K_REPAINT_WRITER(TRzCustomPanel, GridYSize, int, FGridYSize)
Q7K_REPAINT_WRITER(TRzCustomPanel, PaintClientArea, bool, FPaintClientArea)
Q7K_REPAINT_WRITER(TRzCustomPanel, ShowGrid, bool, FShowGrid)
Q7K_REPAINT_WRITER(TRzCustomPanel, TextMargin, int, FTextMargin)
Q7K_REPAINT_WRITER(TRzCustomPanel, TextMarginVertical, int, FTextMarginVertical)
Q7K_REPAINT_WRITER(TRzCustomPanel, WordWrap, bool, FWordWrap)
Q7K_REPAINT_WRITER(TRzCustomPanel, VisualStyle, TRzVisualStyle, FVisualStyle)

#undef Q7K_REPAINT_WRITER

void TRzCustomPanel::SetBorderInner(TFrameStyleEx value) {
    if (value == FBorderInner) return;
    FBorderInner = value;
    Rearranged();
}

void TRzCustomPanel::SetBorderOuter(TFrameStyleEx value) {
    if (value == FBorderOuter) return;
    FBorderOuter = value;
    Rearranged();
}

void TRzCustomPanel::SetBorderSides(TSides value) {
    if (value == FBorderSides) return;
    FBorderSides = value;
    Rearranged();
}

void TRzCustomPanel::SetGradientColorStart(TColor value) {
    if (value == FGradientColorStart) return;
    FGradientColorStart = value;
    Invalidate();
    InvalidateTransparentChildren(*this);
}

void TRzCustomPanel::SetGradientColorStop(TColor value) {
    if (value == FGradientColorStop) return;
    FGradientColorStop = value;
    Invalidate();
    InvalidateTransparentChildren(*this);
}

void TRzCustomPanel::SetGradientDirection(TGradientDirection value) {
    if (value == FGradientDirection) return;
    FGradientDirection = value;
    Invalidate();
    InvalidateTransparentChildren(*this);
}

void TRzCustomPanel::SetShowDockClientCaptions(bool value) {
    if (value == FShowDockClientCaptions) return;
    FShowDockClientCaptions = value;
    Invalidate();
}

void TRzCustomPanel::SetDockSite(bool dockSite) {
    TCustomPanel::SetDockSite(dockSite);
    CreateDockManager();
}

void TRzCustomPanel::SetUseDockManager(bool use) {
    TCustomPanel::SetUseDockManager(use);
    CreateDockManager();
}

void TRzCustomPanel::CreateDockManager() {
    if (DockSite() && UseDockManager() && !FDockManager) FDockManager = std::make_unique<TRzPanelDockManager>(*this);
}

void TRzCustomPanel::SetGridSize(int xSize, int ySize) {
    SetGridXSize(xSize);
    SetGridYSize(ySize);
}

void TRzCustomPanel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TRzCustomPanel::SetFrameController(TRzFrameController* value) {
    SwitchFrameController(FFrameController, value, this);
}

void TRzCustomPanel::SetCaption(const QString& caption) {
    TCustomPanel::SetCaption(caption);
    Invalidate();
}

void TRzCustomPanel::SetFont(const TFont& font) {
    TCustomPanel::SetFont(font);
    Realign();
    Invalidate();
}

void TRzCustomPanel::SetBounds(int left, int top, int width, int height) {
    // Bottom- and right-aligned panels keep their bottom and right edges.
    if (Align() == alBottom && height != Height()) top = Top() + Height() - height;
    if (Align() == alRight && width != Width()) left = Left() + Width() - width;
    TCustomPanel::SetBounds(left, top, width, height);
}

int TRzCustomPanel::BorderSize(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
    }
}

void TRzCustomPanel::AdjustRectForBorders(TRect& rect, bool includeBorderWidth) const {
    if (includeBorderWidth) {
        rect.Left += BorderWidth();
        rect.Top += BorderWidth();
        rect.Right -= BorderWidth();
        rect.Bottom -= BorderWidth();
    }
    const int by = BorderSize(FBorderOuter, BevelWidth()) + BorderSize(FBorderInner, BevelWidth());
    if (FBorderSides & sdLeft) rect.Left += by;
    if (FBorderSides & sdTop) rect.Top += by;
    if (FBorderSides & sdRight) rect.Right -= by;
    if (FBorderSides & sdBottom) rect.Bottom -= by;
}

TRect TRzCustomPanel::GetClientRect() const {
    TRect r = TCustomPanel::GetClientRect();
    if (!DockSite()) AdjustRectForBorders(r, false);
    return r;
}

void TRzCustomPanel::AdjustClientRect(TRect& rect) {
    TCustomPanel::AdjustClientRect(rect);
    if (DockSite()) AdjustRectForBorders(rect, false);
}

void TRzCustomPanel::GetCursorClientPos(TPoint& point) const {
    const QPoint p = mapFromGlobal(QCursor::pos());
    point = Point(p.x(), p.y());
}

void TRzCustomPanel::GetGradientColors(TColor& start, TColor& stop) const {
    if (FGradientColorStyle == gcsCustom) {
        start = FGradientColorStart;
        stop = FGradientColorStop;
    } else {
        GetGradientColorPair(FGradientColorStyle, start, stop);
    }
}

void TRzCustomPanel::GetFrameColors(TColor& color, int& adjustment) const {
    if (FVisualStyle == vsGradient && FGradientColorStyle != gcsCustom) {
        color = GetGradientFrameColor(FGradientColorStyle);
        adjustment = 0;
    } else {
        color = FFlatColor;
        adjustment = FFlatColorAdjustment;
    }
}

void TRzCustomPanel::EraseBackground(TCanvas& canvas) {
    if (FTransparent && FPaintClientArea)
        DrawParentBackground(*this, canvas, true);
    else
        TCustomPanel::EraseBackground(canvas);
}

void TRzCustomPanel::Paint() {
    TCanvas& c = Canvas();
    const TRect area = GetControlArea();
    TColor flat;
    int adjustment;
    GetFrameColors(flat, adjustment);
    const TInnerOuterBorders b = BordersOf(*this, flat, adjustment, FTransparent);
    TRect face = PaintInnerOuterBorders(c, area, b);

    if (!FTransparent && FPaintClientArea) {
        const bool rounded = (FBorderOuter == fsFlatRounded && FBorderInner == fsNone && BorderWidth() == 0) ||
                             FBorderInner == fsFlatRounded;
        TRect f = face;
        if (rounded) {
            if (FBorderSides & sdLeft) --f.Left;
            if (FBorderSides & sdTop) --f.Top;
            if (FBorderSides & sdRight) ++f.Right;
            if (FBorderSides & sdBottom) ++f.Bottom;
        }
        if (FVisualStyle == vsGradient) {
            TColor start, stop;
            GetGradientColors(start, stop);
            FillGradient(c, f, FGradientDirection, start, stop, 1);
        } else {
            c.Brush.Color = Color();
            c.Brush.Style = bsSolid;
            c.FillRect(f);
        }
        if (rounded) {
            // The cut corners keep the frame's colour.
            const TColor corner = AdjustColor(flat, adjustment);
            const TSides s = FBorderSides;
            if ((s & sdLeft) && (s & sdTop)) c.SetPixel(f.Left, f.Top, corner);
            if ((s & sdTop) && (s & sdRight)) c.SetPixel(f.Right - 1, f.Top, corner);
            if ((s & sdRight) && (s & sdBottom)) c.SetPixel(f.Right - 1, f.Bottom - 1, corner);
            if ((s & sdBottom) && (s & sdLeft)) c.SetPixel(f.Left, f.Bottom - 1, corner);
        }
    }
    if (FShowGrid) DrawGrid(face);
    c.Brush.Style = bsClear;
    DrawCaption(face);
    c.Brush.Style = bsSolid;
    if (FDockManager) FDockManager->PaintSite(c);
    if (OnPaint) OnPaint(this);
}

void TRzCustomPanel::DrawCaption(const TRect& rect) {
    if (Caption().isEmpty()) return;
    TCanvas& c = Canvas();
    c.Font = Font();
    TRect r = Rect(rect.Left + FTextMargin, rect.Top + FTextMarginVertical, rect.Right - FTextMargin,
                   rect.Bottom - FTextMarginVertical);
    unsigned flags = Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
    if (FWordWrap) flags |= DT_WORDBREAK;
    flags |= DT_EXPANDTABS | DT_VCENTER;
    TRect measured = r;
    const int t = DrawText(c, Caption(), measured, flags | DT_CALCRECT);
    switch (FAlignmentVertical) {
    case avTop: r.Bottom = std::min(r.Bottom, r.Top + t); break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - t) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + t);
        break;
    case avBottom: r.Top = std::max(r.Top, r.Bottom - t - 1); break;
    }
    if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
    DrawText(c, Caption(), r, flags);
}

void TRzCustomPanel::DrawGrid(const TRect& rect) {
    TCanvas& c = Canvas();
    const int n = FGridXSize > 0 ? rect.Width() / FGridXSize : 0;
    const int m = FGridYSize > 0 ? rect.Height() / FGridYSize : 0;
    c.Pen.Color = FGridColor;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    if (FGridStyle == gsDots) {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= m; ++j)
                c.SetPixel(rect.Left + i * FGridXSize - 1, rect.Top + j * FGridYSize - 1, FGridColor);
        return;
    }
    const bool solid = FGridStyle == gsSolidLines;
    for (int i = 1; i <= n; ++i) {
        const int x = rect.Left + i * FGridXSize - 1;
        if (solid) {
            c.MoveTo(x, rect.Top);
            c.LineTo(x, rect.Bottom);
        } else {
            for (int y = rect.Top + 1; y < rect.Bottom; y += 2) c.SetPixel(x, y, FGridColor);
        }
    }
    for (int j = 1; j <= m; ++j) {
        const int y = rect.Top + j * FGridYSize - 1;
        if (solid) {
            c.MoveTo(rect.Left, y);
            c.LineTo(rect.Right, y);
        } else {
            for (int x = rect.Left + 1; x < rect.Right; x += 2) c.SetPixel(x, y, FGridColor);
        }
    }
}

void TRzCustomPanel::EnabledChanged() {
    const bool own = !testAttribute(Qt::WA_ForceDisabled);
    if (own != FOwnEnabled) {
        FOwnEnabled = own;
        if (!own) {
            // Remember each child's own state, then disable them all.
            FEnabledList.clear();
            for (int i = 0; i < ControlCount(); ++i) {
                TControl* child = Controls(i);
                FEnabledList.emplace_back(child, !child->testAttribute(Qt::WA_ForceDisabled));
                child->SetEnabled(false);
            }
        } else {
            // Children that were disabled before stay disabled.
            for (int i = 0; i < ControlCount(); ++i) {
                TControl* child = Controls(i);
                bool wasEnabled = true;
                for (const auto& [c, enabled] : FEnabledList)
                    if (c == child) wasEnabled = enabled;
                if (wasEnabled) child->SetEnabled(true);
            }
        }
    }
    Repaint();
}

void TRzCustomPanel::resizeEvent(QResizeEvent* event) {
    const QSize old = event->oldSize();
    TCustomPanel::resizeEvent(event);
    if (!old.isValid() || FullRepaint() || !Caption().isEmpty()) {
        update();
        return;
    }
    // Only the strips that hold the right and bottom borders, measured in the old size.
    TRect inner = Rect(0, 0, old.width(), old.height());
    AdjustRectForBorders(inner, true);
    const TPoint margins = GetRepaintMargins();
    if (old.width() != width()) update(QRect(QPoint(inner.Right - margins.X, 0), QPoint(width(), height())));
    if (old.height() != height()) update(QRect(QPoint(0, inner.Bottom - margins.Y), QPoint(width(), height())));
}

void TRzCustomPanel::UpdateFromFrameController() {
    ApplyFrameController(*this, FFrameController, FFrameControllerNotifications);
}

void TRzCustomPanel::DefineProperties(TFiler& filer) {
    TRzOldPropReader::Drop(filer, "FrameSides");
    TRzOldPropReader::Drop(filer, "ThemeAware");
    filer.DefineProperty("UseGradients", [this](const QVariant& v) {
        if (v.toBool()) SetVisualStyle(vsGradient);
    });
}

void TRzCustomPanel::ThemeChanged() { XPColorScheme = ReadXPColorScheme(); }

void TRzCustomPanel::changeEvent(QEvent* event) {
    TCustomPanel::changeEvent(event);
    if (event->type() == QEvent::ThemeChange) ThemeChanged();
}

// ---- TRzCustomGroupBox ----

TRzCustomGroupBox::TRzCustomGroupBox(TComponent* owner) : TRzCustomPanel(owner) {
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    SetAlignmentVertical(avTop);
    SetHeight(105);
    FCaptionFont = Font();
}

void TRzCustomGroupBox::SetBannerHeight(int value) {
    if (value == FBannerHeight) return;
    FBannerHeight = value;
    Rearranged();
}

void TRzCustomGroupBox::SetGroupStyle(TRzGroupBoxStyle value) {
    if (value == FGroupStyle) return;
    FGroupStyle = value;
    Rearranged();
}

void TRzCustomGroupBox::SetCaptionFont(const TFont& value) {
    FCaptionFont = value;
    FCaptionFontChanged = true;
    Invalidate();
}

void TRzCustomGroupBox::SetFont(const TFont& font) {
    TRzCustomPanel::SetFont(font);
    if (!FCaptionFontChanged) FCaptionFont = font;
}

void TRzCustomGroupBox::UpdateFromFrameController() {
    if (FGroupStyle == gsCustom) TRzCustomPanel::UpdateFromFrameController();
}

void TRzCustomGroupBox::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR && IsAccel(QChar(char16_t(message.WParam)), Caption()) && CanFocus()) {
        for (int i = 0; i < ControlCount(); ++i) {
            auto* child = qobject_cast<TWinControl*>(Controls(i));
            if (child && child->TabStop() && child->CanFocus()) {
                child->SetFocus();
                message.Result = 1;
                return;
            }
        }
    }
    TRzCustomPanel::WndProc(message);
}

void TRzCustomGroupBox::AdjustClientRect(TRect& rect) {
    TRzCustomPanel::AdjustClientRect(rect);
    TCanvas measure;
    measure.Font = Font();
    const int h = measure.TextHeight("Yy");
    const auto shrink = [&rect](int by) {
        rect.Left += by;
        rect.Top += by;
        rect.Right -= by;
        rect.Bottom -= by;
    };
    switch (FGroupStyle) {
    case gsStandard:
    case gsFlat:
        rect.Top += h / 2 - 1 < BorderWidth() ? h / 2 - 1 : h - BorderWidth();
        shrink(FGroupStyle == gsStandard ? 2 : 1);
        break;
    case gsCustom:
        if (!Caption().isEmpty()) rect.Top += h;
        shrink(2);
        break;
    case gsTopLine: rect.Top += h; break;
    case gsBanner: rect.Top += FBannerHeight != 0 ? FBannerHeight : h + 8; break;
    case gsUnderline: rect.Top += h + 4; break;
    }
}

TRect TRzCustomGroupBox::CaptionRect(TCanvas& canvas) const {
    if (Caption().isEmpty() || FGroupStyle == gsCustom) return TRect{};
    const QString text = StripAccelerators(Caption());
    const int w = canvas.TextWidth(text), h = canvas.TextHeight(text);
    // Right-to-left reading puts the caption at the right end of the frame.
    const bool mirrored = isRightToLeft();
    switch (FGroupStyle) {
    case gsStandard:
    case gsFlat: return mirrored ? Rect(Width() - w - 8, 0, Width() - 8, h) : Rect(8, 0, w + 8, h);
    case gsTopLine: return mirrored ? Rect(Width() - w - 4, 0, Width() - 4, h) : Rect(0, 0, w + 4, h);
    case gsBanner: return Rect(0, 0, Width(), FBannerHeight != 0 ? FBannerHeight : h + 6);
    case gsUnderline: return Rect(0, 0, Width(), h + 2);
    case gsCustom: break;
    }
    return TRect{};
}

void TRzCustomGroupBox::Paint() {
    TCanvas& c = Canvas();
    c.Font = FCaptionFont;
    if (FGroupStyle == gsCustom) {
        TRzCustomPanel::Paint();
        c.Font = Font();
        return;
    }
    const int hc = c.TextHeight("Pp");
    const int y0 = hc / 2 - 1;
    const TRect caption = CaptionRect(c);
    const int W = Width(), H = Height();
    if (!Transparent()) {
        c.Brush.Color = Color();
        c.Brush.Style = bsSolid;
        c.FillRect(Rect(0, 0, W, H));
    }
    // The frame leaves the caption's area alone (its pixels are put back after drawing).
    const bool keepCaption = Transparent() && FGroupStyle != gsBanner && caption.Width() > 0;
    QImage under;
    if (keepCaption && c.Target()) {
        c.Release();
        under = c.Target()->copy(caption.ToQRect());
    }
    const TRect frame = Rect(0, y0, W, H);
    const TColor fc = AdjustColor(FlatColor(), FlatColorAdjustment());
    // What the frame stands on: the parent's colour where the box is transparent.
    const TColor face = Transparent() && Parent() ? Parent()->Color() : Color();
    const auto line = [&c](int x1, int y1, int x2, int y2, TColor color) {
        c.Pen.Color = color;
        c.Pen.Width = 1;
        c.Pen.Style = psSolid;
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    switch (FGroupStyle) {
    case gsStandard:
    case gsTopLine: {
        const TSides sides = FGroupStyle == gsStandard ? sdAllSides : TSides(sdTop);
        if (FGroupStyle == gsTopLine && BorderOuter() == fsFlat) {
            line(frame.Left + 2, frame.Top, frame.Right - 2, frame.Top, fc);
        } else if (FGroupStyle == gsTopLine && BorderOuter() == fsFlatBold) {
            line(frame.Left + 2, frame.Top, frame.Right - 2, frame.Top, fc);
            line(frame.Left + 2, frame.Top + 1, frame.Right - 2, frame.Top + 1, fc);
        } else if (BorderOuter() == fsNone) {
            PaintFrame(c, frame, fsGroove, sides, face);
        } else if (BorderOuter() == fsFlat) {
            PaintSides(c, frame, fc, fc, sides);
        } else if (BorderOuter() == fsFlatBold) {
            PaintBevel(c, frame, fc, fc, 2, sides);
        } else {
            PaintFrame(c, frame, BorderOuter(), sides, face);
        }
        break;
    }
    case gsFlat: PaintRoundedFrame(c, frame, fc); break;
    case gsBanner: {
        TColor start, stop, pen;
        if (GradientColorStyle() == gcsCustom) {
            start = GradientColorStart();
            stop = GradientColorStop();
            pen = fc;
        } else {
            GetGroupBarColors(GradientColorStyle(), stop, start, pen);
        }
        const TRect r = caption;
        line(r.Left + 1, r.Top, r.Right - 1, r.Top, pen);
        line(r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1, pen);
        line(r.Left, r.Top + 1, r.Left, r.Bottom - 1, pen);
        line(r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1, pen);
        FillGradient(c, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), gdHorizontalEnd, start, stop, 1);
        break;
    }
    case gsUnderline: line(caption.Left, caption.Bottom, caption.Right, caption.Bottom, fc); break;
    case gsCustom: break;
    }
    if (!under.isNull()) {
        c.Release();
        QPainter p(c.Target());
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(caption.Left, caption.Top, under);
    }
    if (!Caption().isEmpty()) {
        TRect r = caption;
        if (!Transparent() && FGroupStyle != gsBanner) {
            c.Brush.Color = Color();
            c.Brush.Style = bsSolid;
            c.FillRect(r);
        }
        if (FGroupStyle == gsBanner) r = Rect(r.Left + 4, r.Top + 1, r.Right - 4, r.Bottom - 1);
        c.Brush.Style = bsClear;
        c.Font = FCaptionFont;
        if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
        const unsigned align = Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
        DrawText(c, Caption(), r, DT_SINGLELINE | DT_VCENTER | align);
        c.Brush.Style = bsSolid;
    }
    c.Font = Font();
}
