#include "splash/SplashListItems.h"

#include "splash/AdvSmoothSplashScreen.h"

// ---------------------------------------------------------------- list lines

TSplashListItem::~TSplashListItem() {
    if (FCollection && FCollection->OnDeleteItem) FCollection->OnDeleteItem(FCollection, FCollection->IndexOf(this));
}

void TSplashListItem::Assign(const TSplashListItem& s) {
    if (&s == this) return;
    HTMLText = s.HTMLText;
    Tag = s.Tag;
    ImageIndex = s.ImageIndex;
}

void TSplashListItem::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) Refresh();
}

void TSplashListItem::Refresh() {
    if (FCollection && FCollection->OnChange) FCollection->OnChange(FCollection);
}

// ---------------------------------------------------------------- top layer

void TAdvSplashHTMLText::Changed() {
    if (!DisableRepaint && FOwner) FOwner->InvalidateSplashWindow();
}

void TAdvSplashHTMLText::Assign(const TAdvSplashHTMLText& s) {
    if (&s == this) return;
    FText = s.FText;
    FURLColor = s.FURLColor;
    FShadowOffset = s.FShadowOffset;
    FFont = s.FFont;
    FShadowColor = s.FShadowColor;
    FLocation = s.FLocation;
    FLeft = s.FLeft;
    FTop = s.FTop;
    Changed();
}

TAdvSplashTopLayerItem::TAdvSplashTopLayerItem(TAdvSmoothSplashScreen* owner) : FOwner(owner), FHTMLText(owner) {
    FFill.OnChange = [this](TGDIPFill*) { Changed(); };
    Changed();
}

TAdvSplashTopLayerItem::~TAdvSplashTopLayerItem() {
    FFill.OnChange = nullptr;
    Changed();
}

void TAdvSplashTopLayerItem::Changed() {
    if (FOwner) FOwner->InvalidateSplashWindow();
}

void TAdvSplashTopLayerItem::Assign(const TAdvSplashTopLayerItem& s) {
    if (&s == this) return;
    FHTMLText.Assign(s.FHTMLText);
    FVisible = s.FVisible;
    FTop = s.FTop;
    FLeft = s.FLeft;
    FHeight = s.FHeight;
    FWidth = s.FWidth;
    FFill.Assign(s.FFill);
    FAlign = s.FAlign;
    Changed();
}


QPoint LocationOffset(TAdvSmoothSplashScreenLocation location, const TGPRectF& r, int tw, int th) {
    const int W = RoundEven(r.Width), H = RoundEven(r.Height);
    const int column = int(location) % 3, row = int(location) / 3;
    const int dx = column == 0 ? 0 : column == 1 ? (W - tw) / 2 : W - tw;
    const int dy = row == 0 ? 0 : row == 1 ? (H - th) / 2 : H - th;
    return QPoint(RoundEven(r.X) + dx, RoundEven(r.Y) + dy);
}
