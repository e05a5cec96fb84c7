#pragma once
// The OPC manager keeps the OPC groups registered with the support library, passes the
// library's group-update notifications on as events, and opens a small explorer window that
// lists the library's server connections. As a control it is a 28 x 28 placeholder,
// invisible at run time. Without the library its groups are only recorded (handle 0).
#include "opc/iOPCHelperAbi.h"
#include "rtl/TObject.h"
#include "ui/TCustomControl.h"
#include "ui/TForm.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// One registered group.
class TiOPCGroupObject {
public:
    TiOPCGroupObject(const QString& name, const QString& computerName, const QString& opcServerName, int updateRate)
        : FName(name), FComputerName(computerName), FOPCServerName(opcServerName), FUpdateRate(updateRate) {}

    const QString& Name() const { return FName; }
    const QString& ComputerName() const { return FComputerName; }
    const QString& OPCServerName() const { return FOPCServerName; }
    int UpdateRate() const { return FUpdateRate; }
    // A change is passed to the library.
    void SetUpdateRate(int value);
    int DLLGroupHandle() const { return FDLLGroupHandle; }
    void SetDLLGroupHandle(int value) { FDLLGroupHandle = value; }
    void Resume();
    void Suspend();

private:
    QString FName, FComputerName, FOPCServerName;
    int FUpdateRate = 0;
    int FDLLGroupHandle = 0;
};

using TGroupUpdateEvent = std::function<void(TObject* Sender, const QString& GroupName)>;

// Tells the library of a new manager before the control is built (its answer: whether
// this is the first one).
struct TiOPCManagerRegistration {
    TiOPCManagerRegistration();
    bool FFirstInstance;
};

class TiOPCManager : private TiOPCManagerRegistration, public TCustomControl, public TObject {
public:
    explicit TiOPCManager(TComponent* owner);
    ~TiOPCManager() override;

    // The position is taken; the size stays 28 x 28.
    void SetBounds(int left, int top, int width, int height) override;

    int GroupAdd(const QString& name, const QString& computerName, int updateRate, const QString& opcServerName);
    void GroupDelete(int index);
    void GroupClear();
    // "List index out of bounds (n)" outside the list.
    TiOPCGroupObject* GetGroup(int index) const;
    int GroupCount() const { return int(FGroupList.size()); }
    // The first group of that name, letter case ignored; -1 when none.
    int GetGroupIndex(const QString& name) const;
    void CloseAllServerConnections();
    // The explorer window, created on first use (owned by the application), refreshed and
    // shown.
    void ExplorerShow();
    bool FirstInstance() const { return FFirstInstance; }

    TGroupUpdateEvent OnBeforeGroupUpdate;
    TGroupUpdateEvent OnAfterGroupUpdate;

    // The library's group notifications.
    void BeforeGroupUpdate(int groupHandle);
    void AfterGroupUpdate(int groupHandle);

protected:
    void Paint() override;

private:
    QString GroupNameOfHandle(int handle) const;

    QImage FImage;  // the placeholder's 24 x 24 picture
    std::vector<TiOPCGroupObject*> FGroupList;
    TiOPCManagerCallback FCallback;
};

// The explorer: a tree of the library's server connections and a groups node.
class TiOPCExplorerForm : public TForm {
    Q_OBJECT
public:
    explicit TiOPCExplorerForm(TComponent* owner);

    void Refresh();

    QTreeWidget* TreeView;
    QTreeWidgetItem* FServersTreeNode = nullptr;
    QTreeWidgetItem* FGroupsTreeNode = nullptr;
};

// The explorer window the unit knows (null before the first ExplorerShow after the last
// manager creation).
TiOPCExplorerForm* OPCExplorerForm();
