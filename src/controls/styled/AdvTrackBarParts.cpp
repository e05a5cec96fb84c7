// The fader's appearance sub-objects (setters, picture notifications, copying) and its
// appearance presets.
#include "AdvTrackBar.h"

#include <typeinfo>

namespace {

template <typename T>
const T& SameClass(const TTrackBarPart* source) {
    const T* s = dynamic_cast<const T*>(source);
    if (!s) throw std::bad_cast();
    return *s;
}

}  // namespace

// ---------------------------------------------------------------- state colours

void TTrackBarStateColors::AssignColors(const TTrackBarStateColors& s) {
    FBorderColor = s.FBorderColor;
    FColor = s.FColor;
    FColorTo = s.FColorTo;
    FColorMirror = s.FColorMirror;
    FColorMirrorTo = s.FColorMirrorTo;
    FBorderColorHot = s.FBorderColorHot;
    FColorHot = s.FColorHot;
    FColorHotTo = s.FColorHotTo;
    FColorMirrorHot = s.FColorMirrorHot;
    FColorMirrorHotTo = s.FColorMirrorHotTo;
    FBorderColorDown = s.FBorderColorDown;
    FColorDown = s.FColorDown;
    FColorDownTo = s.FColorDownTo;
    FColorMirrorDown = s.FColorMirrorDown;
    FColorMirrorDownTo = s.FColorMirrorDownTo;
}

// ---------------------------------------------------------------- thumb

TTrackBarThumb::TTrackBarThumb(TCustomTrackBar* owner) : TTrackBarStateColors(owner) {
    FPicture.OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
    FPictureHot.OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
    FPictureDown.OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
    FPictureDisabled.OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
}

void TTrackBarThumb::DeriveSizeFromPicture() {
    if (FPicture.Empty() || !FOwner) return;
    FPicture.GetImageSizes();
    if (FOwner->Orientation() == trVertical) {
        FWidth = FPicture.Height();
        FSize = FPicture.Width();
    } else {
        FSize = FPicture.Height();
        FWidth = FPicture.Width();
    }
}

void TTrackBarThumb::PictureChanged() {
    if (!FPicture.Empty() && FOwner) DeriveSizeFromPicture();
    Changed();
}

void TTrackBarThumb::SetSize(int value) {
    if (!FPicture.Empty()) return;
    Store(FSize, value);
}

void TTrackBarThumb::SetWidth(int value) {
    if (!FPicture.Empty()) return;
    Store(FWidth, value);
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer value) {
    if (!FOwner || value == FThumbPointer) return;
    if (!FOwner->CanSetThumbPointer(this, value)) return;
    FThumbPointer = value;
    Changed();
}

void TTrackBarThumb::Assign(const TTrackBarPart* source) {
    const auto* s = dynamic_cast<const TTrackBarThumb*>(source);
    if (!s) return;
    AssignColors(*s);
    FBorderColorDisabled = s->FBorderColorDisabled;
    FColorDisabled = s->FColorDisabled;
    FColorDisabledTo = s->FColorDisabledTo;
    FColorMirrorDisabled = s->FColorMirrorDisabled;
    FColorMirrorDisabledTo = s->FColorMirrorDisabledTo;
    FGradient = s->FGradient;
    FGradientMirror = s->FGradientMirror;
    FSteps = s->FSteps;
    FPicture.Assign(&s->FPicture);
    FPictureHot.Assign(&s->FPictureHot);
    FPictureDown.Assign(&s->FPictureDown);
    FPictureDisabled.Assign(&s->FPictureDisabled);
    SetWidth(s->FWidth);
    SetShape(s->FShape);
    SetSize(s->FSize);
    SetThumbPointer(s->FThumbPointer);
}

// ---------------------------------------------------------------- slider

TTrackBarSlider::TTrackBarSlider(TCustomTrackBar* owner) : TTrackBarPart(owner) {
    for (TGDIPPicture* p : {&FPicture, &FPictureDisabled, &FPictureCompleted, &FPictureCompletedDisabled})
        p->OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
}

void TTrackBarSlider::PictureChanged() {
    if (!FPicture.Empty()) {
        FPicture.GetImageSizes();
        const bool vertical = FOwner && FOwner->Orientation() == trVertical;
        FSize = vertical ? FPicture.Width() : FPicture.Height();
        FBorderColor = clNone;
    }
    Changed();
}

void TTrackBarSlider::Assign(const TTrackBarPart* source) {
    const auto& s = SameClass<TTrackBarSlider>(source);
    FColor = s.FColor;
    FColorTo = s.FColorTo;
    FBorderColor = s.FBorderColor;
    FBorderColorDisabled = s.FBorderColorDisabled;
    FColorDisabled = s.FColorDisabled;
    FColorDisabledTo = s.FColorDisabledTo;
    FColorCompleted = s.FColorCompleted;
    FColorCompletedTo = s.FColorCompletedTo;
    FColorCompletedDisabled = s.FColorCompletedDisabled;
    FColorCompletedDisabledTo = s.FColorCompletedDisabledTo;
    FSize = s.FSize;
    FRounded = s.FRounded;
    FBorder3D = s.FBorder3D;
    FVisible = s.FVisible;
    FPicture.Assign(&s.FPicture);
    FPictureDisabled.Assign(&s.FPictureDisabled);
    FPictureCompleted.Assign(&s.FPictureCompleted);
    FPictureCompletedDisabled.Assign(&s.FPictureCompletedDisabled);
    FPictureStretched = s.FPictureStretched;
    FOffset = s.FOffset;
    Changed();
}

// ---------------------------------------------------------------- ticks

TTrackBarTick::TTrackBarTick(TCustomTrackBar* owner) : TTrackBarPart(owner) {
    FFont.SetColor(clBlack);
    FPicture.OnChange = [this](TGDIPGraphic*) { Changed(); };
    FPictureDisabled.OnChange = [this](TGDIPGraphic*) { Changed(); };
}

void TTrackBarTick::Assign(const TTrackBarPart* source) {
    const auto& s = SameClass<TTrackBarTick>(source);
    FColor = s.FColor;
    FColorDisabled = s.FColorDisabled;
    FSize = s.FSize;
    FPosition = s.FPosition;
    FStyle = s.FStyle;
    FPicture.Assign(&s.FPicture);
    FPictureDisabled.Assign(&s.FPictureDisabled);
    FFont = s.FFont;
    FShowText = s.FShowText;
    FLine3D = s.FLine3D;
    FShowImageAtThumbOnly = s.FShowImageAtThumbOnly;
    FShowImageAtSteps = s.FShowImageAtSteps;
    FSpacing = s.FSpacing;
    Changed();
}

// ---------------------------------------------------------------- buttons

TTrackBarButtons::TTrackBarButtons(TCustomTrackBar* owner) : TTrackBarStateColors(owner) {
    FBorderColor = 9262895;
    FMinPicture.OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
    FMaxPicture.OnChange = [this](TGDIPGraphic*) { PictureChanged(); };
}

void TTrackBarButtons::PictureChanged() {
    TGDIPPicture* p = !FMinPicture.Empty() ? &FMinPicture : !FMaxPicture.Empty() ? &FMaxPicture : nullptr;
    if (p) {
        p->GetImageSizes();
        const bool vertical = FOwner && FOwner->Orientation() == trVertical;
        FSize = vertical ? p->Height() : p->Width();
    }
    Changed();
}

void TTrackBarButtons::SetSize(int value) {
    if (!FMinPicture.Empty() || !FMaxPicture.Empty()) return;
    Store(FSize, value);
}

void TTrackBarButtons::Assign(const TTrackBarPart* source) {
    const auto& s = SameClass<TTrackBarButtons>(source);
    AssignColors(s);
    FMinPicture.Assign(&s.FMinPicture);
    FMinPictureHot.Assign(&s.FMinPictureHot);
    FMinPictureDown.Assign(&s.FMinPictureDown);
    FMaxPicture.Assign(&s.FMaxPicture);
    FMaxPictureHot.Assign(&s.FMaxPictureHot);
    FMaxPictureDown.Assign(&s.FMaxPictureDown);
    FVisible = s.FVisible;
    FSize = s.FSize;
    FShape = s.FShape;
    FRepeatClick = s.FRepeatClick;
    FRepeatPause = s.FRepeatPause;
    FRotateText = s.FRotateText;
    FInitRepeatPause = s.FInitRepeatPause;
    FSpacing = s.FSpacing;
    FStep = s.FStep;
    Changed();
}

void TTrackBarLabel::Assign(const TTrackBarPart* source) {
    const auto& s = SameClass<TTrackBarLabel>(source);
    FVisible = s.FVisible;
    FFormat = s.FFormat;
    FFont = s.FFont;
    FPosition = s.FPosition;
    Changed();
}

// ---------------------------------------------------------------- presets

namespace {

struct NormalColors {
    TColor color, colorTo, mirror, mirrorTo, border, sliderBorder;
};
struct HotDownColors {
    TColor hot, hotTo, mirrorHot, mirrorHotTo, borderHot, down, downTo, mirrorDown, mirrorDownTo, borderDown;
};

constexpr NormalColors kNormal[] = {
    {15653832, 16178633, 15586496, 16245200, 14727579, 12752500},  // Office2003Blue
    {15586496, 15128792, 15586496, 13152947, 9598070, 9598070},    // Office2003Silver
    {13627626, 13627626, 13627626, 9224369, 9224369, 9224369},     // Office2003Olive
    {16777215, 13226453, 16777215, 13226453, 0, 9598070},          // Office2003Classic
    {15653832, 16178633, 15586496, 16245200, 14727579, 12752500},  // Office2007Luna
    {14671574, 15000283, 14144974, 15197664, 12631218, 12631218},  // Office2007Obsidian
    {16777215, 12179676, 12179676, 12179676, 12179676, 9598070},   // WindowsXP
    {16777215, 14675440, 14675440, 14675440, 10070188, 9598070},   // Whidbey
    {0, 0, 0, 0, 0, 0},                                            // Custom (unused)
    {15987697, 16119283, 15657703, 16316406, 13421257, 13421257},  // Office2007Silver
    {16776697, 16642263, clNone, clNone, 16703386, 16703386},      // WindowsVista
    {16575452, 16571329, clNone, clNone, 13542013, 13542013},      // Windows7
    {clBtnFace, clBtnFace, clNone, clNone, 0, 0},                  // Terminal
    {16710905, 15391181, clNone, clNone, 10060659, 10060659},      // Office2010Blue
    {16645370, 16645370, clNone, clNone, 9734527, 9734527},        // Office2010Silver
    {13224393, 8421504, clNone, clNone, 2500134, 2500134},         // Office2010Black
};

constexpr HotDownColors kOffice2003Hot = {13432063, 11332863, 5888767, 9556223, 10079963,
                                          7778289,  4296947,  946929,  5021693, 4548219};
constexpr HotDownColors kOffice2007Hot = {15465983, 11332863, 5888767, 10807807, 10079963,
                                          7778289,  4296947,  946929,  5021693,  4548219};
constexpr HotDownColors kXPHot = {15717318, 15717318, 15717318, 15717318, clHighlight,
                                  11899524, 11899524, 11899524, 11899524, clHighlight};
constexpr HotDownColors kVistaHot = {16776697, 16775920, clNone, clNone, 16703386,
                                     16710128, 16642263, clNone, clNone, 16703386};
constexpr HotDownColors kWin7Hot = {16645114, 16643051, clNone, clNone, 14922381,
                                    16575452, 16571329, clNone, clNone, 13542013};
constexpr HotDownColors kTerminalHot = {12632256, 12632256, clNone, clNone, 0,
                                        clHighlight, clHighlight, clNone, clNone, 0};
constexpr HotDownColors kOffice2010Hot = {14678013, 7987195, 7987195, 14678013, 3457776,
                                          6670325,  9102591, 9102591, 6670325,  2914498};

const HotDownColors& HotDownOf(TTrackBarStyle style) {
    switch (style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey: return kOffice2003Hot;
    case tsWindowsXP: return kXPHot;
    case tsWindowsVista: return kVistaHot;
    case tsWindows7: return kWin7Hot;
    case tsTerminal: return kTerminalHot;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black: return kOffice2010Hot;
    default: return kOffice2007Hot;
    }
}

// Sets the five colours of each state of a thumb or a button set.
void SetColors(TTrackBarStateColors& t, const NormalColors& n, const HotDownColors& h) {
    t.SetColor(n.color);
    t.SetColorTo(n.colorTo);
    t.SetColorMirror(n.mirror);
    t.SetColorMirrorTo(n.mirrorTo);
    t.SetBorderColor(n.border);
    t.SetColorHot(h.hot);
    t.SetColorHotTo(h.hotTo);
    t.SetColorMirrorHot(h.mirrorHot);
    t.SetColorMirrorHotTo(h.mirrorHotTo);
    t.SetBorderColorHot(h.borderHot);
    t.SetColorDown(h.down);
    t.SetColorDownTo(h.downTo);
    t.SetColorMirrorDown(h.mirrorDown);
    t.SetColorMirrorDownTo(h.mirrorDownTo);
    t.SetBorderColorDown(h.borderDown);
}

}  // namespace

void TCustomTrackBar::SetComponentStyle(TTrackBarStyle style) {
    FSlider->SetOffset(10);
    for (TGDIPPicture* p : {&FSlider->Picture(), &FSlider->PictureDisabled(), &FSlider->PictureCompleted(),
                            &FSlider->PictureCompletedDisabled(), &FTickMark->Picture(),
                            &FTickMark->PictureDisabled(), &FThumb->Picture(), &FThumb->PictureHot(),
                            &FThumb->PictureDown(), &FThumb->PictureDisabled()})
        p->Assign(static_cast<const TGDIPGraphic*>(nullptr));
    FSlider->SetPictureStretched(false);
    FTickMark->SetPosition(tmBottomRight);
    FThumb->SetShape(tsPointer);
    FButtons->SetSpacing(2);
    if (style != tsCustom) {
        const NormalColors& n = kNormal[style];
        const HotDownColors& h = HotDownOf(style);
        SetColors(*FThumb, n, h);
        FThumb->SetGradient(ggVertical);
        FThumb->SetGradientMirror(ggVertical);
        FSlider->SetBorderColor(n.sliderBorder);
        NormalColors b = n;
        if (style == tsOffice2003Blue) b = {16706781, 16374724, 16706781, 14854529, 10248507, 0};
        if (style == tsWindowsVista || style == tsWindows7 || style == tsTerminal) {
            b.mirror = b.color;
            b.mirrorTo = b.colorTo;
        }
        if (style == tsOffice2010Blue || style == tsOffice2010Silver || style == tsOffice2010Black) {
            b.mirror = b.colorTo;
            b.mirrorTo = b.colorTo;
        }
        SetColors(*FButtons, b, h);
        FTickMark->SetColor(FSlider->BorderColor());
    }
    update();
}
