#include "splash/SplashProgress.h"

#include "SafeFormat.h"

#include <algorithm>
#include <cmath>

namespace {

// A horizontal or vertical linear gradient over a band (the brush made 1 pixel larger).
void Band(TGPGraphics* g, const TGPRectF& band, ARGB from, ARGB to, LinearGradientMode mode) {
    if (band.Width <= 0 || band.Height <= 0) return;
    TGPLinearGradientBrush brush(TGPRectF{band.X - 1, band.Y - 1, band.Width + 2, band.Height + 2}, from, to, mode);
    g->FillRectangle(&brush, band);
}

}  // namespace

// ---------------------------------------------------------------- settings

TGDIPSplashProgress::TGDIPSplashProgress() {
    FBackGroundFill.OnChange = [this](TGDIPFill*) { Changed(); };
    FProgressFill.OnChange = [this](TGDIPFill*) { Changed(); };
}

void TGDIPSplashProgress::SetFont(const TFont& f) {
    FFont = f;
    Changed();
}

void TGDIPSplashProgress::SetProgressFont(const TFont& f) {
    FProgressFont = f;
    Changed();
}

void TGDIPSplashProgress::Assign(const TGDIPSplashProgress& s) {
    if (&s == this) return;
    const auto notify = std::move(OnChange);
    OnChange = nullptr;
    FBackGroundFill.Assign(s.FBackGroundFill);
    FProgressFill.Assign(s.FProgressFill);
    FValueFormat = s.FValueFormat;
    FValueType = s.FValueType;
    FValuePositionTop = s.FValuePositionTop;
    FValuePositionLeft = s.FValuePositionLeft;
    FValuePosition = s.FValuePosition;
    FValueVisible = s.FValueVisible;
    FFont = s.FFont;
    FVisible = s.FVisible;
    FHeight = s.FHeight;
    FWidth = s.FWidth;
    FLeft = s.FLeft;
    FTop = s.FTop;
    FStep = s.FStep;
    FMinimum = s.FMinimum;
    FMaximum = s.FMaximum;
    FPosition = s.FPosition;
    FGlowAnimation = s.FGlowAnimation;
    FProgressAnimation = s.FProgressAnimation;
    OnChange = notify;
    Changed();
}

TRect TGDIPSplashProgress::BorderRect(const TRect& r) {
    TRect b{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    if (FBackGroundFill.BorderColor() != clNone) {
        const int w = FBackGroundFill.BorderWidth();
        const int half = w == 1 ? 1 : (w + 1) / 2;
        b = TRect{b.Left + half, b.Top + half, b.Right - half, b.Bottom - half};
    }
    return b;
}

TGPRectF TGDIPSplashProgress::GetInsideRectF(const TRect& r) {
    const TRect b = BorderRect(r);
    return TGPRectF{float(b.Left), float(b.Top), float(b.Width()), float(b.Height())};
}

TGPRectF TGDIPSplashProgress::CalculateProgressRectangle(const TRect& r, double min, double max, double pos) {
    const TRect b = BorderRect(r);
    const bool bordered = FProgressFill.BorderColor() != clNone && FProgressFill.BorderWidth() != 0;
    const int bw = FProgressFill.BorderWidth();
    const int right = bordered ? b.Right - bw : b.Right;
    const double w = right - b.Left;
    const double pw = max - min > 0 ? std::min(w, (pos - min) / (max - min) * w) : 0;
    if (bordered)
        return TGPRectF{b.Left + bw / 2.0f, b.Top + bw / 2.0f, float(pw), float(b.Bottom - bw - b.Top)};
    return TGPRectF{float(b.Left), float(b.Top), float(pw), float(b.Bottom - b.Top)};
}

void TGDIPSplashProgress::DrawEndShades(TGPGraphics* g, const TGPRectF& r) {
    Band(g, TGPRectF{r.X, r.Y, 10, r.Height}, PackArgb(30, 0, 0, 0), PackArgb(0, 0, 0, 0), LinearGradientModeHorizontal);
    Band(g, TGPRectF{r.X + r.Width - 10, r.Y, 10, r.Height}, PackArgb(0, 0, 0, 0), PackArgb(30, 0, 0, 0),
         LinearGradientModeHorizontal);
}

void TGDIPSplashProgress::DrawGloss(TGPGraphics* g, const TGPRectF& r) {
    Band(g, TGPRectF{r.X, r.Y, r.Width, r.Height / 2.5f}, PackArgb(180, 255, 255, 255), PackArgb(0, 255, 255, 255),
         LinearGradientModeVertical);
    const float bottom = r.Y + r.Height;
    Band(g, TGPRectF{r.X, bottom - r.Height / 5, r.Width, r.Height / 5}, PackArgb(0, 255, 255, 255),
         PackArgb(255, 255, 255, 255), LinearGradientModeVertical);
}

QString TGDIPSplashProgress::ValueText(double min, double max, double pos) const {
    pos = std::clamp(pos, std::min(min, max), std::max(min, max));
    double value = pos;
    if (FValueType == vtPercentage) value = min < max ? (pos - min) / (max - min) * 100 : max;
    return SafeFormat(FValueFormat, {value});
}

void TGDIPSplashProgress::DrawValue(TGPGraphics* g, const TRect& r, double min, double max, double pos) {
    const QString text = ValueText(min, max, pos);
    const TGPRectF inside = GetInsideRectF(r);
    const auto font = TGPGraphics::MakeFont(FFont);
    TGPRectF box;
    g->MeasureString(text, -1, font.get(), inside, nullptr, box);
    const float tw = box.Width, th = box.Height;
    const TGPRectF p = CalculateProgressRectangle(r, min, max, pos);
    float dy = (inside.Height - th) / 2;
    float x = inside.X;
    switch (FValuePosition) {
    case vpProgressCenter: x = p.Width >= tw ? inside.X + (p.Width - tw) / 2 : inside.X; break;
    case vpProgressRight: x = p.Width >= tw ? inside.X + p.Width - tw : inside.X; break;
    case vpCenter: x = r.Left + (inside.Width - tw) / 2; break;
    case vpLeft: x = inside.X; break;
    case vpRight: x = r.Left + inside.Width - tw; break;
    case vpCustom:
        x = float(r.Left + FValuePositionLeft);
        dy = float(FValuePositionTop);
        break;
    }
    const TFont& shown = p.X + p.Width > x + tw / 2 ? FProgressFont : FFont;
    const auto drawFont = TGPGraphics::MakeFont(shown);
    TGPSolidBrush brush(AlphaArgb(255, shown.Color()));
    g->DrawString(text, -1, drawFont.get(), TGPPointF{x, r.Top + dy}, nullptr, &brush);
}

void TGDIPSplashProgress::Draw(TGPGraphics* g, const TRect& r, double min, double max, double position) {
    if (!g) return;
    FBackGroundFill.Fill(g, TGPRectF{float(r.Left), float(r.Top), float(r.Width() - 1), float(r.Height() - 1)});
    const TGPRectF p = CalculateProgressRectangle(r, min, max, position);
    if (p.Width > 0) {
        FProgressFill.Fill(g, p);
        DrawEndShades(g, p);
    }
    const TGPRectF inside = GetInsideRectF(r);
    DrawEndShades(g, inside);
    if (FValueVisible) DrawValue(g, r, min, max, position);
    DrawGloss(g, inside);
}

bool AnimateValue(double& value, double target, double margin, double step) {
    if (target - margin < value && value < target + margin) {
        value = target;
        return false;
    }
    const double d = std::max(step, margin);
    value = value >= target ? value - d : value + d;
    return true;
}

// ---------------------------------------------------------------- control

TAdvSplashProgressBar::TAdvSplashProgressBar(TComponent* owner)
    : TGraphicControl(owner), FAppearance(std::make_unique<TGDIPSplashProgress>()) {
    FAppearance->OnChange = [this](TGDIPSplashProgress*) { AppearanceChanged(); };
    FAnimationTimer = MakeRepeatTimer();
    FAnimationTimer->OnTimer = [this] { AnimationTick(); };
    FAnimationTimer->SetInterval(10);
    FAnimationTimer->SetEnabled(true);
    SetBounds(0, 0, 150, 17);
}

TAdvSplashProgressBar::~TAdvSplashProgressBar() = default;

void TAdvSplashProgressBar::Assign(const TAdvSplashProgressBar& source) {
    if (&source == this) return;
    SetStep(source.FStep);
    SetMinimum(source.FMinimum);
    SetMaximum(source.FMaximum);
    SetPosition(source.FPosition);
    SetGlowAnimation(source.FGlowAnimation);
    SetProgressAnimation(source.FProgressAnimation);
    // The appearance comes last and carries its own range and position into the bar.
    SetAppearance(*source.FAppearance);
    Invalidate();
}

void TAdvSplashProgressBar::SetComponentStyle(TTrackBarStyle style) {
    struct Look {
        TColor back, backTo, backBorder, color, colorTo, mirror, mirrorTo, border;
    };
    Look l{};
    switch (style) {
    case tsCustom: return;
    case tsOffice2003Blue: l = {16765615, 16765615, 12632256, 16572875, 14722429, clNone, clNone, 9841920}; break;
    case tsOffice2003Silver: l = {15590880, 15590880, 12632256, 15590880, 13152947, clNone, clNone, 9598070}; break;
    case tsOffice2003Olive: l = {13627626, 13627626, 12632256, 13627626, 9224369, clNone, clNone, 9224369}; break;
    case tsOffice2003Classic: l = {clWhite, clWhite, 12632256, 13226453, 11316396, clNone, clNone, 9598070}; break;
    case tsOffice2007Luna: l = {16765615, 16765615, 12632256, 16773091, 16768452, 16765357, 16767936, 16765357}; break;
    case tsOffice2007Obsidian:
        l = {14671574, 14671574, 12632256, 14671574, 15000283, 14144974, 15197664, 12631218};
        break;
    case tsWindowsXP: l = {clBtnFace, clBtnFace, 8421504, 15653832, 11829830, clNone, clNone, 11829830}; break;
    case tsWhidbey: l = {16777215, 16777215, 10070188, 15000804, 14675440, clNone, clNone, 10070188}; break;
    case tsOffice2007Silver: l = {15987697, 15987697, 12632256, 15987697, 16119283, 15657703, 16316406, 13421257}; break;
    case tsWindowsVista: l = {16776697, 16776697, 12632256, 16776697, 16642263, clNone, clNone, 16703386}; break;
    case tsWindows7: l = {16575452, 16575452, 12632256, 16575452, 16571329, clNone, clNone, 13542013}; break;
    case tsTerminal: l = {clBtnFace, clBtnFace, 8421504, clWhite, clWhite, clNone, clNone, 8421504}; break;
    case tsOffice2010Blue: l = {16710905, 16710905, 12632256, 16710905, 15391181, clNone, clNone, 10060659}; break;
    case tsOffice2010Silver: l = {16645370, 16645370, 12632256, 16645370, 15790320, clNone, clNone, 9734527}; break;
    case tsOffice2010Black: l = {12566463, 12566463, 7171437, 12566463, 9539985, clNone, clNone, 7171437}; break;
    }
    TGDIPFill& back = FAppearance->BackGroundFill();
    back.SetColor(l.back);
    back.SetColorTo(l.backTo);
    back.SetBorderColor(l.backBorder);
    TGDIPFill& bar = FAppearance->ProgressFill();
    bar.SetColor(l.color);
    bar.SetColorTo(l.colorTo);
    bar.SetColorMirror(l.mirror);
    bar.SetColorMirrorTo(l.mirrorTo);
    bar.SetBorderColor(l.border);
    if (style != tsTerminal) bar.SetGradientMirrorType(gtVertical);
}

bool TAdvSplashProgressBar::AnimationInProgress() const {
    return Animating() && std::abs(FPositionTemp - FPositionTo) >= 0.001;
}

void TAdvSplashProgressBar::SetPosition(double value) {
    const double p = std::min(FMaximum, std::max(value, FMinimum));
    FPosition = p;
    if (Animating()) {
        FPositionTo = p;
    } else {
        FPositionTo = FPositionTemp = p;
        PositionChanged(p);
        Invalidate();
    }
}

void TAdvSplashProgressBar::SetMaximum(double value) {
    if (value == FMaximum) return;
    FMaximum = value;
    if (value < FPosition) {
        if (!Animating()) FPosition = FPositionTemp = value;
        FPositionTo = value;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetMinimum(double value) {
    if (value == FMinimum) return;
    FMinimum = value;
    if (value > FPosition) {
        if (!Animating()) FPosition = FPositionTemp = value;
        FPositionTo = value;
    }
    Invalidate();
}

void TAdvSplashProgressBar::SetStep(double value) {
    if (value == FStep) return;
    FStep = value;
    Invalidate();
}

void TAdvSplashProgressBar::SetGlowAnimation(bool value) {
    if (value == FGlowAnimation) return;
    FGlowAnimation = value;
    Invalidate();
}

void TAdvSplashProgressBar::SetProgressAnimation(bool value) {
    if (value != FProgressAnimation) {
        FProgressAnimation = value;
        Invalidate();
    }
    if (!value) SetPosition(FPosition);
}

void TAdvSplashProgressBar::SetAppearance(const TGDIPSplashProgress& value) {
    if (&value == FAppearance.get()) return;
    FAppearance->Assign(value);
    AppearanceChanged();
}

void TAdvSplashProgressBar::AppearanceChanged() {
    const TGDIPSplashProgress& a = *FAppearance;
    SetBounds(a.Left(), a.Top(), a.Width(), a.Height());
    SetVisible(a.Visible());
    SetStep(a.Step());
    SetMinimum(a.Minimum());
    SetMaximum(a.Maximum());
    SetPosition(a.Position());
    SetGlowAnimation(a.GlowAnimation());
    SetProgressAnimation(a.ProgressAnimation());
    Invalidate();
}

void TAdvSplashProgressBar::AnimationTick() {
    if (Animating()) {
        const double step = std::abs(FPositionTo - FPositionTemp) / 15;
        if (AnimateValue(FPositionTemp, FPositionTo, 0.000001, step)) {
            FPosition = FPositionTemp;
            PositionChanged(FPosition);
            Invalidate();
        } else {
            FPosition = FPositionTemp = FPositionTo;
            PositionChanged(FPosition);
        }
    }
    if (FPosition > FMinimum && Glowing()) {
        if (FGlowCount >= 1500) FGlowPos += 3;
        const TGPRectF p = FAppearance->CalculateProgressRectangle(FPaintRect, FMinimum, FMaximum, FPosition);
        if (p.Width >= FGlowPos) {
            FGlowCount += 10;
        } else {
            FGlowCount = 0;
            FGlowPos = -60;
        }
        Invalidate();
    }
}

void TAdvSplashProgressBar::Resize() {
    TGraphicControl::Resize();
    Invalidate();
}

void TAdvSplashProgressBar::Paint() {
    TGPGraphics g(Canvas());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    FPaintRect = TRect{0, 0, Width(), Height()};
    FAppearance->Draw(&g, FPaintRect, FMinimum, FMaximum, FPosition);
    if (Glowing() && FPosition > 0) {
        const TGPRectF p = FAppearance->CalculateProgressRectangle(FPaintRect, FMinimum, FMaximum, FPosition);
        const TGPRectF i = FAppearance->GetInsideRectF(FPaintRect);
        g.SetClip(p);
        const float x = float(FGlowPos);
        Band(&g, TGPRectF{x - 30, i.Y, 30, i.Height}, PackArgb(0, 255, 255, 255), PackArgb(120, 255, 255, 255),
             LinearGradientModeHorizontal);
        Band(&g, TGPRectF{x, i.Y, 30, i.Height}, PackArgb(120, 255, 255, 255), PackArgb(0, 255, 255, 255),
             LinearGradientModeHorizontal);
        g.ResetClip();
    }
}
