#include "splash/SplashItems.h"

#include "splash/AdvSmoothSplashScreen.h"

#include <cmath>
#include <stdexcept>

TextRenderingHint RenderingHintOf(TAdvSmoothSplashScreenTextRenderingHint hint) {
    switch (hint) {
    case tAntiAlias: return TextRenderingHintAntiAlias;
    case tAntiAliasGridFit: return TextRenderingHintAntiAliasGridFit;
    default: return TextRenderingHintClearTypeGridFit;
    }
}

// ---------------------------------------------------------------- heading texts

TSplashHeadingText::TSplashHeadingText() { Font.SetName(QStringLiteral("Tahoma")); }

void TSplashHeadingText::SetText(const QString& text) {
    if (text == FText) return;
    FText = text;
    if (OnChange) OnChange(this);
}

void TSplashHeadingText::Assign(const TSplashHeadingText& s) {
    if (&s == this) return;
    OpacityStart = s.OpacityStart;
    OpacityEnd = s.OpacityEnd;
    PosY = s.PosY;
    PosX = s.PosX;
    FText = s.FText;
    FPicture.Assign(&s.FPicture);
    GradientType = s.GradientType;
    ColorEnd = s.ColorEnd;
    ColorStart = s.ColorStart;
    Font = s.Font;
    HatchStyle = s.HatchStyle;
    Location = s.Location;
    Angle = s.Angle;
}

TBasicProgramInfo::TBasicProgramInfo() {
    FProgramName.Font.SetSize(14);
    FProgramName.Font.SetStyle(fsBold);
    FProgramVersion.Font.SetSize(14);
    FProgramVersion.PosX = 80;
    FProgramVersion.PosY = 100;
    auto relay = [this](TSplashHeadingText*) {
        if (OnChange) OnChange(this);
    };
    FProgramName.OnChange = relay;
    FProgramVersion.OnChange = relay;
}

void TBasicProgramInfo::Assign(const TBasicProgramInfo& s) {
    if (&s == this) return;
    AutoLoad = s.AutoLoad;
    CopyRightFont = s.CopyRightFont;
    CopyRightLocation = s.CopyRightLocation;
    CopyRightPosX = s.CopyRightPosX;
    CopyRightPosY = s.CopyRightPosY;
    CopyRight = s.CopyRight;
    FProgramName.Assign(s.FProgramName);
    FProgramVersion.Assign(s.FProgramVersion);
}

// ---------------------------------------------------------------- items

TSplashItem::TSplashItem(TSplashItems* collection) : FCollection(collection) {}

TSplashItem::~TSplashItem() {
    if (FCollection && FCollection->OnDeleteItem) FCollection->OnDeleteItem(FCollection, FCollection->IndexOf(this));
}

void TSplashItem::Assign(const TSplashItem& s) {
    if (&s == this) return;
    Text = s.Text;
    Tag = s.Tag;
    ImageIndex = s.ImageIndex;
    FPicture.Assign(&s.FPicture);
    PosX = s.PosX;
    PosY = s.PosY;
}

void TSplashItem::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) Refresh();
}

void TSplashItem::Refresh() {
    if (!FCollection || !FCollection->Owner()) return;
    FCollection->Owner()->InvalidateSplashWindow();
}

// ---------------------------------------------------------------- painters

QSize DrawHeadingText(TGPGraphics* g, const QString& text, QPointF point, const TFont& font,
                      TAdvGradientType gradientType, TAdvGDIPPicture* picture, ::HatchStyle hatch,
                      std::uint8_t opacityStart, std::uint8_t opacityEnd, TColor colorStart, TColor colorEnd,
                      bool measureOnly, int angle, TAdvSmoothSplashScreenTextRenderingHint rendering) {
    if (text.isEmpty() || !g) return {0, 0};
    g->SetTextRenderingHint(RenderingHintOf(rendering));
    int style = 0;
    if (font.Style() & fsBold) style += 1;
    if (font.Style() & fsItalic) style += 2;
    if (font.Style() & fsUnderline) style += 4;
    TGPFontFamily family(font.Name());
    const TStatus status = family.GetLastStatus();
    std::unique_ptr<TGPFontFamily> fallback;
    if (status == TStatus::FontFamilyNotFound || status == TStatus::FontStyleNotFound)
        fallback = std::make_unique<TGPFontFamily>(QStringLiteral("Arial"));
    TGPFont gpFont(fallback ? fallback.get() : &family, float(font.Size()), style, UnitPoint);
    TGPStringFormat format(0, 0);
    format.SetAlignment(StringAlignmentNear);
    const float x = float(point.x()), y = float(point.y());
    TGPRectF box;
    g->MeasureString(text, -1, &gpFont, TGPRectF{x, y, 1500, 500}, &format, box);
    const QSize size(RoundEven(box.Width), RoundEven(box.Height));
    if (measureOnly) return size;
    const ARGB start = AlphaArgb(opacityStart, colorStart), end = AlphaArgb(opacityEnd, colorEnd);
    if (colorEnd == clNone && gradientType != gtTexture && gradientType != gtNone) gradientType = gtSolid;
    const float w = box.Width, h = box.Height;
    std::unique_ptr<TGPBrush> brush;
    std::shared_ptr<TGPImage> texture;
    switch (gradientType) {
    case gtSolid: brush = std::make_unique<TGPSolidBrush>(start); break;
    case gtVertical: brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x, y + h}, start, end); break;
    case gtHorizontal: brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x + w, y}, start, end); break;
    case gtForwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y}, TGPPointF{x + w, y + h}, start, end);
        break;
    case gtBackwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{x, y + h}, TGPPointF{x + w, y}, end, start);
        break;
    case gtAngle: {
        auto linear = std::make_unique<TGPLinearGradientBrush>(
            TGPRectF{x, y, float(RoundEven(w + 10)), h + 10}, start, end, float(angle), true);
        linear->SetGammaCorrection(true);
        brush = std::move(linear);
        break;
    }
    case gtHatch: brush = std::make_unique<TGPHatchBrush>(hatch, start, end); break;
    case gtTexture:
        if (picture && !picture->Empty()) {
            texture = picture->Decode();
            if (texture) brush = std::make_unique<TGPTextureBrush>(texture.get(), WrapModeTile);
        }
        break;
    default: break;
    }
    if (brush)
        g->DrawString(text, -1, &gpFont, TGPRectF{x, y, float(RoundEven(w + 10)), h + 10}, &format, brush.get());
    return size;
}

void DrawItemPicture(TGPGraphics* g, QPoint point, TAdvGDIPPicture& picture) {
    const auto image = picture.Decode();
    if (!g || !image || image->Native().isNull()) return;
    const int w = int(image->GetWidth()), h = int(image->GetHeight());
    if (image->GetFormat() == ifPNG) {
        g->DrawImageRect(image.get(), point.x(), point.y(), w, h);
        return;
    }
    ARGB key = 0;
    if (image->GetPixel(0, h - 1, key) != TStatus::Ok) return;
    key |= 0xFF000000;
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
    g->DrawImage(image.get(), TGPRectF{float(point.x()), float(point.y()), float(w), float(h)}, 0, 0, float(w),
                 float(h), UnitPixel, &attributes);
}
