#pragma once
// The run-time property editor of a plot: a tabbed window with the plot-wide "Control" page
// and one page per kind of object. Every change the user makes is written into the live plot
// at once; there is no Apply or Cancel. The master manager creates, fills and shows it and
// keeps its object lists in step with the plot.
#include "core/iPlotObjects.h"
#include "editor/iEditorBasicComponents.h"
#include "editor/iPlotEditorPages.h"

#include <QByteArray>
#include <QPointer>

#include <deque>
#include <memory>

class TiPlotComponent;
class TiPlotLayoutViewer;
class TPopupMenu;
class TMenuItem;
class TiPlotMasterManager;
class TiPersistent;
struct TiPublishedProperty;

class TiPlotEditorForm : public TiCustomEditorForm {
public:
    TiPlotEditorForm(TiPlotComponent* plot, TiPlotMasterManager* master);
    ~TiPlotEditorForm() override;

    // One object page: its list, its sub-page control and the rows it edits.
    struct ObjectPage {
        TiPlotObjectKind Kind;
        QString Prefix;
        QString Caption;
        const std::vector<TiEditorRow>* Rows;
        TWinControl* Sheet = nullptr;  // the page's tab sheet
        TiComponentEditorListBox* List = nullptr;
        TiComponentEditorPageControl* SubPages = nullptr;
        TiComponentEditorButton* AddButton = nullptr;
        TiComponentEditorButton* RemoveButton = nullptr;
        bool RefreshAllAfterWrite = true;
        std::vector<TiEditorRow> OwnRows;  // rows renamed for this page (Y axes)
        std::deque<QByteArray> OwnNames;   // the renamed control names those rows point to
    };

    TiComponentEditorPageControl* PageControl() const { return FPageControl; }
    TiComponentEditorPageControl* ControlPageControl() const { return FControlPages; }
    ObjectPage* Page(TiPlotObjectKind kind);
    TiComponentEditorListBox* ListOf(TiPlotObjectKind kind);
    // A control of the form by name, of the given type (null when absent).
    template <class T> T* Find(const QString& name) const { return dynamic_cast<T*>(FindComponent(name)); }

    bool Closing() const { return FClosing; }
    void SetClosing(bool value) { FClosing = value; }
    TiPlotComponent* Plot() const { return FPlot; }
    void SetPlot(TiPlotComponent* plot) { FPlot = plot; }

    // Fills every object list from its manager and selects the first entry of each.
    void FillLists();
    // Refreshes every object page from its selected object (not the Control page).
    void UpdateAll();
    void UpdatePage(TiPlotObjectKind kind);
    // Shows the page of the object's kind with the object selected and filled in; false when
    // the editor has no page for it.
    bool SelectObject(TiPlotObject* object);
    // Writes a page's controls into its selected object.
    void PageChange(TiPlotObjectKind kind);

    // The Control page: filled from the plot and written into it through the master manager.
    void FillControlPage();
    void WriteControlPage();
    void GeneralChanged();
    void TitleChange();
    void UpdateLogControls();

    // The master manager's notifications.
    void ObjectInserted(TiPlotObject* object);
    void ObjectRemoved(TiPlotObject* object);
    void ObjectRenamed(TiPlotObject* object);

    // The layout object the last press on the layout landed on (none after it was removed).
    TiPlotObject* LayoutObjectUnderMouse() const { return FLayoutObjectUnderMouse; }
    void SetLayoutObjectUnderMouse(TiPlotObject* object) { FLayoutObjectUnderMouse = object; }
    // The Layout page: the plot's layout schematic and its popup menu.
    TiPlotLayoutViewer* LayoutViewer() const { return FLayoutViewer; }
    TPopupMenu& LayoutPopupMenu() const { return *FLayoutPopupMenu; }
    // The popup's item of that name ("DeleteMenuItem", ...), or null.
    TMenuItem* LayoutMenuItem(const QString& name) const;
    // Sets the popup's check marks and enabled items for the remembered object.
    void LayoutPopupMenuPopup();
    // The layout popup's "Delete": destroys the remembered object.
    void DeleteLayoutObject();
    // The layout popup's "Visible": shows or hides the remembered object.
    void ToggleLayoutObjectVisible();
    // The layout popup's "Edit": shows the remembered object's page with it selected.
    void EditLayoutObject();

    // "Copy Default" on an axis page's Cursor or Legend label sub-page: the (Default)
    // formatting goes into that sub-page's controls, then the axis page is written back.
    void CopyDefaultLabelFormat(TiPlotObjectKind axis, const QString& target);

    // The page controls whose active page the master manager remembers, in its order.
    std::vector<TiComponentEditorPageControl*> RememberedPageControls() const;

    // Called when the form is destroyed.
    std::function<void(TiPlotEditorForm*)> OnDestroyed;

protected:
    bool event(QEvent* event) override;

private:
    void BuildControlPage();
    void BuildLayoutPage();
    void BuildObjectPage(ObjectPage& page);
    // A sub-page whose rows go on a page control of their own, one sub-page per next group
    // part ("Labels / Cursor" on the "Cursor" page of "XAxisLabelsPageControl"); with
    // Groups, only the rows of those groups, the others staying beside the page control.
    struct NestedPages {
        QString SubPage;
        QString Name;
        QStringList Groups;
    };
    // Lays out rows on sub-pages of a page control, the group parts from `depth` on naming
    // sub-page and group.
    void BuildRows(TiComponentEditorPageControl* pages, const std::vector<TiEditorRow>& rows,
                   const std::function<void()>& onChange, const std::function<TiPersistent*()>& sample,
                   const std::vector<NestedPages>& nested = {}, int depth = 0);
    void BuildCopyDefaultButtons();
    // Fills a name list from the objects it names.
    void FillNames(const QString& control);
    void FillRow(const TiEditorRow& row, TiPersistent& object);
    void WriteRow(const TiEditorRow& row, TiPersistent& object);
    void EnableRows(const std::vector<TiEditorRow>& rows, bool enable);
    void ApplyChannelVisibility();
    // The "..." value-converter buttons beside the date-time and interval edits.
    void BuildValueConverterPickers();
    std::vector<std::pair<TComponent*, TiComponentEditorValueConverterPicker*>> FValueConverterPickers;
    // The file buttons of the Control page and of the channel's File I/O sub-page, and the
    // channel's log buttons.
    void BuildFileButtons();
    template <class Picker>
    Picker* AddFileButton(TWinControl* parent, const char* name, const char* caption, const char* filter,
                          const char* defaultExt, int left, int top, std::function<void(Picker&)> chosen);
    void UpdateChannelLogControls();
    // A log's "..." name picker beside its name edit and its Activate and Deactivate buttons
    // on the rows below it.
    void AddLogButtons(TWinControl* page, const QString& prefix, const std::function<void(const QString&)>& named,
                       const std::function<void(bool activate)>& toggled);
    // The channel's "Stats" sub-page: the selected channel's counts and running values.
    void BuildChannelStats();
    void ClearChannelStats();
    void RefreshChannelStats();
    static void SetDefaultDir(TiComponentEditorButton& button, const QString& folder);

    TiPlotComponent* FPlot;
    TiPlotMasterManager* FMaster;
    bool FClosing = false;
    TiComponentEditorPageControl* FPageControl = nullptr;
    TiComponentEditorPageControl* FControlPages = nullptr;
    std::vector<std::unique_ptr<ObjectPage>> FPages;
    TiPlotObject* FLayoutObjectUnderMouse = nullptr;
    TiPlotLayoutViewer* FLayoutViewer = nullptr;
    std::unique_ptr<TPopupMenu> FLayoutPopupMenu;
    std::vector<TiEditorRow> FTitleRows;
};
