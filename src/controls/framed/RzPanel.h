#pragma once
// The framed panel and group box. The panel has an outer border, a border-width band and an
// inner border on chosen sides, a face that is a colour, a gradient or nothing (transparent
// over its parent), an optional grid and an aligned caption. The group box adds a caption
// area in six styles; the windows use it as a transparent frame, and the band tables derive
// from it and draw on top of its Paint.
#include "RzCommon.h"
#include "RzFrameController.h"

#include "ui/LayoutProperties.h"
#include "ui/TCustomPanel.h"

#include <QPointer>
#include <QStringList>

#include <memory>
#include <vector>

class TRzPanelDockManager;

enum TRzGridStyle { gsDots, gsDottedLines, gsSolidLines };
enum TRzGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

class TRzCustomPanel : public TCustomPanel, public IFrameControllerClient, public IDefineProperties {
    Q_OBJECT
    Q_PROPERTY(int AlignmentVertical READ AlignmentVertical WRITE SetAlignmentVerticalInt)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TColor BorderHighlight READ BorderHighlight WRITE SetBorderHighlight)
    Q_PROPERTY(int BorderInner READ BorderInner WRITE SetBorderInnerInt)
    Q_PROPERTY(int BorderOuter READ BorderOuter WRITE SetBorderOuterInt)
    Q_PROPERTY(TColor BorderShadow READ BorderShadow WRITE SetBorderShadow)
    Q_PROPERTY(unsigned BorderSides READ BorderSides WRITE SetBorderSides)
    Q_PROPERTY(TColor FlatColor READ FlatColor WRITE SetFlatColor)
    Q_PROPERTY(int FlatColorAdjustment READ FlatColorAdjustment WRITE SetFlatColorAdjustment)
    Q_PROPERTY(unsigned FrameControllerNotifications READ FrameControllerNotifications WRITE SetFrameControllerNotifications)
    Q_PROPERTY(TColor GradientColorStart READ GradientColorStart WRITE SetGradientColorStart)
    Q_PROPERTY(TColor GradientColorStop READ GradientColorStop WRITE SetGradientColorStop)
    Q_PROPERTY(int GradientColorStyle READ GradientColorStyle WRITE SetGradientColorStyleInt)
    Q_PROPERTY(int GradientDirection READ GradientDirection WRITE SetGradientDirectionInt)
    Q_PROPERTY(TColor GridColor READ GridColor WRITE SetGridColor)
    Q_PROPERTY(int GridStyle READ GridStyle WRITE SetGridStyleInt)
    Q_PROPERTY(int GridXSize READ GridXSize WRITE SetGridXSize)
    Q_PROPERTY(int GridYSize READ GridYSize WRITE SetGridYSize)
    Q_PROPERTY(bool PaintClientArea READ PaintClientArea WRITE SetPaintClientArea)
    Q_PROPERTY(bool ShowDockClientCaptions READ ShowDockClientCaptions WRITE SetShowDockClientCaptions)
    Q_PROPERTY(bool ShowGrid READ ShowGrid WRITE SetShowGrid)
    Q_PROPERTY(int TextMargin READ TextMargin WRITE SetTextMargin)
    Q_PROPERTY(int TextMarginVertical READ TextMarginVertical WRITE SetTextMarginVertical)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int VisualStyle READ VisualStyle WRITE SetVisualStyleInt)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
public:
    explicit TRzCustomPanel(TComponent* owner);
    ~TRzCustomPanel() override;

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return FBorderSides; }
    virtual void SetBorderSides(TSides value);
    TColor BorderHighlight() const { return FBorderHighlight; }
    virtual void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return FBorderShadow; }
    virtual void SetBorderShadow(TColor value);
    TColor FlatColor() const { return FFlatColor; }
    virtual void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int value);
    TRzFrameController* FrameController() const { return FFrameController; }
    virtual void SetFrameController(TRzFrameController* value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications value) { FFrameControllerNotifications = value; }
    TRzGradientColorStyle GradientColorStyle() const { return FGradientColorStyle; }
    virtual void SetGradientColorStyle(TRzGradientColorStyle value);
    TColor GradientColorStart() const { return FGradientColorStart; }
    virtual void SetGradientColorStart(TColor value);
    TColor GradientColorStop() const { return FGradientColorStop; }
    virtual void SetGradientColorStop(TColor value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    virtual void SetGradientDirection(TGradientDirection value);
    TColor GridColor() const { return FGridColor; }
    virtual void SetGridColor(TColor value);
    TRzGridStyle GridStyle() const { return FGridStyle; }
    virtual void SetGridStyle(TRzGridStyle value);
    int GridXSize() const { return FGridXSize; }
    virtual void SetGridXSize(int value);
    int GridYSize() const { return FGridYSize; }
    virtual void SetGridYSize(int value);
    void SetGridSize(int xSize, int ySize);
    bool PaintClientArea() const { return FPaintClientArea; }
    virtual void SetPaintClientArea(bool value);
    bool ShowDockClientCaptions() const { return FShowDockClientCaptions; }
    void SetShowDockClientCaptions(bool value);
    // A dock site with UseDockManager gets a dock manager (null otherwise).
    void SetDockSite(bool dockSite) override;
    void SetUseDockManager(bool use) override;
    TRzPanelDockManager* DockManager() const { return FDockManager.get(); }
    bool ShowGrid() const { return FShowGrid; }
    virtual void SetShowGrid(bool value);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    int TextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    int TextMarginVertical() const { return FTextMarginVertical; }
    virtual void SetTextMarginVertical(int value);
    bool WordWrap() const { return FWordWrap; }
    virtual void SetWordWrap(bool value);
    TRzVisualStyle VisualStyle() const { return FVisualStyle; }
    virtual void SetVisualStyle(TRzVisualStyle value);

    void SetCaption(const QString& caption) override;
    void SetFont(const TFont& font) override;
    void SetBounds(int left, int top, int width, int height) override;
    TRect GetClientRect() const override;

    // The pointer's position in client coordinates.
    virtual void GetCursorClientPos(TPoint& point) const;
    // Shrinks the rectangle by BorderWidth (when asked) and by the outer and inner borders
    // on the bordered sides.
    virtual void AdjustRectForBorders(TRect& rect, bool includeBorderWidth) const;
    virtual TRect GetControlArea() const { return Rect(0, 0, Width(), Height()); }
    virtual TPoint GetRepaintMargins() const { return Point(1, 1); }
    virtual void GetGradientColors(TColor& start, TColor& stop) const;
    virtual void GetFrameColors(TColor& color, int& adjustment) const;
    void UpdateFromFrameController() override;
    void DefineProperties(TFiler& filer) override;
    // The desktop theme changed: the colour scheme is read again.
    void ThemeChanged();

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
    void EraseBackground(TCanvas& canvas) override;
    void AdjustClientRect(TRect& rect) override;
    void EnabledChanged() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    virtual void DrawCaption(const TRect& rect);
    virtual void DrawGrid(const TRect& rect);
    // Re-aligns the children and repaints (border and caption-area changes).
    void Rearranged();
    static int BorderSize(TFrameStyleEx style, int bevelWidth);
    void CreateDockManager();

private:
    void SetAlignmentVerticalInt(int v) { SetAlignmentVertical(TAlignmentVertical(v)); }
    void SetBorderInnerInt(int v) { SetBorderInner(TFrameStyleEx(v)); }
    void SetBorderOuterInt(int v) { SetBorderOuter(TFrameStyleEx(v)); }
    void SetGradientColorStyleInt(int v) { SetGradientColorStyle(TRzGradientColorStyle(v)); }
    void SetGradientDirectionInt(int v) { SetGradientDirection(TGradientDirection(v)); }
    void SetGridStyleInt(int v) { SetGridStyle(TRzGridStyle(v)); }
    void SetVisualStyleInt(int v) { SetVisualStyle(TRzVisualStyle(v)); }

    TAlignmentVertical FAlignmentVertical = avCenter;
    TFrameStyleEx FBorderInner = fsNone;
    TFrameStyleEx FBorderOuter = fsRaised;
    TSides FBorderSides = sdAllSides;
    TColor FBorderColor = clBtnFace;
    TColor FBorderHighlight = clBtnHighlight;
    TColor FBorderShadow = clBtnShadow;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    bool FPaintClientArea = true;
    TRzVisualStyle FVisualStyle = vsWinXP;
    TRzGradientColorStyle FGradientColorStyle = gcsSystem;
    TColor FGradientColorStart = clWhite;
    TColor FGradientColorStop = clBtnFace;
    TGradientDirection FGradientDirection = gdHorizontalEnd;
    TColor FGridColor = clBtnShadow;
    TRzGridStyle FGridStyle = gsDots;
    int FGridXSize = 8;
    int FGridYSize = 8;
    bool FShowGrid = false;
    bool FTransparent = false;
    int FTextMargin = 0;
    int FTextMarginVertical = 0;
    bool FWordWrap = true;
    bool FShowDockClientCaptions = true;
    bool FOwnEnabled = true;
    // The children's enabled states while the panel is disabled.
    std::vector<std::pair<QPointer<TControl>, bool>> FEnabledList;
    QPointer<TRzFrameController> FFrameController;
    TRzFrameControllerNotifications FFrameControllerNotifications = fcpAllSettings;
    std::unique_ptr<TRzPanelDockManager> FDockManager;
};

class TRzPanel : public TRzCustomPanel {
    Q_OBJECT
public:
    explicit TRzPanel(TComponent* owner) : TRzCustomPanel(owner) {}
};

class TRzCustomGroupBox : public TRzCustomPanel {
    Q_OBJECT
    Q_PROPERTY(int BannerHeight READ BannerHeight WRITE SetBannerHeight)
    Q_PROPERTY(int GroupStyle READ GroupStyle WRITE SetGroupStyleInt)
    Q_PROPERTY(TFont CaptionFont READ CaptionFont WRITE SetCaptionFont)
public:
    explicit TRzCustomGroupBox(TComponent* owner);

    int BannerHeight() const { return FBannerHeight; }
    virtual void SetBannerHeight(int value);
    TRzGroupBoxStyle GroupStyle() const { return FGroupStyle; }
    virtual void SetGroupStyle(TRzGroupBoxStyle value);
    const TFont& CaptionFont() const { return FCaptionFont; }
    virtual void SetCaptionFont(const TFont& value);
    bool CaptionFontChanged() const { return FCaptionFontChanged; }

    void SetFont(const TFont& font) override;
    void UpdateFromFrameController() override;

protected:
    // Draws the group box; derived panels call it first and draw on top.
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;
    // The caption's accelerator gives the focus to the first child that can take it.
    void WndProc(TMessage& message) override;

private:
    void SetGroupStyleInt(int v) { SetGroupStyle(TRzGroupBoxStyle(v)); }
    TRect CaptionRect(TCanvas& canvas) const;

    TRzGroupBoxStyle FGroupStyle = gsFlat;
    int FBannerHeight = 0;
    TFont FCaptionFont;
    bool FCaptionFontChanged = false;
};

class TRzGroupBox : public TRzCustomGroupBox {
    Q_OBJECT
public:
    explicit TRzGroupBox(TComponent* owner) : TRzCustomGroupBox(owner) {}
};
