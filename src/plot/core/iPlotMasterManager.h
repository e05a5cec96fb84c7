#pragma once
// The hub between a plot and its objects. It creates and owns the eleven kind managers, the
// manager of all objects, the layout manager and the translation table, and hands every
// manager and object the same four callbacks (change, insert, remove, rename): an object
// announces its creation, removal, renaming and every property change here, and the news
// spreads to the managers and to the plot. It also carries the plot-wide settings: the
// class of new channels, whether the user may edit objects, whether X and Y are exchanged.
#include "core/iPlotLayoutManager.h"
#include "core/iPlotManagers.h"
#include "core/iPlotTranslation.h"
#include "rtl/TObject.h"

#include <array>
#include <vector>

class TForm;
class TiPlotEditorForm;

class TiPlotMasterManager : public TObject {
public:
    explicit TiPlotMasterManager(TObject* owner);
    ~TiPlotMasterManager() override;

    TObject* Owner() const { return FOwner; }
    TiPlotObjectManager* ObjectManager() const { return FPlotObjectManager; }
    TiPlotToolBarManager* ToolBarManager() const { return FToolBarManager; }
    TiPlotLegendManager* LegendManager() const { return FLegendManager; }
    TiPlotTableManager* TableManager() const { return FTableManager; }
    TiPlotXAxisManager* XAxisManager() const { return FXAxisManager; }
    TiPlotYAxisManager* YAxisManager() const { return FYAxisManager; }
    TiPlotChannelManager* ChannelManager() const { return FChannelManager; }
    TiPlotDataViewManager* DataViewManager() const { return FDataViewManager; }
    TiPlotDataCursorManager* DataCursorManager() const { return FDataCursorManager; }
    TiPlotLimitManager* LimitManager() const { return FLimitManager; }
    TiPlotLabelManager* LabelManager() const { return FLabelManager; }
    TiPlotAnnotationManager* AnnotationManager() const { return FAnnotationManager; }
    TiPlotTranslationManager* TranslationManager() const { return FTranslationManager; }
    TiPlotLayoutManager* LayoutManager() const { return FLayoutManager; }
    // The kind manager of a kind of object (null for other kinds).
    TiPlotObjectManagerCustom* ManagerOf(TiPlotObjectKind kind) const;

    // The plot's handlers.
    TiNotifyEvent OnChange;
    TiNotifyEvent OnInsert;
    TiNotifyEvent OnRemove;
    TiNotifyEvent OnInvalidateNow;

    // Each creates one object of its kind, registers it and answers its index.
    int AddChannel();
    int AddDataView();
    int AddDataCursor();
    int AddLimit();
    int AddLabel();
    int AddAnnotation();
    int AddLegend();
    int AddTable();
    int AddToolBar();
    int AddXAxis();
    int AddYAxis();
    int AddTranslation();

    bool UserCanEditObjects() const { return FUserCanEditObjects; }
    void SetUserCanEditObjects(bool value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    // Turns the axes and repaints at once.
    void SetXYAxesReverse(bool value);
    const TiPlotChannelCustomClass& ChannelClass() const { return FChannelClass; }
    void SetChannelClass(TiPlotChannelCustomClass value);

    void ShowToolBars(bool value);
    // Clears every channel's points; every axis aligns to the next data again.
    void ClearAllData();
    void DeSelectAll();
    // Opens the run-time property editor (modal, or stay-on-top as the plot's
    // EditorFormStyle says), filled from the plot.
    void EditProperties();
    // Writes the editor's Control page into the plot (the editor calls it on every change).
    void BasicPropertyChanged();
    // Replaces the texts of a form's controls by their translations.
    void TranslateForm(TForm* form);
    // The editor form while it exists.
    TiPlotEditorForm* EditorForm() const { return FEditorForm; }

    // The callbacks every manager and object receives.
    void ObjectInsert(TObject* sender);
    void ObjectRemove(TObject* sender);
    void ObjectRename(TObject* sender);
    void ObjectChange(TObject* sender);
    void ObjectSetFocus(TObject* sender);
    void ObjectEdit(TObject* sender);

private:
    int AddObject(TiPlotObjectManagerCustom* manager);
    // The eleven kind managers that exist, in notification order.
    std::vector<TiPlotObjectManagerCustom*> KindManagers() const;
    std::vector<TiPlotObject*> KindObjects() const;

    TObject* FOwner;
    bool FUserCanEditObjects = false;
    TiPlotToolBarManager* FToolBarManager = nullptr;
    TiPlotLegendManager* FLegendManager = nullptr;
    TiPlotTableManager* FTableManager = nullptr;
    TiPlotXAxisManager* FXAxisManager = nullptr;
    TiPlotYAxisManager* FYAxisManager = nullptr;
    TiPlotChannelManager* FChannelManager = nullptr;
    TiPlotDataViewManager* FDataViewManager = nullptr;
    TiPlotDataCursorManager* FDataCursorManager = nullptr;
    TiPlotLimitManager* FLimitManager = nullptr;
    TiPlotLabelManager* FLabelManager = nullptr;
    TiPlotAnnotationManager* FAnnotationManager = nullptr;
    TiPlotTranslationManager* FTranslationManager = nullptr;
    TiPlotLayoutManager* FLayoutManager = nullptr;
    TiPlotObjectManager* FPlotObjectManager = nullptr;
    TiPlotChannelCustomClass FChannelClass;
    bool FXYAxesReverse = false;
    // The editor form while it exists, and the active page of each of its page controls when
    // it last closed (main, control, channel, X axis, X-axis labels, Y axis, Y-axis labels,
    // cursor, limit, label, legend, table, data view, data-view grid lines).
    void CreateEditorForm();
    void StorePageIndexes();
    bool EditorOpen() const;
    void DestroyEditorForm(bool notify = true);
    void EditorObjectInserted(TiPlotObject* object);
    void EditorObjectRemoved(TiPlotObject* object);
    void EditorObjectRenamed(TiPlotObject* object);
    // Selects the object's page and the object in its list (creating the form first).
    void EditorSelect(TiPlotObject* object);
    TiPlotEditorForm* FEditorForm = nullptr;
    std::array<int, 14> FPageControlIndexes{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};
