#include "objects/iPlotLayoutViewer.h"

#include "core/iPlotDrawing.h"
#include "core/iPlotTranslation.h"
#include "rtl/RtlMath.h"

#include <cmath>

namespace {

bool IsDataViewKind(const TiPlotLayoutObject* o) {
    return o->Kind() == TiPlotObjectKind::DataView || o->Kind() == TiPlotObjectKind::DataViewPlaceholder;
}

// Axes share a band with axes; labels with labels and legends.
bool MayShare(const TiPlotLayoutObject* a, const TiPlotLayoutObject* b) {
    using K = TiPlotObjectKind;
    if (IsAxis(a) && IsAxis(b)) return true;
    const K ka = a->Kind(), kb = b->Kind();
    return (ka == K::Label && (kb == K::Label || kb == K::Legend)) || (ka == K::Legend && kb == K::Label);
}

}  // namespace

TiPlotLayoutViewer::TiPlotLayoutViewer(TComponent* owner) : TiCustomComponent(owner) {
    FFont.SetName(QStringLiteral("Arial"));
    FFont.SetSize(10);
}

TiPlotLayoutViewer::~TiPlotLayoutViewer() = default;

std::vector<TiPlotLayoutObject*> TiPlotLayoutViewer::Objects() const {
    std::vector<TiPlotLayoutObject*> list;
    if (!FLayoutManager) return list;
    for (int i = 0; i < FLayoutManager->Count(); ++i) list.push_back(FLayoutManager->GetItem(i));
    return list;
}

TiPlotLayoutObject* TiPlotLayoutViewer::GetMouseOverBlock(int x, int y) const {
    for (TiPlotLayoutObject* o : Objects())
        if (o->Kind() != TiPlotObjectKind::DataViewPlaceholder && o->LayoutRect().Contains(x, y)) return o;
    return nullptr;
}

TBlockObject* TiPlotLayoutViewer::GetMouseOverBlock2(int x, int y) const {
    for (const auto& b : FBlockList) {
        const TRect& r = b->ARect;
        if (!r.Contains(x, y)) continue;
        if (b->ToolBar && y < (r.Top + r.Bottom) / 2) continue;
        if (b->DataView) {
            const bool nearEdge = b->Horizontal ? (y < r.Top + FCellWidth || y >= r.Bottom - FCellWidth)
                                                : (x < r.Left + FCellWidth || x >= r.Right - FCellWidth);
            if (!nearEdge) continue;
        }
        return b.get();
    }
    return nullptr;
}

void TiPlotLayoutViewer::Layout() {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    DoLayout(canvas);
}

void TiPlotLayoutViewer::DoLayout(TCanvas& canvas) {
    FViewRect = {5, 5, Width() - 5, Height() - 5};
    if (!FLayoutManager) return;
    canvas.Font = FFont;
    FCellWidth = Round(1.1 * canvas.TextHeight(QStringLiteral("ABC")));
    const int cell = FCellWidth;
    FLayoutManager->UpdateSideLists();
    const int L = FLayoutManager->LeftUniqueCount(), R = FLayoutManager->RightUniqueCount();
    const int T = FLayoutManager->TopUniqueCount(), B = FLayoutManager->BottomUniqueCount();
    FDataViewRect = {FViewRect.Left + L * cell, FViewRect.Top + T * cell, FViewRect.Right - R * cell,
                     FViewRect.Bottom - B * cell};
    FDataViewWidth = FDataViewRect.Right - FDataViewRect.Left;
    FDataViewHeight = FDataViewRect.Bottom - FDataViewRect.Top;
    const TRect& dv = FDataViewRect;

    if (!FDragOverRefBlock2) {
        FBlockList.clear();
        auto add = [this](TRect r, int z, bool horizontal, bool dataView = false, bool toolBar = false) {
            FBlockList.push_back(std::make_unique<TBlockObject>(TBlockObject{r, z, horizontal, dataView, toolBar}));
        };
        for (int i = 0; i < L; ++i) add({FViewRect.Left + i * cell, dv.Top, FViewRect.Left + (i + 1) * cell, dv.Bottom}, i, false);
        add(dv, L, false, true);
        for (int i = 0; i < R; ++i) add({dv.Right + i * cell, dv.Top, dv.Right + (i + 1) * cell, dv.Bottom}, L + 1 + i, false);
        for (int i = 0; i < T; ++i)
            add({FViewRect.Left, FViewRect.Top + i * cell, FViewRect.Right, FViewRect.Top + (i + 1) * cell}, T + B - i, true,
                false, i == 0);
        add(dv, B, true, true);
        for (int i = 0; i < B; ++i)
            add({FViewRect.Left, dv.Bottom + i * cell, FViewRect.Right, dv.Bottom + (i + 1) * cell}, B - 1 - i, true);
    }
    SetObjectRects();
}

void TiPlotLayoutViewer::SetObjectRects() {
    const int cell = FCellWidth;
    const TRect& dv = FDataViewRect;
    const int viewWidth = FViewRect.Right - FViewRect.Left;
    for (TiPlotLayoutObject* o : Objects()) {
        if (IsDataViewKind(o)) {
            o->SetLayoutRect(dv);
            continue;
        }
        const int z = o->ZOrder();
        TRect r{};
        if (o->Horizontal()) {
            const int d = FLayoutManager->DataViewHorz()->ZOrder();
            if (z > d)
                r.Top = dv.Top - (z - d) * cell, r.Bottom = dv.Top - (z - d - 1) * cell;
            else
                r.Top = dv.Bottom + (d - z - 1) * cell, r.Bottom = dv.Bottom + (d - z) * cell;
            const int left = IsAxis(o) ? dv.Left : FViewRect.Left;
            const int width = IsAxis(o) ? FDataViewWidth : viewWidth;
            r.Left = left + Round(width * o->StartPercent() / 100);
            r.Right = left + Round(width * o->StopPercent() / 100);
        } else {
            const int d = FLayoutManager->DataViewVert()->ZOrder();
            if (z > d)
                r.Left = dv.Right + (z - d - 1) * cell, r.Right = dv.Right + (z - d) * cell;
            else
                r.Left = dv.Left - (d - z) * cell, r.Right = dv.Left - (d - z - 1) * cell;
            r.Top = dv.Bottom - Round(FDataViewHeight * o->StopPercent() / 100);
            r.Bottom = dv.Bottom - Round(FDataViewHeight * o->StartPercent() / 100);
        }
        o->SetLayoutRect(r);
    }
}

void TiPlotLayoutViewer::iPaintToCanvas(TCanvas& canvas) {
    DoLayout(canvas);
    canvas.Pen.Style = psClear;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = 0xFF0000;  // blue
    canvas.FillRect(canvas.ClipRect().value_or(TRect{0, 0, Width(), Height()}));
    canvas.Brush.Color = clWhite;
    canvas.FillRect(FViewRect);
    if (!FLayoutManager) return;

    canvas.Font = FFont;
    for (TiPlotLayoutObject* o : Objects()) {
        if (o->Kind() == TiPlotObjectKind::DataView || o == FLayoutManager->DataViewVert()) continue;
        const TRect r = o->LayoutRect();
        if (r.Right <= r.Left || r.Bottom <= r.Top) continue;  // no room: nothing to draw
        const TColor fill = o == FSelectedBlock ? TColor(0x00FFFF) : TColor(0xC0C0C0);
        canvas.Brush.Color = fill;
        canvas.Brush.Style = bsSolid;
        if (!o->Visible()) {
            // Hidden: cross-hatched on white.
            canvas.Brush.Color = clWhite;
            canvas.FillRect(r);
            canvas.Brush.Color = fill;
            canvas.Brush.Style = bsDiagCross;
        }
        canvas.FillRect(r);
        canvas.Brush.Style = bsClear;
        const QString name = FTranslationManager ? FTranslationManager->FindReplacement(o->Name()) : o->Name();
        TRect out{};
        canvas.Font.SetColor(clBlack);
        DrawRotatedText(canvas, name, r, out, fill, true, 0, o->Horizontal() ? ira000 : ira090);
    }

    // Drag feedback.
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 2;
    canvas.Brush.Style = bsClear;
    const int cell = FCellWidth;
    if (FOverLayoutObject) {
        canvas.Rectangle(FOverLayoutObject->LayoutRect());
    } else if (FDragOverRefBlock2) {
        const TBlockObject& b = *FDragOverRefBlock2;
        TRect r = b.ARect;
        const bool below = FInsertDirection == iidBelow, above = FInsertDirection == iidAbove;
        if (b.Horizontal) {
            const int dy = below ? cell / 2 : above ? -(cell / 2 - 1) : 0;
            r.Top += dy, r.Bottom += dy;
        } else {
            const int dx = below ? -(cell / 2) : above ? cell / 2 + 1 : 0;
            r.Left += dx, r.Right += dx;
        }
        if (b.DataView && (below || above)) {
            if (b.Horizontal) {
                const int edge = below ? FDataViewRect.Bottom : FDataViewRect.Top;
                r = {FViewRect.Left, edge - cell / 2, FViewRect.Right, edge - cell / 2 + cell};
            } else {
                const int edge = below ? FDataViewRect.Left : FDataViewRect.Right;
                r = {edge - cell / 2, r.Top, edge - cell / 2 + cell, r.Bottom};
            }
        }
        canvas.Rectangle(r);
    }
    canvas.Pen.Width = 1;
}

void TiPlotLayoutViewer::Changed() {
    if (OnChange) OnChange(this);
}

void TiPlotLayoutViewer::iMouseDown(TMouseButton, TShiftState shift, int x, int y) {
    if (!FLayoutManager) return;
    TiPlotLayoutObject* o = GetMouseOverBlock(x, y);
    if (!o || o->Kind() == TiPlotObjectKind::DataView || o->Kind() == TiPlotObjectKind::ToolBar) return;
    FSelectedBlock = o;
    FMouseDown = true;
    FMouseDownX = x, FMouseDownY = y;
    if (!(shift & ssLeft)) FInsertDirection = iidMerge;
    if (FResizeBlock) {
        FEditMode = ilemSize;
        FMouseDownStartPercent = o->StartPercent();
        FMouseDownStopPercent = o->StopPercent();
    } else {
        FEditMode = ilemDrag;
    }
    InvalidateChange();
}

TiPlotLayoutObject* TiPlotLayoutViewer::OccupantOf(const TBlockObject* cell) const {
    for (TiPlotLayoutObject* o : Objects()) {
        if (o == FSelectedBlock || o->Kind() == TiPlotObjectKind::DataView) continue;
        if (o->Horizontal() == cell->Horizontal && o->ZOrder() == cell->ZOrder) return o;
    }
    return nullptr;
}

void TiPlotLayoutViewer::ChooseInsertDirection(TBlockObject* cell, int x, int y) {
    TiPlotLayoutObject* occupant = OccupantOf(cell);
    if (!occupant) return;
    const TRect& r = cell->ARect;
    if (MayShare(FSelectedBlock, occupant)) {
        const int thirdH = (r.Bottom - r.Top) / 3, thirdW = (r.Right - r.Left) / 3;
        if (cell->ToolBar) {
            if (y >= r.Bottom - thirdH)
                FInsertDirection = iidBelow;
            else
                FDragOverRefBlock2 = nullptr;
        } else if (cell->Horizontal) {
            FInsertDirection = y >= r.Bottom - thirdH ? iidBelow : y < r.Top + thirdH ? iidAbove : iidMerge;
        } else {
            FInsertDirection = x < r.Left + thirdW ? iidBelow : x >= r.Right - thirdW ? iidAbove : iidMerge;
        }
    } else if (cell->Horizontal) {
        FInsertDirection = y >= (r.Top + r.Bottom) / 2 ? iidBelow : iidAbove;
    } else {
        FInsertDirection = x < (r.Left + r.Right) / 2 ? iidBelow : iidAbove;
    }
}

void TiPlotLayoutViewer::iMouseMove(TShiftState shift, int x, int y) {
    SetCursor(crDefault);
    if (!FLayoutManager) return;
    if (FEditMode == ilemDrag && !(shift & ssLeft)) return;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    switch (FEditMode) {
    case ilemNone: {
        TiPlotLayoutObject* o = GetMouseOverBlock(x, y);
        if (!o) {
            FResizeBlock = nullptr;
            break;
        }
        using K = TiPlotObjectKind;
        const K k = o->Kind();
        if (!(IsAxis(o) || k == K::Label || k == K::Table || k == K::Legend)) break;
        const TRect r = o->LayoutRect();
        bool atEnd = true;
        if (o->Horizontal()) {
            if (std::abs(x - r.Left) <= 6)
                FSizingSide = ilssStart;
            else if (std::abs(x - r.Right) <= 6)
                FSizingSide = ilssStop;
            else
                atEnd = false;
            if (atEnd) SetCursor(crSizeWE);
        } else {
            if (std::abs(y - r.Bottom) <= 6)
                FSizingSide = ilssStart;
            else if (std::abs(y - r.Top) <= 6)
                FSizingSide = ilssStop;
            else
                atEnd = false;
            if (atEnd) SetCursor(crSizeNS);
        }
        FResizeBlock = atEnd ? o : nullptr;
        break;
    }
    case ilemDrag: {
        if (!FSelectedBlock) break;
        TiPlotLayoutObject* o = GetMouseOverBlock(x, y);
        if (o && o->Kind() != TiPlotObjectKind::DataView && o != FSelectedBlock &&
            o->Horizontal() == FSelectedBlock->Horizontal() && o->ZOrder() == FSelectedBlock->ZOrder())
            FOverLayoutObject = o;
        TBlockObject* cell = GetMouseOverBlock2(x, y);
        if (cell && !(IsAxis(FSelectedBlock) && cell->Horizontal != FSelectedBlock->Horizontal())) {
            FDragOverRefBlock2 = cell;
            ChooseInsertDirection(cell, x, y);
        }
        break;
    }
    case ilemSize: {
        // An empty schematic has no length to measure the move against.
        if (!FSelectedBlock || FDataViewWidth <= 0 || FDataViewHeight <= 0) break;
        const double moved = FSelectedBlock->Horizontal() ? 100.0 * (x - FMouseDownX) / FDataViewWidth
                                                          : 100.0 * (FMouseDownY - y) / FDataViewHeight;
        const double step = std::nearbyint(moved / 1.25) * 1.25;
        if (FSizingSide == ilssStart)
            FSelectedBlock->SetStartPercent(FMouseDownStartPercent + step);
        else
            FSelectedBlock->SetStopPercent(FMouseDownStopPercent + step);
        break;
    }
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::Drop() {
    TiPlotLayoutObject* dragged = FSelectedBlock;
    TBlockObject* cell = FDragOverRefBlock2;
    if (FOverLayoutObject && cell) {
        const double start = dragged->StartPercent(), stop = dragged->StopPercent();
        dragged->SetStartStopPercent(FOverLayoutObject->StartPercent(), FOverLayoutObject->StopPercent());
        FOverLayoutObject->SetStartStopPercent(start, stop);
        Changed();
        return;
    }
    if (!cell) return;
    TiPlotLayoutObject* occupant = OccupantOf(cell);
    if (cell->Horizontal == dragged->Horizontal()) {
        if (FInsertDirection != iidMerge) {
            if (occupant) {
                FLayoutManager->RemoveZOrder(dragged);
                FLayoutManager->InsertZOrder(dragged, occupant->ZOrder(), FInsertDirection);
            }
            dragged->SetStartStopPercent(0, 100);
        } else {
            std::vector<TiPlotLayoutObject*> band;
            for (TiPlotLayoutObject* o : Objects())
                if (!IsDataViewKind(o) && o != dragged && o->Horizontal() == cell->Horizontal && o->ZOrder() == cell->ZOrder)
                    band.push_back(o);
            band.push_back(dragged);
            const double n = double(band.size());
            for (std::size_t k = 0; k < band.size(); ++k) band[k]->SetStartStopPercent(100 / n * k, 100 / n * (k + 1));
            if (occupant) {
                FLayoutManager->RemoveZOrder(dragged);
                FLayoutManager->InsertZOrder(dragged, occupant->ZOrder(), iidMerge);
            }
        }
        Changed();
    } else if (occupant) {
        FLayoutManager->RemoveZOrder(dragged);
        dragged->SetHorizontal(!dragged->Horizontal());
        FLayoutManager->InsertZOrder(dragged, occupant->ZOrder(), FInsertDirection);
        Changed();
    }
}

void TiPlotLayoutViewer::iMouseUp(TMouseButton, TShiftState, int, int) {
    FMouseDown = false;
    if (FLayoutManager && FSelectedBlock) {
        if (FEditMode == ilemDrag)
            Drop();
        else if (FEditMode == ilemSize && FResizeBlock)
            Changed();
    }
    FEditMode = ilemNone;
    SetCursor(crDefault);
    FSelectedBlock = nullptr;
    FResizeBlock = nullptr;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    InvalidateChange();
}
