#include "GDIPFill.h"

#include <cmath>

std::unique_ptr<TGPGraphicsPath> MakeRoundedPath(const TGPRectF& rc, int radius, TFillRoundingType type) {
    auto path = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
    const float x = rc.X, y = rc.Y, right = rc.X + rc.Width, bottom = rc.Y + rc.Height;
    const float r = float(radius), d = 2 * r;
    auto arc = [&](float ax, float ay, float start) {
        if (d > 0) path->AddArc(ax, ay, d, d, start, 90);
    };
    switch (type) {
    case rtNone:
        path->AddLine(x, y, right, y);
        path->AddLine(right, y, right, bottom);
        path->AddLine(right, bottom, x, bottom);
        path->AddLine(x, bottom, x, y);
        break;
    case rtTop:
        arc(x, y, 180);
        path->AddLine(x + r, y, right - r, y);
        arc(right - d, y, 270);
        path->AddLine(right, y + r, right, bottom);
        path->AddLine(right, bottom, x, bottom);
        path->AddLine(x, bottom, x, y + r);
        break;
    case rtBottom:
        path->AddLine(x, y, right, y);
        path->AddLine(right, y, right, bottom - r);
        arc(right - d, bottom - d, 0);
        path->AddLine(right - r, bottom, x + r, bottom);
        arc(x, bottom - d, 90);
        path->AddLine(x, bottom - r, x, y);
        break;
    case rtBoth:
        arc(x, y, 180);
        path->AddLine(x + r, y, right - r, y);
        arc(right - d, y, 270);
        path->AddLine(right, y + r, right, bottom - r);
        arc(right - d, bottom - d, 0);
        path->AddLine(right - r, bottom, x + r, bottom);
        arc(x, bottom - d, 90);
        path->AddLine(x, bottom - r, x, y + r);
        break;
    case rtLeft:
        arc(x, y, 180);
        path->AddLine(x + r, y, right - r, y);
        path->AddLine(right, y, right, bottom);
        path->AddLine(right - r, bottom, x + r, bottom);
        arc(x, bottom - d, 90);
        path->AddLine(x, bottom - r, x, y + r);
        break;
    case rtRight:
        path->AddLine(x, y, right - r, y);
        arc(right - d, y, 270);
        path->AddLine(right, y + r, right, bottom - r);
        arc(right - d, bottom - d, 0);
        path->AddLine(right - r, bottom, x, bottom);
        path->AddLine(x, bottom - r, x, y + r);
        break;
    }
    path->CloseFigure();
    return path;
}

void FitPictureAspect(double w, double h, double W, double H, TPictureMode mode, double& outW, double& outH) {
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0) {
        outW = outH = 0;
        return;
    }
    if (mode == pmNormal && w < W && h < H) {
        outW = w;
        outH = h;
        return;
    }
    if (W / H > w / h) {
        outH = H;
        outW = w * H / h;
    } else {
        outW = W;
        outH = h * W / w;
    }
}

TGDIPFill::TGDIPFill() {
    FPicture.OnChange = [this](TGDIPGraphic*) { Changed(); };
    FBackGroundPicture.OnChange = [this](TGDIPGraphic*) { Changed(); };
}

void TGDIPFill::Changed() {
    if (OnChange && FUpdateCount == 0) OnChange(this);
}

void TGDIPFill::SetPicture(const TAdvGDIPPicture& picture) {
    if (&picture == &FPicture) return;
    FPicture.Assign(&picture);
    Changed();
}

void TGDIPFill::SetBackGroundPicture(const TAdvGDIPPicture& picture) {
    if (&picture == &FBackGroundPicture) return;
    FBackGroundPicture.Assign(&picture);
    Changed();
}

void TGDIPFill::Assign(const TGDIPFill& s) {
    if (&s == this) return;
    // The pictures' own notifications are held back; one notification follows.
    ++FUpdateCount;
    FPictureAspectRatio = s.FPictureAspectRatio;
    FPictureAspectMode = s.FPictureAspectMode;
    FBackGroundPictureAspectRatio = s.FBackGroundPictureAspectRatio;
    FBackGroundPictureAspectMode = s.FBackGroundPictureAspectMode;
    FColor = s.FColor;
    FColorTo = s.FColorTo;
    FColorMirror = s.FColorMirror;
    FColorMirrorTo = s.FColorMirrorTo;
    FGradientType = s.FGradientType;
    FGradientMirrorType = s.FGradientMirrorType;
    FHatchStyle = s.FHatchStyle;
    FHatchStyleMirror = s.FHatchStyleMirror;
    FBackGroundPicture.Assign(&s.FBackGroundPicture);
    FBackGroundPicturePosition = s.FBackGroundPicturePosition;
    FBackGroundPictureLeft = s.FBackGroundPictureLeft;
    FBackGroundPictureTop = s.FBackGroundPictureTop;
    FPicture.Assign(&s.FPicture);
    FPicturePosition = s.FPicturePosition;
    FPictureLeft = s.FPictureLeft;
    FPictureTop = s.FPictureTop;
    FPictureSize = s.FPictureSize;
    FPictureWidth = s.FPictureWidth;
    FPictureHeight = s.FPictureHeight;
    FOpacity = s.FOpacity;
    FOpacityTo = s.FOpacityTo;
    FOpacityMirror = s.FOpacityMirror;
    FOpacityMirrorTo = s.FOpacityMirrorTo;
    FBorderColor = s.FBorderColor;
    FBorderWidth = s.FBorderWidth;
    FRounding = s.FRounding;
    FRoundingType = s.FRoundingType;
    FShadowColor = s.FShadowColor;
    FShadowOffset = s.FShadowOffset;
    FShadowType = s.FShadowType;
    FAngle = s.FAngle;
    FBorderOpacity = s.FBorderOpacity;
    FBackGroundPictureMode = s.FBackGroundPictureMode;
    FGlowGradientColor = s.FGlowGradientColor;
    FGlowRadialColor = s.FGlowRadialColor;
    FGlow = s.FGlow;
    --FUpdateCount;
    Changed();
}

void TGDIPFill::PaintRadialGradient(TGPGraphics* g, const TGPRectF& r, TColor color, TColor colorTo,
                                    std::uint8_t opacity, std::uint8_t opacityTo, bool top, int radius,
                                    TFillRoundingType type) {
    const auto outline = MakeRoundedPath(r, radius, type);
    TGPSolidBrush solid(top ? AlphaArgb(opacity, color) : AlphaArgb(opacityTo, colorTo));
    g->FillPath(&solid, outline.get());
    g->SetClip(outline.get());
    TGPGraphicsPath ellipse;
    if (top)
        ellipse.AddEllipse(r.X, r.Y - r.Height / 2, r.Width, r.Height + r.Height / 2);
    else
        ellipse.AddEllipse(r.X, r.Y, r.Width, r.Height + r.Height / 2);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(TGPPointF{r.X + r.Width / 2, top ? r.Y : r.Y + r.Height});
    ARGB surround;
    if (top) {
        brush.SetCenterColor(AlphaArgb(opacityTo, colorTo));
        surround = AlphaArgb(opacity, color);
    } else {
        brush.SetCenterColor(AlphaArgb(opacity, color));
        surround = AlphaArgb(opacityTo, colorTo);
    }
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g->FillRectangle(&brush, r);
    g->ResetClip();
}

void TGDIPFill::DrawGradientBackGround(TGPGraphics* g, const TGPRectF& r, bool mirror, std::uint8_t oc,
                                       std::uint8_t octo, std::uint8_t ocmr, std::uint8_t ocmrto) {
    TAdvGradientType kind = mirror ? FGradientMirrorType : FGradientType;
    const TColor c1 = mirror ? FColorMirror : FColor, c2 = mirror ? FColorMirrorTo : FColorTo;
    if (c1 == clNone)
        kind = gtNone;
    else if (c2 == clNone)
        kind = gtSolid;
    std::unique_ptr<TGPGraphicsPath> path;
    if (FRounding != 0) {
        TFillRoundingType t = FRoundingType;
        if (FColorMirror != clNone) {
            if (!mirror) {
                if (t == rtNone || t == rtBottom) t = rtNone;
                else if (t == rtTop || t == rtBoth) t = rtTop;
            } else {
                if (t == rtNone || t == rtTop) t = rtNone;
                else if (t == rtBottom || t == rtBoth) t = rtBottom;
            }
        }
        path = MakeRoundedPath(r, FRounding, t);
    }
    TGDIPFillParams p;
    p.Graphics = g;
    p.Path = path.get();
    p.UsePath = FRounding != 0;
    p.Rect = r;
    p.GradientType = kind;
    p.Color = c1;
    p.ColorTo = c2;
    p.Opacity = mirror ? ocmr : oc;
    p.OpacityTo = mirror ? ocmrto : octo;
    p.Hatch = mirror ? FHatchStyleMirror : FHatchStyle;
    p.Angle = FAngle;
    p.Picture = FBackGroundPicturePosition == ppTiled ? &FBackGroundPicture : nullptr;
    p.BorderColor = clNone;
    p.BorderWidth = 0;
    p.BorderStyle = DashStyleSolid;
    p.TopLine = mirror;
    if (p.UsePath) {
        const SmoothingMode old = g->GetSmoothingMode();
        g->SetSmoothingMode(SmoothingModeAntiAlias);
        PaintFillParams(p);
        if (old != SmoothingModeInvalid) g->SetSmoothingMode(old);
    } else {
        PaintFillParams(p);
    }
}

void TGDIPFill::DrawGlow(TGPGraphics* g, const TGPRectF& r) {
    if (FGlow == gmNone) return;
    TGPRegion clip(r);
    g->SetClip(&clip);
    const TGPRectF G{r.X + 1, r.Y + 1, r.Width - 2, r.Height - 2};
    const float gr = G.X + G.Width, gb = G.Y + G.Height;
    if (FGlow == gmGradient || FGlow == gmRadialGradient) {
        const auto outline = MakeRoundedPath(G, FRounding, FRoundingType);
        TGPPen pen(AlphaArgb(200, FGlowGradientColor), 1);
        g->DrawPath(&pen, outline.get());
        auto band = [&](const TGPRectF& t, ARGB from, ARGB to, const TGPPointF (&left)[3], const TGPPointF (&right)[3]) {
            TGPLinearGradientBrush brush(TGPRectF{t.X - 1, t.Y - 1, t.Width + 2, t.Height + 2}, from, to,
                                         LinearGradientModeVertical);
            g->FillPolygon(&brush, left, 3);
            g->FillPolygon(&brush, right, 3);
            g->FillRectangle(&brush, t);
        };
        const TGPRectF T{G.X + 5, G.Y, G.Width - 10, 4};
        band(T, AlphaArgb(175, FGlowGradientColor), AlphaArgb(0, FGlowGradientColor),
             {{G.X, G.Y}, {G.X + 5, G.Y}, {G.X + 5, G.Y + 4}}, {{gr, G.Y}, {gr - 5, G.Y}, {gr - 5, G.Y + 4}});
        const TGPRectF U{G.X + 5, gb - 7, G.Width - 10, 7};
        band(U, AlphaArgb(0, FGlowGradientColor), AlphaArgb(220, FGlowGradientColor),
             {{G.X, gb}, {G.X + 5, gb}, {G.X + 5, gb - 7}}, {{gr, gb}, {gr - 5, gb}, {gr - 5, gb - 7}});
    }
    if (FGlow == gmRadial || FGlow == gmRadialGradient) {
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(G.X + 10, G.Y - G.Height / 2, G.Width - 20, 3 * G.Height);
        TGPPathGradientBrush brush(&ellipse);
        const TGPRectF b = ellipse.GetBounds();
        brush.SetCenterPoint(TGPPointF{b.X + b.Width / 2, b.Y + b.Height / 2});
        brush.SetCenterColor(AlphaArgb(150, FGlowRadialColor));
        ARGB surround = AlphaArgb(0, FColor);
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        g->FillPath(&brush, &ellipse);
    }
    g->ResetClip();
}

void TGDIPFill::DrawFillPicture(TGPGraphics* g, bool aspectRatio, TPictureMode aspectMode, int top, int left,
                                const TRect& b, int h, int w, TFillPicturePosition position,
                                TAdvGDIPPicture& picture) {
    if (picture.Empty()) return;
    const int bw = b.Width(), bh = b.Height();
    int x = 0, y = 0;
    double tw = w, th = h;
    switch (position) {
    case ppTopLeft: x = b.Left; y = b.Top; break;
    case ppTopCenter: x = b.Left + (bw - w) / 2; y = b.Top; break;
    case ppTopRight: x = b.Right - w; y = b.Top; break;
    case ppBottomLeft: x = b.Left; y = b.Bottom - h; break;
    case ppBottomCenter: x = b.Left + (bw - w) / 2; y = b.Bottom - h; break;
    case ppBottomRight: x = b.Right - w; y = b.Bottom - h; break;
    case ppTiled: return;
    case ppStretched:
        if (aspectRatio)
            FitPictureAspect(w, h, bw, bh, aspectMode, tw, th);
        else {
            tw = bw;
            th = bh;
        }
        x = RoundEven((bw - tw) / 2 + b.Left);
        y = RoundEven((bh - th) / 2 + b.Top);
        tw = RoundEven(tw);
        th = RoundEven(th);
        break;
    case ppCenterLeft: x = b.Left; y = b.Top + (bh - h) / 2; break;
    case ppCenterCenter: x = b.Left + (bw - w) / 2; y = b.Top + (bh - h) / 2; break;
    case ppCenterRight: x = b.Right - w; y = b.Top + (bh - h) / 2; break;
    case ppCustom: x = left; y = top; break;
    }
    picture.GDIPDraw(g, TRect{x, y, x + int(tw), y + int(th)});
}

TGPRectF TGDIPFill::Fill(TGPGraphics* g, const TGPRectF& R, std::uint8_t aBorderOpacity, std::uint8_t aOpacity,
                         std::uint8_t aOpacityTo, std::uint8_t aOpacityMirror, std::uint8_t aOpacityMirrorTo) {
    const std::uint8_t oc = aOpacity < 255 ? aOpacity : FOpacity;
    const std::uint8_t octo = aOpacityTo < 255 ? aOpacityTo : FOpacityTo;
    const std::uint8_t ocmr = aOpacityMirror < 255 ? aOpacityMirror : FOpacityMirror;
    const std::uint8_t ocmrto = aOpacityMirrorTo < 255 ? aOpacityMirrorTo : FOpacityMirrorTo;
    const std::uint8_t bo = aBorderOpacity < 255 ? aBorderOpacity : FBorderOpacity;
    TGPRectF r = R;
    auto integerRect = [&] {
        const int l = RoundEven(r.X), t = RoundEven(r.Y);
        return TRect{l, t, l + RoundEven(r.Width), t + RoundEven(r.Height)};
    };
    const bool line = R.Height == 1 || R.Width == 1;
    if (line) {
        if (g && FBorderWidth > 0 && FBorderColor != clNone) {
            TGPPen pen(AlphaArgb(bo, FBorderColor), float(FBorderWidth));
            g->DrawLine(&pen, r.X, r.Y, r.X + r.Width, r.Y + r.Height);
        }
    }
    if (!g) return r;
    if (!line) {
        // Shadow.
        const int s = FShadowOffset;
        if (s > 0 && FShadowColor != clNone) {
            if (FShadowType == stRightBottom || FShadowType == stSurround) {
                const auto path = FShadowType == stSurround ? MakeRoundedPath(r, s, rtBoth)
                                                            : MakeRoundedPath(r, FRounding, FRoundingType);
                TGPPathGradientBrush brush(path.get());
                brush.SetWrapMode(WrapModeClamp);
                const ARGB colors[3] = {0, AlphaArgb(180, FShadowColor), AlphaArgb(180, FShadowColor)};
                const float positions[3] = {0, 0.1f, 1};
                brush.SetInterpolationColors(colors, positions, 3);
                g->FillPath(&brush, path.get());
                if (FShadowType == stSurround)
                    r = TGPRectF{r.X + s, r.Y + s, r.Width - 2 * s, r.Height - 2 * s};
                else
                    r = TGPRectF{r.X, r.Y, r.Width - s, r.Height - s};
            } else if (FShadowType == stBottom) {
                PaintRadialGradient(g, TGPRectF{r.X, r.Y + r.Height - 2 * s, r.Width, float(2 * s)}, FShadowColor,
                                    FShadowColor, 0, 255, true, FRounding, rtBottom);
                r.Height -= s;
            }
        }
        // Main fill.
        if (FGradientType != gtHatch && FGradientType != gtTexture && FColorMirror != clNone) {
            const float h = r.Height / 2;
            const TGPRectF upper{r.X, r.Y, r.Width, r.Height - h + 1};
            const TGPRectF lower{r.X, r.Y + h - 1, r.Width, r.Height - h + 1};
            if (FGradientType == gtRadial) {
                if (FColor != clNone)
                    PaintRadialGradient(g, upper, FColor, FColorTo != clNone ? FColorTo : FColor, oc, octo, true,
                                        FRounding, rtTop);
            } else {
                DrawGradientBackGround(g, upper, false, oc, octo, ocmr, ocmrto);
            }
            if (FGradientMirrorType == gtRadial) {
                if (FColorMirror != clNone)
                    PaintRadialGradient(g, lower, FColorMirror, FColorMirrorTo != clNone ? FColorMirrorTo : FColorMirror,
                                        ocmr, ocmrto, false, FRounding, rtBottom);
            } else {
                DrawGradientBackGround(g, lower, true, oc, octo, ocmr, ocmrto);
            }
        } else if (FGradientType == gtRadial && FColor != clNone) {
            PaintRadialGradient(g, r, FColor, FColorTo != clNone ? FColorTo : FColor, oc, octo, true, FRounding,
                                FRoundingType);
        } else {
            DrawGradientBackGround(g, r, false, oc, octo, ocmr, ocmrto);
        }
        // Background picture inside the fill.
        const TRect b = integerRect();
        if (FBackGroundPictureMode == pmInsideFill && FGradientType == gtTexture) {
            const auto clip = MakeRoundedPath(r, FRounding, FRoundingType);
            g->SetClip(clip.get());
            DrawFillPicture(g, FBackGroundPictureAspectRatio, FBackGroundPictureAspectMode, FBackGroundPictureTop,
                            FBackGroundPictureLeft, b, FBackGroundPicture.Height(), FBackGroundPicture.Width(),
                            FBackGroundPicturePosition, FBackGroundPicture);
            g->ResetClip();
        }
        // Border.
        if (FBorderWidth > 0 && FBorderColor != clNone) {
            const auto outline = MakeRoundedPath(r, FRounding, FRoundingType);
            TGPPen pen(AlphaArgb(bo, FBorderColor), float(FBorderWidth));
            g->DrawPath(&pen, outline.get());
        }
    }
    DrawGlow(g, r);
    const float bw = float(FBorderWidth);
    FFocusRect = TGPRectF{r.X + bw, r.Y + bw, r.Width - 2 * bw, r.Height - 2 * bw};
    if (FFocus) {
        const SmoothingMode old = g->GetSmoothingMode();
        g->SetSmoothingMode(SmoothingModeDefault);
        const auto outline = MakeRoundedPath(FFocusRect, FRounding - FBorderWidth, FRoundingType);
        TGPPen pen(AlphaArgb(oc, FFocusColor), 1);
        pen.SetDashStyle(DashStyleDot);
        g->DrawPath(&pen, outline.get());
        if (old != SmoothingModeInvalid) g->SetSmoothingMode(old);
    }
    const TRect b = integerRect();
    if (FBackGroundPictureMode == pmOutsideFill && FGradientType == gtTexture)
        DrawFillPicture(g, FBackGroundPictureAspectRatio, FBackGroundPictureAspectMode, FBackGroundPictureTop,
                        FBackGroundPictureLeft, b, FBackGroundPicture.Height(), FBackGroundPicture.Width(),
                        FBackGroundPicturePosition, FBackGroundPicture);
    int pw = 0, ph = 0;
    if (!FPicture.Empty()) {
        pw = FPictureSize == psCustom ? FPictureWidth : FPicture.Width();
        ph = FPictureSize == psCustom ? FPictureHeight : FPicture.Height();
    }
    DrawFillPicture(g, FPictureAspectRatio, FPictureAspectMode, FPictureTop, FPictureLeft, b, ph, pw,
                    FPicturePosition, FPicture);
    return r;
}
