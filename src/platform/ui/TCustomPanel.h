#pragma once
// The framework's panel base: a windowed container that draws itself, with a caption
// alignment, a border width inside its edge (the aligned controls keep clear of it) and
// the choice of repainting all of itself or only what a resize uncovered.
#include "ui/TCustomControl.h"

class TCustomPanel : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignmentInt)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE SetFullRepaint)
    Q_PROPERTY(bool DockSite READ DockSite WRITE SetDockSite)
    Q_PROPERTY(bool UseDockManager READ UseDockManager WRITE SetUseDockManager)
public:
    explicit TCustomPanel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment alignment);
    int BevelWidth() const { return FBevelWidth; }
    virtual void SetBevelWidth(int width);
    int BorderWidth() const { return FBorderWidth; }
    virtual void SetBorderWidth(int width);
    bool FullRepaint() const { return FFullRepaint; }
    // Without a full repaint a resize repaints only what the panel asks for (it keeps its
    // drawn content where it did not change).
    void SetFullRepaint(bool fullRepaint) {
        FFullRepaint = fullRepaint;
        setAttribute(Qt::WA_StaticContents, !fullRepaint);
    }
    bool DockSite() const { return FDockSite; }
    virtual void SetDockSite(bool dockSite);
    bool UseDockManager() const { return FUseDockManager; }
    virtual void SetUseDockManager(bool use) { FUseDockManager = use; }

protected:
    // The aligned controls keep clear of the border width.
    void AdjustClientRect(TRect& rect) override;

private:
    void SetAlignmentInt(int alignment) { SetAlignment(TAlignment(alignment)); }

    TAlignment FAlignment = taCenter;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    bool FFullRepaint = true;
    bool FDockSite = false;
    bool FUseDockManager = true;
};

// The framework's panel: a face in Color inside an outer and an inner bevel.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(int BevelInner READ BevelInner WRITE SetBevelInnerInt)
    Q_PROPERTY(int BevelOuter READ BevelOuter WRITE SetBevelOuterInt)
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void Paint() override;

private:
    void SetBevelInnerInt(int v) { SetBevelInner(TBevelCut(v)); }
    void SetBevelOuterInt(int v) { SetBevelOuter(TBevelCut(v)); }

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
};
