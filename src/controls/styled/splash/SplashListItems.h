#pragma once
// The splash screen's mini-HTML content: the list lines (a start-up log in one list
// rectangle that scrolls up when full) with their settings, and the top-layer items (filled
// rectangles carrying an HTML text).
#include "GDIPFill.h"

#include "splash/SplashCollection.h"

#include "graphics/TFont.h"
#include "graphics/Types.h"
#include "ui/TControl.h"

#include <QPoint>

#include <functional>
#include <memory>
#include <vector>
#include "StyledProperty.h"

class TAdvSmoothSplashScreen;
class TSplashListItems;

class TSplashListItem {
public:
    explicit TSplashListItem(TSplashListItems* collection) : FCollection(collection) {}
    ~TSplashListItem();
    TSplashListItem(const TSplashListItem&) = delete;
    TSplashListItem& operator=(const TSplashListItem&) = delete;
    void Assign(const TSplashListItem& source);
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // Announces the change through the collection.
    void Refresh();

    QString HTMLText;
    int ImageIndex = -1;
    int Tag = 0;
    // Where the last layout put the line; top and bottom -1 when scrolled out.
    TRect DisplayRect{-1, -1, -1, -1};

private:
    TSplashListItems* FCollection;
    int FUpdateCount = 0;
};

class TSplashListItems : public TSplashCollection<TSplashListItems, TSplashListItem> {
public:
    explicit TSplashListItems(TAdvSmoothSplashScreen* owner) : FOwner(owner) {}
    TAdvSmoothSplashScreen* Owner() const { return FOwner; }

private:
    TAdvSmoothSplashScreen* FOwner;
};

struct TListItemsRect {
    int Height = 200, Left = 30, Width = 300, Top = 150;
    TRect GetRect() const { return TRect{Left, Top, Left + Width, Top + Height}; }
};

struct TSplashListItemsSettings {
    TSplashListItemsSettings() { HTMLFont.SetName(QStringLiteral("Tahoma")); }
    int Space = 8;
    int HTMLShadowOffset = 5;
    TColor HTMLURLColor = clBlue;
    TColor HTMLShadowColor = clGray;
    TFont HTMLFont;
    TListItemsRect Rect;
};

enum TAdvSmoothSplashScreenLocation {
    cpTopLeft, cpTopCenter, cpTopRight, cpCenterLeft, cpCenterCenter, cpCenterRight, cpBottomLeft, cpBottomCenter,
    cpBottomRight, cpCustom
};

// The HTML text of a top-layer item; a change invalidates the splash window.
class TAdvSplashHTMLText {
public:
    explicit TAdvSplashHTMLText(TAdvSmoothSplashScreen* owner) : FOwner(owner) {}
    void Assign(const TAdvSplashHTMLText& source);

#define Q7K_HTML_PROP(Type, Name) Q7K_STYLED_PROPERTY(Type, Name, Changed())
    Q7K_HTML_PROP(QString, Text)
    Q7K_HTML_PROP(TColor, URLColor)
    Q7K_HTML_PROP(int, ShadowOffset)
    Q7K_HTML_PROP(TColor, ShadowColor)
    Q7K_HTML_PROP(TAdvSmoothSplashScreenLocation, Location)
    Q7K_HTML_PROP(int, Top)
    Q7K_HTML_PROP(int, Left)
#undef Q7K_HTML_PROP
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) {
        FFont = font;
        Changed();
    }
    bool DisableRepaint = false;

private:
    void Changed();
    TAdvSmoothSplashScreen* FOwner;
    TColor FURLColor = clBlue;
    int FShadowOffset = 5;
    TFont FFont;
    QString FText;
    TColor FShadowColor = clGray;
    TAdvSmoothSplashScreenLocation FLocation = cpTopLeft;
    int FTop = 0, FLeft = 0;
};


class TAdvSplashTopLayerItem {
public:
    explicit TAdvSplashTopLayerItem(TAdvSmoothSplashScreen* owner);
    ~TAdvSplashTopLayerItem();
    TAdvSplashTopLayerItem(const TAdvSplashTopLayerItem&) = delete;
    TAdvSplashTopLayerItem& operator=(const TAdvSplashTopLayerItem&) = delete;
    void Assign(const TAdvSplashTopLayerItem& source);

#define Q7K_TOP_PROP(Type, Name) Q7K_STYLED_PROPERTY(Type, Name, Changed())
    Q7K_TOP_PROP(TAlign, Align)
    Q7K_TOP_PROP(int, Width)
    Q7K_TOP_PROP(bool, Visible)
    Q7K_TOP_PROP(int, Top)
    Q7K_TOP_PROP(int, Height)
    Q7K_TOP_PROP(int, Left)
#undef Q7K_TOP_PROP
    TGDIPFill& Fill() { return FFill; }
    TAdvSplashHTMLText& HTMLText() { return FHTMLText; }

private:
    void Changed();
    TAdvSmoothSplashScreen* FOwner;
    TAlign FAlign = alCustom;
    TAdvSplashHTMLText FHTMLText;
    int FWidth = 100;
    bool FVisible = true;
    int FTop = 0, FHeight = 100, FLeft = 0;
    TGDIPFill FFill;
};

class TAdvSplashTopLayerItems : public TSplashCollection<TAdvSplashTopLayerItems, TAdvSplashTopLayerItem> {
public:
    explicit TAdvSplashTopLayerItems(TAdvSmoothSplashScreen* owner) : FOwner(owner) {}

private:
    friend class TSplashCollection<TAdvSplashTopLayerItems, TAdvSplashTopLayerItem>;
    // Top-layer items refer to the splash component, not to their collection.
    std::unique_ptr<TAdvSplashTopLayerItem> NewItem() { return std::make_unique<TAdvSplashTopLayerItem>(FOwner); }
    TAdvSmoothSplashScreen* FOwner;
};

// Where a text of tw x th goes in r for a location (not cpCustom).
QPoint LocationOffset(TAdvSmoothSplashScreenLocation location, const TGPRectF& r, int tw, int th);
