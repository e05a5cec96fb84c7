#pragma once
// The plot editor's layout schematic: the data view in the middle and one band per z-order
// position on each side, every layout object a grey block with its name. With the mouse the
// user drags an object into another band (before, after or sharing it), between horizontal
// and vertical, exchanges it with a neighbour in its band, or drags an end to change its
// StartPercent or StopPercent. Every change goes to the plot's layout manager and objects;
// OnChange tells the editor.
#include "core/iPlotLayoutManager.h"
#include "core/iVCLComponent.h"
#include "graphics/TFont.h"

#include <memory>
#include <vector>

class TiPlotMasterManager;
class TiPlotTranslationManager;

enum TiLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum TiLayoutSizingSide { ilssStart, ilssStop };

// A drop cell of the schematic.
struct TBlockObject {
    TRect ARect;
    int ZOrder = 0;
    bool Horizontal = false;
    bool DataView = false;
    bool ToolBar = false;
};

class TiPlotLayoutViewer : public TiCustomComponent {
public:
    explicit TiPlotLayoutViewer(TComponent* owner);
    ~TiPlotLayoutViewer() override;

    // The first layout object holding the point (right and bottom edges excluded), the
    // data view counting but not its placeholders; null when none.
    TiPlotLayoutObject* GetMouseOverBlock(int x, int y) const;
    // The first drop cell holding the point: the top-most cell only in its lower half, the
    // data-view cells only within a cell's width of their long edges.
    TBlockObject* GetMouseOverBlock2(int x, int y) const;

    TiPlotLayoutManager* LayoutManager() const { return FLayoutManager; }
    void SetLayoutManager(TiPlotLayoutManager* value) { FLayoutManager = value; }
    TiPlotMasterManager* Master() const { return FMaster; }
    void SetMaster(TiPlotMasterManager* value) { FMaster = value; }
    TiPlotTranslationManager* TranslationManager() const { return FTranslationManager; }
    void SetTranslationManager(TiPlotTranslationManager* value) { FTranslationManager = value; }
    TiPlotLayoutObject* SelectedObject() const { return FSelectedBlock; }

    // The schematic as last laid out (tests and the editor read it).
    const std::vector<std::unique_ptr<TBlockObject>>& Blocks() const { return FBlockList; }
    int CellWidth() const { return FCellWidth; }
    const TRect& DataViewRect() const { return FDataViewRect; }
    TiLayoutEditMode EditMode() const { return FEditMode; }
    TiInsertDirection InsertDirection() const { return FInsertDirection; }
    TiPlotLayoutObject* OverLayoutObject() const { return FOverLayoutObject; }
    TBlockObject* DragOverCell() const { return FDragOverRefBlock2; }
    // Lays the schematic out for the control's size (a paint does it too).
    void Layout();

    TNotifyEvent OnChange;

protected:
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseMove(TShiftState shift, int x, int y) override;
    void iPaintToCanvas(TCanvas& canvas) override;

private:
    void DoLayout(TCanvas& canvas);
    void SetObjectRects();
    // The first object other than the dragged one in the cell's band (the placeholder of
    // that orientation counts); null when none.
    TiPlotLayoutObject* OccupantOf(const TBlockObject* cell) const;
    void ChooseInsertDirection(TBlockObject* cell, int x, int y);
    void Drop();
    void Changed();
    std::vector<TiPlotLayoutObject*> Objects() const;

    std::vector<std::unique_ptr<TBlockObject>> FBlockList;
    int FCellWidth = 0;
    bool FMouseDown = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    double FMouseDownStartPercent = 0, FMouseDownStopPercent = 0;
    TRect FViewRect{};
    TRect FDataViewRect{};
    int FDataViewHeight = 0, FDataViewWidth = 0;
    TiLayoutEditMode FEditMode = ilemNone;
    TiLayoutSizingSide FSizingSide = ilssStart;
    TiPlotLayoutObject* FSelectedBlock = nullptr;
    TiPlotLayoutObject* FResizeBlock = nullptr;
    TiPlotLayoutObject* FOverLayoutObject = nullptr;
    TBlockObject* FDragOverRefBlock2 = nullptr;
    TiInsertDirection FInsertDirection = iidMerge;
    TiPlotLayoutManager* FLayoutManager = nullptr;
    TiPlotMasterManager* FMaster = nullptr;
    TFont FFont;
    TiPlotTranslationManager* FTranslationManager = nullptr;
};
