#include "opc/iOPCManager.h"

#include "core/iPlotPrinting.h"
#include "opc/iOPCHelper.h"
#include "rtl/Exception.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The explorer window known to the unit; a window opened earlier stays open.
TiOPCExplorerForm* gExplorer = nullptr;

void BeforeCallback(void* context, int32_t handle) {
    RunOPCCallback([=] { static_cast<TiOPCManager*>(context)->BeforeGroupUpdate(handle); });
}
void AfterCallback(void* context, int32_t handle) {
    RunOPCCallback([=] { static_cast<TiOPCManager*>(context)->AfterGroupUpdate(handle); });
}

// The node pictures: a server (0), a folder of groups (1), a connection (2); the manager's
// placeholder uses the first at 24 x 24.
QImage NodeImage(int index, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = size / 16.0;
    p.scale(u, u);
    p.setPen(QPen(QColor(40, 40, 40), 1.0 / u * 1.2));
    switch (index) {
    case 0:  // a tower with two drive slots
        p.setBrush(QColor(170, 180, 200));
        p.drawRect(QRectF(4, 1.5, 8, 13));
        p.setBrush(QColor(60, 70, 90));
        p.drawRect(QRectF(5.5, 3.5, 5, 1.5));
        p.drawRect(QRectF(5.5, 6.5, 5, 1.5));
        p.setBrush(QColor(0, 190, 0));
        p.drawEllipse(QPointF(8, 11.5), 1, 1);
        break;
    case 1:  // a folder
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 3, 5, 1.5));
        break;
    default:  // a plug
        p.setBrush(QColor(90, 150, 220));
        p.drawRect(QRectF(3, 5, 7, 6));
        p.drawLine(QPointF(10, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(1, 6.5), QPointF(3, 6.5));
        p.drawLine(QPointF(1, 9.5), QPointF(3, 9.5));
        break;
    }
    return image;
}

}  // namespace

TiOPCExplorerForm* OPCExplorerForm() { return gExplorer; }

// ---- group -----------------------------------------------------------------------------

void TiOPCGroupObject::SetUpdateRate(int value) {
    if (value == FUpdateRate) return;
    FUpdateRate = value;
    OPCGroupSetUpdateRate(FDLLGroupHandle, value);
}

void TiOPCGroupObject::Resume() { OPCGroupResume(FDLLGroupHandle); }
void TiOPCGroupObject::Suspend() { OPCGroupSuspend(FDLLGroupHandle); }

// ---- manager ---------------------------------------------------------------------------

TiOPCManagerRegistration::TiOPCManagerRegistration() : FFirstInstance(OPCManagerCreated()) {}

TiOPCManager::TiOPCManager(TComponent* owner)
    : TCustomControl(owner),
      FCallback{this, &BeforeCallback, &AfterCallback} {
    TCustomControl::SetBounds(0, 0, 28, 28);
    SetVisible(false);
    FImage = NodeImage(0, 24);
    gExplorer = nullptr;
}

TiOPCManager::~TiOPCManager() {
    try {
        GroupClear();
    } catch (...) {
    }
    for (TiOPCGroupObject* g : FGroupList) delete g;
    FGroupList.clear();
    if (FFirstInstance) {
        try {
            OPCManagerDestroyed();
        } catch (...) {
        }
    }
}

void TiOPCManager::SetBounds(int left, int top, int, int) { TCustomControl::SetBounds(left, top, 28, 28); }

int TiOPCManager::GroupAdd(const QString& name, const QString& computerName, int updateRate,
                           const QString& opcServerName) {
    auto* group = new TiOPCGroupObject(name, computerName, opcServerName, updateRate);
    FGroupList.push_back(group);
    if (!OPCHelperMissing())
        group->SetDLLGroupHandle(OPCGroupAdd(name, computerName, opcServerName, updateRate, &FCallback));
    return int(FGroupList.size()) - 1;
}

void TiOPCManager::GroupDelete(int index) {
    TiOPCGroupObject* group = GetGroup(index);
    if (group->DLLGroupHandle() != 0) OPCGroupDelete(group->DLLGroupHandle());
    FGroupList.erase(FGroupList.begin() + index);
    delete group;
}

void TiOPCManager::GroupClear() {
    while (!FGroupList.empty()) GroupDelete(0);
}

TiOPCGroupObject* TiOPCManager::GetGroup(int index) const {
    if (index < 0 || index >= GroupCount()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FGroupList[std::size_t(index)];
}

int TiOPCManager::GetGroupIndex(const QString& name) const {
    for (int i = 0; i < GroupCount(); ++i)
        if (FGroupList[std::size_t(i)]->Name().compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TiOPCManager::CloseAllServerConnections() { OPCCloseAllServerConnections(); }

void TiOPCManager::ExplorerShow() {
    if (!gExplorer) gExplorer = new TiOPCExplorerForm(nullptr);
    gExplorer->Refresh();
    gExplorer->show();
}

QString TiOPCManager::GroupNameOfHandle(int handle) const {
    for (const TiOPCGroupObject* g : FGroupList)
        if (g->DLLGroupHandle() == handle) return g->Name();
    return QString();
}

void TiOPCManager::BeforeGroupUpdate(int groupHandle) {
    if (OnBeforeGroupUpdate) OnBeforeGroupUpdate(this, GroupNameOfHandle(groupHandle));
}

void TiOPCManager::AfterGroupUpdate(int groupHandle) {
    if (OnAfterGroupUpdate) OnAfterGroupUpdate(this, GroupNameOfHandle(groupHandle));
}

void TiOPCManager::Paint() {
    TCanvas& c = Canvas();
    c.Pen.Color = clBtnHighlight;
    c.MoveTo(0, Height() - 1);
    c.LineTo(0, 0);
    c.LineTo(Width() - 1, 0);
    c.Pen.Color = clBtnShadow;
    c.MoveTo(Width() - 1, 1);
    c.LineTo(Width() - 1, Height() - 1);
    c.LineTo(0, Height() - 1);
    if (QPainter* p = c.Painter()) {
        if (Enabled()) {
            p->drawImage(2, 2, FImage);
        } else {
            p->setOpacity(0.4);
            p->drawImage(2, 2, FImage.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32));
        }
        c.Changed(QRect(2, 2, 24, 24));
    }
}

// ---- explorer --------------------------------------------------------------------------

TiOPCExplorerForm::TiOPCExplorerForm(TComponent* owner) : TForm(owner) {
    SetCaption(QStringLiteral("Plot OPC Explorer"));
    SetBounds(0, 0, 256, 319);
    setMinimumSize(250, 300);
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    TreeView = new QTreeWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->header()->hide();
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView->setSortingEnabled(true);
    TreeView->sortByColumn(0, Qt::AscendingOrder);
    // The tree fills the window as it is resized.
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(TreeView);
    CentreOnScreen(this);
}

void TiOPCExplorerForm::Refresh() {
    TreeView->clear();
    FServersTreeNode = new QTreeWidgetItem(TreeView, {QStringLiteral("Servers Connections")});
    FServersTreeNode->setIcon(0, QIcon(QPixmap::fromImage(NodeImage(0, 16))));
    FGroupsTreeNode = new QTreeWidgetItem(TreeView, {QStringLiteral("Groups")});
    FGroupsTreeNode->setIcon(0, QIcon(QPixmap::fromImage(NodeImage(1, 16))));
    const int n = OPCServerConnectionGetCount();
    for (int i = 0; i < n; ++i) {
        auto* node = new QTreeWidgetItem(FServersTreeNode, {OPCServerConnectionGetName(i)});
        node->setIcon(0, QIcon(QPixmap::fromImage(NodeImage(2, 16))));
    }
    FServersTreeNode->setExpanded(true);
}
