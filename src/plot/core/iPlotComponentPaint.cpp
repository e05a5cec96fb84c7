// The plot's paint pass: the layout of the layout objects in rings around the data view,
// then the drawing by kind and layer.
#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "graphics/TBitmap.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotLegend.h"
#include "objects/iPlotToolBar.h"
#include "rtl/RtlMath.h"

#include <algorithm>
#include <climits>
#include <map>

namespace {

using Kind = TiPlotObjectKind;

bool IsCartesian(const TiPlotObject* o) {
    return IsAxis(o) && static_cast<const TiPlotAxis*>(o)->CartesianStyle() != ipcsNone;
}

bool ForcesStacking(const TiPlotLayoutObject* o) { return o->ForceStacking(); }

int RoundInt(double v) { return int(Round(v)); }

// The thickest member of each ZOrder of a side (cartesian axes left out).
std::map<int, int> RingSizes(const std::vector<TiPlotLayoutObject*>& side, TCanvas& canvas) {
    std::map<int, int> sizes;
    for (TiPlotLayoutObject* o : side) {
        if (IsCartesian(o)) continue;
        int& s = sizes[o->ZOrder()];
        s = std::max(s, o->GetRequiredWidth(canvas));
    }
    return sizes;
}

int RingSize(const std::map<int, int>& sizes, int zOrder) {
    const auto it = sizes.find(zOrder);
    return it == sizes.end() ? 0 : it->second;
}

// The sum of the ring sizes of a side, one per ZOrder.
int SideThickness(const std::vector<TiPlotLayoutObject*>& side, const std::map<int, int>& sizes) {
    int total = 0;
    bool first = true;
    int previous = 0;
    for (const TiPlotLayoutObject* o : side) {
        if (first || o->ZOrder() != previous) total += RingSize(sizes, o->ZOrder());
        first = false;
        previous = o->ZOrder();
    }
    return total;
}

// Sets the stacking flags of one side.
void Stack(const std::vector<TiPlotLayoutObject*>& side) {
    for (TiPlotLayoutObject* o : side) {
        o->SetStartStacked(false);
        o->SetStopStacked(false);
    }
    TiPlotLayoutObject* previous = nullptr;
    for (TiPlotLayoutObject* o : side) {
        if (IsCartesian(o)) continue;
        if (ForcesStacking(o)) {
            o->SetStartStacked(true);
            o->SetStopStacked(true);
        } else if (previous && o->ZOrder() == previous->ZOrder()) {
            previous->SetStopStacked(true);
            o->SetStartStacked(true);
        }
        previous = o;
    }
}

// The largest end space of a side's objects not stacked at that end.
int EndSpace(const std::vector<TiPlotLayoutObject*>& side, TCanvas& canvas, bool startEnd) {
    int space = 0;
    for (TiPlotLayoutObject* o : side) {
        if (IsCartesian(o)) continue;
        if (startEnd ? o->StartStacked() : o->StopStacked()) continue;
        space = std::max(space, o->GetRequiredEndSpace(canvas));
    }
    return space;
}

}  // namespace

void TiPlotComponent::AddCollisionRect(const TRect& rect) { FAxesCollisionList.push_back(rect); }

bool TiPlotComponent::CheckCollisionRect(const TRect& r) {
    for (const TRect& c : FAxesCollisionList)
        if (r.Left < c.Right && c.Left < r.Right && r.Top < c.Bottom && c.Top < r.Bottom) return false;
    if (!FAxesCollisionList.empty() && DataViewCount() > 0) {
        const TRect v = DataView(0)->DrawRect();
        const TRect u{std::min(r.Left, v.Left), std::min(r.Top, v.Top), std::max(r.Right, v.Right),
                      std::max(r.Bottom, v.Bottom)};
        if (!(u == v)) return false;
    }
    AddCollisionRect(r);
    return true;
}

void TiPlotComponent::CalcLayout(TCanvas& canvas) {
    TiPlotLayoutManager* layout = FMaster->LayoutManager();
    TiPlotDataView* view = DataView(0);
    const int b = BorderStyle() != ibsNone ? 2 : 0;

    // 1. The visible members of the side lists.
    auto visible = [](const TiPlotSideList& list, std::vector<TiPlotLayoutObject*>& out) {
        out.clear();
        for (const auto& e : list)
            if (e.second->Visible()) out.push_back(e.second);
    };
    visible(layout->LeftList(), FVisibleListLeft);
    visible(layout->RightList(), FVisibleListRight);
    visible(layout->TopList(), FVisibleListTop);
    visible(layout->BottomList(), FVisibleListBottom);

    // 2. Stacking.
    for (auto* side : {&FVisibleListLeft, &FVisibleListRight, &FVisibleListTop, &FVisibleListBottom}) Stack(*side);

    // 3. End margins.
    const int mL = std::max({0, EndSpace(FVisibleListTop, canvas, true), EndSpace(FVisibleListBottom, canvas, true)});
    const int mR =
        std::max({0, EndSpace(FVisibleListTop, canvas, false), EndSpace(FVisibleListBottom, canvas, false)});
    const int mB = std::max({0, EndSpace(FVisibleListLeft, canvas, true), EndSpace(FVisibleListRight, canvas, true)});
    int mT = std::max({0, EndSpace(FVisibleListLeft, canvas, false), EndSpace(FVisibleListRight, canvas, false)});

    // 4. Side thickness.
    const auto leftSizes = RingSizes(FVisibleListLeft, canvas), rightSizes = RingSizes(FVisibleListRight, canvas);
    const auto topSizes = RingSizes(FVisibleListTop, canvas), bottomSizes = RingSizes(FVisibleListBottom, canvas);
    const int L = std::max(SideThickness(FVisibleListLeft, leftSizes), mL);
    const int R = std::max(SideThickness(FVisibleListRight, rightSizes), mR);
    const int T = std::max(SideThickness(FVisibleListTop, topSizes), mT);
    const int B = std::max(SideThickness(FVisibleListBottom, bottomSizes), mB);

    // 5. The data view's rectangle.
    const bool toolBarOnTopAlone = FVisibleListTop.size() == 1 && FVisibleListTop[0]->Kind() == Kind::ToolBar;
    TRect dv;
    dv.Left = L + b + FOuterMarginLeft;
    dv.Right = Width() - (R + b + FOuterMarginRight) - 1;
    dv.Bottom = Height() - (B + b + FOuterMarginBottom) - 1;
    dv.Top = T + b + FOuterMarginTop + (toolBarOnTopAlone ? mT : 0);
    if (!toolBarOnTopAlone) mT = 0;

    // 6. Rings, walking outward from the data view.
    {
        int v = dv.Left, s = 0;
        bool any = false;
        int z = 0;
        for (auto it = FVisibleListLeft.rbegin(); it != FVisibleListLeft.rend(); ++it) {
            TiPlotLayoutObject* o = *it;
            if (!any || o->ZOrder() != z) {
                v -= s;
                s = RingSize(leftSizes, o->ZOrder());
                z = o->ZOrder();
                any = true;
            }
            TRect r = o->DrawRect();
            r.Left = v - s, r.Right = v;
            o->SetDrawRect(r);
        }
    }
    {
        int v = dv.Right, s = 0;
        bool any = false;
        int z = 0;
        for (TiPlotLayoutObject* o : FVisibleListRight) {
            if (!any || o->ZOrder() != z) {
                v += s;
                s = RingSize(rightSizes, o->ZOrder());
                z = o->ZOrder();
                any = true;
            }
            TRect r = o->DrawRect();
            r.Left = v, r.Right = v + s;
            o->SetDrawRect(r);
        }
    }
    {
        int v = dv.Top, s = 0;
        bool any = false, passedAxes = false;
        int z = 0;
        for (TiPlotLayoutObject* o : FVisibleListTop) {
            if (!passedAxes && !IsAxis(o)) {
                v -= mT;
                passedAxes = true;
            }
            if (!any || o->ZOrder() != z) {
                v -= s;
                s = RingSize(topSizes, o->ZOrder());
                z = o->ZOrder();
                any = true;
            }
            TRect r = o->DrawRect();
            if (o->Kind() == Kind::ToolBar)
                r.Top = b, r.Bottom = b + o->GetRequiredWidth(canvas);
            else
                r.Top = v - s, r.Bottom = v;
            o->SetDrawRect(r);
        }
    }
    {
        int v = dv.Bottom, s = 0;
        bool any = false;
        int z = 0;
        for (auto it = FVisibleListBottom.rbegin(); it != FVisibleListBottom.rend(); ++it) {
            TiPlotLayoutObject* o = *it;
            if (!any || o->ZOrder() != z) {
                v += s;
                s = RingSize(bottomSizes, o->ZOrder());
                z = o->ZOrder();
                any = true;
            }
            TRect r = o->DrawRect();
            r.Top = v, r.Bottom = v + s;
            o->SetDrawRect(r);
        }
    }
    view->SetDrawRect(dv);

    // 7. Extent along the side.
    const int W = dv.Right - dv.Left, H = dv.Bottom - dv.Top;
    for (TiPlotObject* object : layout->Objects()) {
        const Kind k = object->Kind();
        if (k == Kind::DataView || k == Kind::DataViewPlaceholder) continue;
        auto* o = static_cast<TiPlotLayoutObject*>(object);
        TRect r = o->DrawRect();
        const double start = o->StartPercent(), stop = o->StopPercent();
        if (o->Horizontal()) {
            if (k == Kind::ToolBar) {
                r.Left = RoundInt(start / 100 * (Width() - 2 * b)) + b;
                r.Right = RoundInt(stop / 100 * (Width() - 2 * b)) + b - 1;
            } else if (k == Kind::Label) {
                const int span = Width() - b - FOuterMarginLeft - FOuterMarginRight;
                r.Left = RoundInt(start / 100 * span) + b + FOuterMarginLeft;
                r.Right = RoundInt(stop / 100 * span) + b + FOuterMarginLeft;
            } else if (k == Kind::Legend || k == Kind::Table || IsAxis(o)) {
                r.Left = dv.Left + RoundInt(W * start / 100);
                r.Right = dv.Left + RoundInt(W * stop / 100);
            }
        } else if (k == Kind::Legend || k == Kind::Table || k == Kind::Label || IsAxis(o)) {
            r.Top = dv.Bottom - RoundInt(H * stop / 100);
            r.Bottom = dv.Bottom - RoundInt(H * start / 100);
        }
        o->SetDrawRect(r);
    }

    // 8 and 9. Cartesian axes across the data view.
    std::vector<TiPlotAxis*> axes;
    for (TiPlotObject* o : FMaster->XAxisManager()->Objects()) axes.push_back(static_cast<TiPlotAxis*>(o));
    for (TiPlotObject* o : FMaster->YAxisManager()->Objects()) axes.push_back(static_cast<TiPlotAxis*>(o));
    for (TiPlotAxis* a : axes) {
        if (a->CartesianStyle() == ipcsMaster) {
            if (a->Horizontal()) {
                const int y = (dv.Top + dv.Bottom) / 2;
                a->SetDrawRect({dv.Left, y, dv.Right, y});
            } else {
                const int x = (dv.Left + dv.Right) / 2;
                a->SetDrawRect({x, dv.Top, x, dv.Bottom});
            }
        } else if (a->CartesianStyle() == ipcsChild) {
            TiPlotAxis* ref = a->GetCartesianRefAxis();
            if (!ref) {
                a->SetDrawRect({0, 0, 0, 0});
            } else {
                const int p = ref->PositionToPixels(a->CartesianChildRefValue());
                if (a->Horizontal())
                    a->SetDrawRect({dv.Left, p, dv.Right, p});
                else
                    a->SetDrawRect({p, dv.Top, p, dv.Bottom});
            }
        }
    }

    // 10. Axes aligned to another axis of their kind.
    for (TiPlotAxis* a : axes) {
        TiPlotAxis* ref = a->GetAlignRefAxis();
        if (!ref || ref == a) continue;
        TRect r = a->DrawRect();
        const TRect rr = ref->DrawRect();
        if (a->Horizontal())
            r.Left = rr.Left, r.Right = rr.Right;
        else
            r.Top = rr.Top, r.Bottom = rr.Bottom;
        a->SetDrawRect(r);
        a->SetStartStacked(ref->StartStacked());
        a->SetStopStacked(ref->StopStacked());
        a->CalcScaleRect(canvas);
    }

    // 11. Snap the data view to the visible axes' scales (an orientation without a visible
    // axis keeps the rectangle of step 5).
    TRect snapped = dv;
    int top = Height(), bottom = 0, left = Width(), right = 0;
    bool vertical = false, horizontal = false;
    for (TiPlotAxis* a : axes) {
        if (!a->Visible()) continue;
        a->CalcScaleRect(canvas);
        const TRect s = a->ScaleRect();
        const bool alongY = (a->Kind() == Kind::YAxis) != XYAxesReverse();
        if (alongY) {
            top = std::min(top, s.Top), bottom = std::max(bottom, s.Bottom), vertical = true;
        } else {
            left = std::min(left, s.Left), right = std::max(right, s.Right), horizontal = true;
        }
    }
    if (vertical) snapped.Top = top, snapped.Bottom = bottom;
    if (horizontal) snapped.Left = left, snapped.Right = right;
    view->SetDrawRect(snapped);
}

void TiPlotComponent::iPaintToCanvas(TCanvas& canvas) {
    FPaintingActive = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{FPaintingActive};
    if (ToolBarCount() == 0 || LegendCount() == 0 || DataViewCount() == 0) return;

    TiPlotDataView* view = DataView(0);
    const TColor objectBack = view->BackgroundTransparent() ? BackGroundColor() : view->BackgroundColor();
    FAxesCollisionList.clear();
    FLayerList.clear();

    // Cursors refresh their values; one measuring every channel turns on the legend column.
    TiPlotLegend* legend = Legend(0);
    legend->SetCursorAllChannels(false);
    for (int i = 0; i < DataCursorCount(); ++i) {
        TiPlotDataCursor* c = DataCursor(i);
        c->UpdateValues();
        if (c->Visible() && c->ChannelName() == QStringLiteral("<All>") && c->ChannelShowAllInLegend())
            legend->SetCursorAllChannels(true);
    }

    auto forAxes = [this](auto&& f) {
        for (TiPlotObject* o : FMaster->XAxisManager()->Objects()) f(static_cast<TiPlotAxis*>(o));
        for (TiPlotObject* o : FMaster->YAxisManager()->Objects()) f(static_cast<TiPlotAxis*>(o));
    };
    forAxes([&](TiPlotAxis* a) { a->CalcTicks(canvas); });
    CalcLayout(canvas);
    CalcLayout(canvas);
    forAxes([&](TiPlotAxis* a) { a->CalcTicks(canvas); });

    for (TiPlotObject* o : FMaster->ChannelManager()->Objects()) o->SetCanDraw(canvas);
    forAxes([&](TiPlotAxis* a) { a->SetCanDraw(canvas); });

    for (TiPlotObject* o : FMaster->AnnotationManager()->Objects()) o->SetPaintDataView(view, XYAxesReverse());
    for (TiPlotObject* o : FMaster->DataCursorManager()->Objects()) o->SetPaintDataView(view, XYAxesReverse());

    // Background.
    if (FBackGroundGradientEnabled) {
        canvas.ClearClipRect();
        canvas.SetClipRect({0, 0, Width(), Height()});
        FillGradientRect(canvas, {0, 0, Width(), Height()}, FBackGroundGradientDirection,
                         FBackGroundGradientStartColor, FBackGroundGradientStopColor);
        canvas.ClearClipRect();
    } else {
        DrawBackGround(canvas, BackGroundColor());
    }
    view->DrawBackground(canvas);

    // The layer list: among equal keys the object added last comes first.
    std::vector<std::pair<QString, TiPlotObject*>> entries;
    auto add = [&](TiPlotObject* o, char letter) { entries.push_back({o->GetLayerKey() + QLatin1Char(letter), o}); };
    for (TiPlotObject* o : FMaster->LimitManager()->Objects())
        if (o->FillsDataViewArea()) add(o, 'A');
    add(view, 'B');
    for (TiPlotObject* o : FMaster->LimitManager()->Objects())
        if (!o->FillsDataViewArea()) add(o, 'C');
    for (TiPlotObject* o : FMaster->YAxisManager()->Objects())
        if (IsCartesian(o)) add(o, 'D');
    for (TiPlotObject* o : FMaster->XAxisManager()->Objects())
        if (IsCartesian(o)) add(o, 'E');
    for (TiPlotObject* o : FMaster->ChannelManager()->Objects())
        if (o->CanDraw()) add(o, 'F');
    for (TiPlotObject* o : FMaster->AnnotationManager()->Objects()) add(o, 'G');
    std::reverse(entries.begin(), entries.end());
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    FLayerList = entries;

    const TRect dv = view->DrawRect();
    for (const auto& [key, object] : FLayerList) {
        canvas.SetClipRect({dv.Left, dv.Top, dv.Right + 1, dv.Bottom + 1});
        struct Unclip {
            TCanvas& c;
            ~Unclip() { c.ClearClipRect(); }
        } unclip{canvas};
        object->Draw(canvas, objectBack);
    }
    view->DrawZoomBox(canvas);

    // The objects around the data view.
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = BackGroundColor();
    DrawBorder(canvas);
    for (TiPlotObject* o : FMaster->XAxisManager()->Objects())
        if (!IsCartesian(o)) o->Draw(canvas, BackGroundColor());
    for (TiPlotObject* o : FMaster->YAxisManager()->Objects())
        if (!IsCartesian(o)) o->Draw(canvas, BackGroundColor());
    for (TiPlotObject* o : FMaster->LabelManager()->Objects()) o->Draw(canvas, BackGroundColor());
    for (TiPlotObject* o : FMaster->ToolBarManager()->Objects()) o->Draw(canvas, BackGroundColor());
    for (TiPlotObject* o : FMaster->DataCursorManager()->Objects()) o->Draw(canvas, objectBack);
    for (TiPlotObject* o : FMaster->LegendManager()->Objects()) o->Draw(canvas, BackGroundColor());
    for (TiPlotObject* o : FMaster->TableManager()->Objects()) o->Draw(canvas, BackGroundColor());

    // The hint box.
    if (FHintData.Visible) {
        canvas.Font = FHintsFont.Font();
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clInfoBk;
        canvas.Font.SetColor(clInfoText);
        canvas.Pen.Style = psClear;
        canvas.Rectangle(FHintData.Left, FHintData.Top, FHintData.Left + FHintData.Width,
                         FHintData.Top + FHintData.Height);
        TRect r{FHintData.Left, FHintData.Top, FHintData.Left + FHintData.Width, FHintData.Top + FHintData.Height};
        DrawTextFlags(canvas, FHintData.Text, r, clInfoBk, true, itfCenter | itfVCenter | itfSingleLine | itfNoClip);
        canvas.Pen.Style = psSolid;
        FHintShowing = true;
    } else {
        FHintShowing = false;
    }
    FPaintingActive = false;
    if (OnAfterPaint) OnAfterPaint(this);
}

void TiPlotComponent::ReCalcLayout() {
    TBitmap bitmap;
    bitmap.SetSize(Width(), Height());
    iPaintToCanvas(bitmap.Canvas());
}
