#pragma once
// Keeps the arrangement of the layout objects (axes, legends, toolbars, labels, tables)
// around the data view: each orientation has one stacking order by ZOrder in which the data
// view has a place (its placeholder); objects below it lie on the bottom (left) side,
// objects above it on the top (right) side, nearer objects nearer the data view. Objects of
// one ZOrder share a band when their StartPercent..StopPercent ranges do not overlap. The
// manager assigns and shifts ZOrders, turns the axes when X and Y are exchanged, and sorts
// the objects into four side lists that the plot's layout pass reads. It computes no pixels.
#include "core/iPlotManagers.h"

#include <utility>
#include <vector>

// The data view's place in the z-order of one orientation.
class TiPlotDataViewLayout : public TiPlotLayoutObject {
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::DataViewPlaceholder; }
};
class TiPlotDataViewHorz : public TiPlotDataViewLayout {
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};
class TiPlotDataViewVert : public TiPlotDataViewLayout {
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

enum TiInsertDirection { iidMerge, iidBelow, iidAbove };

// A side list: entries sorted by key (ZOrder and StartPercent as digits), equal keys kept.
using TiPlotSideList = std::vector<std::pair<QString, TiPlotLayoutObject*>>;

class TiPlotLayoutManager : public TiPlotObjectManagerCustom {
public:
    // Makes the two placeholders (ZOrder 1, named "Data View"), inserted while the manager is
    // still switched off, then switches it on.
    TiPlotLayoutManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                        TiNotifyEvent onRename);
    ~TiPlotLayoutManager() override;

    QString GetBaseName() const override { return QStringLiteral("Layout Object"); }
    void NotificationInsert(TObject* sender) override;

    // Places NewObject at position Value of its orientation: merged into that band when
    // nothing there overlaps it, else below (everything at Value and above moves up) or
    // above (everything above Value moves up).
    void InsertZOrder(TiPlotLayoutObject* newObject, int value, TiInsertDirection direction);
    // Closes the gap AObject leaves when it was alone at its position.
    void RemoveZOrder(TiPlotLayoutObject* object);
    void UpdateSideLists();

    bool Enabled() const { return FEnabled; }
    // Switching on rebuilds the side lists.
    void SetEnabled(bool value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    // Re-places the axes (when enabled).
    void SetXYAxesReverse(bool value);

    TiPlotDataViewHorz* DataViewHorz() const { return FDataViewHorz; }
    TiPlotDataViewVert* DataViewVert() const { return FDataViewVert; }
    TiPlotLayoutObject* GetItem(int index) const;
    const TiPlotSideList& TopList() const { return FTopList; }
    const TiPlotSideList& BottomList() const { return FBottomList; }
    const TiPlotSideList& LeftList() const { return FLeftList; }
    const TiPlotSideList& RightList() const { return FRightList; }
    int TopUniqueCount() const { return FTopUniqueCount; }
    int BottomUniqueCount() const { return FBottomUniqueCount; }
    int LeftUniqueCount() const { return FLeftUniqueCount; }
    int RightUniqueCount() const { return FRightUniqueCount; }
    // The visible objects of a side list.
    static int VisibleCount(const TiPlotSideList& list);

protected:
    void ObjectRemoved(TiPlotObject* object) override;

private:
    void ReplaceAxes();
    std::vector<TiPlotLayoutObject*> SameOrientation(const TiPlotLayoutObject* object, bool withDataViews) const;

    bool FXYAxesReverse = false;
    TiPlotDataViewHorz* FDataViewHorz = nullptr;
    TiPlotDataViewVert* FDataViewVert = nullptr;
    bool FEnabled = false;
    bool FUpdating = false;
    bool FUpdateOccured = false;
    TiPlotSideList FTopList, FBottomList, FLeftList, FRightList;
    int FLeftUniqueCount = 0, FRightUniqueCount = 0, FBottomUniqueCount = 0, FTopUniqueCount = 0;
};
