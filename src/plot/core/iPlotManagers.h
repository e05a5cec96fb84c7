#pragma once
// The managers that keep a plot's objects: one per kind of object (they own the objects of
// their kind, create new ones, name them uniquely and give them their kind's defaults), and
// one manager of all objects together (it routes input to the selected objects). Every
// manager forwards removal, rename and selection news to its objects.
#include "core/iPlotObjects.h"
#include "core/iPlotTypes.h"
#include "rtl/TObject.h"

#include <QString>

#include <functional>
#include <vector>

class TiPlotChannelCustom;
class TPopupMenu;
class TiStreamReader;
class TiStreamWriter;

// The class of new channels: a function that creates one with the plot and the callbacks.
using TiPlotChannelCustomClass = std::function<TiPlotChannelCustom*(TObject* owner, TiNotifyEvent onChange,
                                                                     TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                                                                     TiNotifyEvent onRename)>;

class TiPlotObjectManagerCustom : public TObject {
public:
    // Requires the owner ("Owner must be Assigned") and the four callbacks.
    TiPlotObjectManagerCustom(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                              TiNotifyEvent onRemove, TiNotifyEvent onRename);
    // Fires the remove callback with the manager.
    ~TiPlotObjectManagerCustom() override;

    // A new object of the kind ("Object Manager does not support creation of objects" where
    // the manager makes none).
    virtual TiPlotObject* CreateObject();
    virtual QString GetBaseName() const { return QStringLiteral("n/a"); }
    virtual void NotificationRemove(TObject* sender);
    virtual void NotificationInsert(TObject* sender) = 0;
    virtual void NotificationRename(TObject* sender);
    virtual void NotificationSetFocus(TObject* sender);
    virtual void Clear() {}
    // The window layout's collection of the manager's objects (iComponentStream.h): written
    // only when the manager holds objects; reading clears the manager, then creates and
    // registers one object per item with its stored properties (and name).
    bool DoWriteToStream() const { return Count() > 0; }
    void WriteToStream(TiStreamWriter& writer) const;
    void ReadFromStream(TiStreamReader& reader);
    // Takes the entry out of the list without freeing the object.
    virtual void Delete(int index);

    void InsertObject(TiPlotObject* object);
    int Count() const { return int(FList.size()); }
    // The object at an index ("List index out of bounds (%d)" outside the list).
    TiPlotObject* GetItem(int index) const;
    int GetIndex(const TObject* object) const;
    // By name, the letters a to z compared without regard to case.
    TiPlotObject* GetObjectByName(const QString& name) const;
    int GetIndexByName(const QString& name) const;
    // The base name and one more than the largest number that follows it in a name.
    QString GetNextName() const;
    void DoChange();
    const std::vector<TiPlotObject*>& Objects() const { return FList; }
    TObject* Owner() const { return FOwner; }

    TiNotifyEvent OnChange;
    TiNotifyEvent OnInsert;
    TiNotifyEvent OnRemove;
    TiNotifyEvent OnRename;

protected:
    // Tells the master manager of this manager: the last step of each concrete constructor.
    void Announce();
    // Runs after an object left the list.
    virtual void ObjectRemoved(TiPlotObject* object) {}

    std::vector<TiPlotObject*> FList;
    TObject* FOwner;
};

// The letters a to z compared without regard to case, other characters exactly.
bool SameTextAscii(const QString& a, const QString& b);

// The base of the kind managers: they own and free their objects.
class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom {
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
    ~TiPlotObjectOwnedManager() override;

    void NotificationInsert(TObject* sender) override;
    void NotificationRemove(TObject* sender) override;
    // Frees every object, front to back.
    void Clear() override;

protected:
    virtual TiPlotObjectKind ObjectKind() const = 0;
    // The kind's defaults for an object that arrived without a name.
    virtual void SetNewObjectDefaults(TiPlotObject* object) {}
};

// A kind manager of objects that need nothing beyond a default name (and, for axes and
// labels, a title or caption equal to it).
class TiPlotNamedKindManager : public TiPlotObjectOwnedManager {
public:
    TiPlotNamedKindManager(TiPlotObjectKind kind, QString baseName, TObject* owner, TiNotifyEvent onChange,
                           TiNotifyEvent onInsert, TiNotifyEvent onRemove, TiNotifyEvent onRename);
    QString GetBaseName() const override { return FBaseName; }

protected:
    TiPlotObjectKind ObjectKind() const override { return FKind; }

private:
    TiPlotObjectKind FKind;
    QString FBaseName;
};

class TiPlotToolBarManager : public TiPlotNamedKindManager {
public:
    TiPlotToolBarManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;
};

class TiPlotLegendManager : public TiPlotNamedKindManager {
public:
    TiPlotLegendManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                        TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;
};

class TiPlotTableManager : public TiPlotNamedKindManager {
public:
    TiPlotTableManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;
};

class TiPlotXAxisManager : public TiPlotNamedKindManager {
public:
    TiPlotXAxisManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

class TiPlotYAxisManager : public TiPlotNamedKindManager {
public:
    TiPlotYAxisManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

class TiPlotLabelManager : public TiPlotNamedKindManager {
public:
    TiPlotLabelManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

// Annotations are only appended, without names.
class TiPlotAnnotationManager : public TiPlotObjectOwnedManager {
public:
    TiPlotAnnotationManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                            TiNotifyEvent onRename);
    QString GetBaseName() const override { return QStringLiteral("Annotation"); }
    TiPlotObject* CreateObject() override;
    void NotificationInsert(TObject* sender) override;

protected:
    TiPlotObjectKind ObjectKind() const override { return TiPlotObjectKind::Annotation; }
};

// Kind managers that also know the axis managers (their objects bind to axes by name).
class TiPlotAxisBoundManager : public TiPlotNamedKindManager {
public:
    using TiPlotNamedKindManager::TiPlotNamedKindManager;
    void NotificationRemove(TObject* sender) override;
    TiPlotObjectManagerCustom* XAxisManager = nullptr;
    TiPlotObjectManagerCustom* YAxisManager = nullptr;

protected:
    QString FirstXAxisName() const;
    QString FirstYAxisName() const;
};

class TiPlotChannelManager : public TiPlotAxisBoundManager {
public:
    TiPlotChannelManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;
    // Red for the first two channels; then the palette colour fewest channels have.
    TColor GetNextChannelColor() const;
    TiPlotChannelCustomClass ChannelClass;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

class TiPlotDataViewManager : public TiPlotAxisBoundManager {
public:
    TiPlotDataViewManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                          TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

// New limits take the names of X axis 0 and Y axis 0.
class TiPlotLimitManager : public TiPlotAxisBoundManager {
public:
    TiPlotLimitManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

class TiPlotDataCursorManager : public TiPlotNamedKindManager {
public:
    TiPlotDataCursorManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                            TiNotifyEvent onRename);
    TiPlotObject* CreateObject() override;
    void NotificationRemove(TObject* sender) override;
    TiPlotObjectManagerCustom* ChannelManager = nullptr;
    TiPlotObjectManagerCustom* DataViewManager = nullptr;

protected:
    void SetNewObjectDefaults(TiPlotObject* object) override;
};

// The manager of all objects: it never frees them.
class TiPlotObjectManager : public TiPlotObjectManagerCustom {
public:
    TiPlotObjectManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                        TiNotifyEvent onRename);
    void NotificationInsert(TObject* sender) override;

    void ClearAllUserSelections();
    void SetShiftState(TShiftState value);
    // Input passed to every selected object, in list order.
    void MouseDownFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                               TPopupMenu* popupMenu);
    void MouseMoveFocusObjects(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                               bool dblClickActive);
    void MouseUpFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                             bool dblClickActive, TPopupMenu* popupMenu);
    void KeyDownFocusObjects(int& key, TShiftState shift, TPopupMenu* popupMenu);
    bool MouseWheelFocusObjects(int wheelDelta, TShiftState shift, const TPoint& mousePos);
    // Cuts the objects' remove, layout and change callbacks (the plot is being destroyed).
    void ShutDownSetup();
};
