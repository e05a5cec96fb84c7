#include "ui/TMenu.h"

#include <QMenu>
#include <QMenuBar>

TMenuItem* TMenuItem::Add(const QString& caption) {
    FItems.push_back(std::make_unique<TMenuItem>(caption));
    return FItems.back().get();
}

void TMenuItem::Delete(int index) { FItems.erase(FItems.begin() + index); }

void TMenuItem::Clear() {
    // Last to first, as the windows free a menu's items.
    while (!FItems.empty()) FItems.pop_back();
}

TMenuItem* TMenuItem::Find(const QString& caption) const {
    for (const auto& item : FItems)
        if (item->Caption == caption) return item.get();
    return nullptr;
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu() = default;

TPopupMenu::~TPopupMenu() = default;

namespace {

// Fills a menu or a menu bar (both take addMenu, addAction and addSeparator).
template <class Menu>
void Fill(Menu& menu, TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible) continue;
        if (item->Caption == QLatin1String("-")) {
            menu.addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            QMenu* sub = menu.addMenu(item->Caption);
            sub->setEnabled(item->Enabled);
            Fill(*sub, *item);
            continue;
        }
        QAction* action = menu.addAction(item->Caption);
        action->setEnabled(item->Enabled);
        action->setCheckable(item->Checked);
        action->setChecked(item->Checked);
        QObject::connect(action, &QAction::triggered, [item] { item->Click(); });
    }
}

}  // namespace

void TPopupMenu::Popup(int screenX, int screenY) {
    ++FPopupCount;
    if (OnPopup) OnPopup(this);
    FMenu = std::make_unique<QMenu>();
    Fill(*FMenu, FItems);
    FMenu->popup(QPoint(screenX, screenY));
}

TMainMenu::TMainMenu(QWidget* window) : FBar(new QMenuBar(window)) {
    FBar->setNativeMenuBar(false);
    FBar->move(0, 0);
}

TMainMenu::~TMainMenu() = default;

void TMainMenu::Refresh() {
    FBar->clear();
    Fill(*FBar, FItems);
    FBar->resize(FBar->parentWidget() ? FBar->parentWidget()->width() : FBar->sizeHint().width(),
                 FBar->sizeHint().height());
    FBar->show();
}

int TMainMenu::Height() const { return FBar->sizeHint().height(); }
