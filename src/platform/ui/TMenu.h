#pragma once
// Menus as the windows build them: a tree of items (name, tag, caption, visible, enabled,
// checked, a click handler) under a popup menu that shows at a screen point, or under a
// window's main menu bar. The items are plain data; a Qt menu is made from them each time
// the popup menu pops up, and the menu bar is made again when its owner refreshes it.
// An item captioned "-" is a separator line.
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QMenuBar;
class QWidget;

class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(const QString& caption) : Caption(caption) {}
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    QString Name;
    int Tag = 0;
    QString Caption;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    std::function<void(TMenuItem* sender)> OnClick;

    // Appends an item (owned) and returns it.
    TMenuItem* Add(const QString& caption);
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)).get(); }
    void Delete(int index);
    void Clear();
    // The first child with that caption, or null.
    TMenuItem* Find(const QString& caption) const;
    // Runs the click handler, as a click on the item does.
    void Click();

private:
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

class TPopupMenu {
public:
    TPopupMenu();
    ~TPopupMenu();
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    TMenuItem& Items() { return FItems; }
    // Shows the menu at a screen point without waiting for a choice.
    void Popup(int screenX, int screenY);
    // Called when the menu pops up, before it shows.
    std::function<void(TPopupMenu* sender)> OnPopup;
    // The number of times the menu popped up.
    int PopupCount() const { return FPopupCount; }
    // A reference that holds null once the menu is destroyed, for controls that point at a
    // menu they do not own.
    std::weak_ptr<TPopupMenu* const> Tracker() const { return FTracker; }

private:
    std::shared_ptr<TPopupMenu* const> FTracker = std::make_shared<TPopupMenu* const>(this);
    TMenuItem FItems;
    std::unique_ptr<QMenu> FMenu;
    int FPopupCount = 0;
};

// A window's menu bar along its top edge, made from the items' current state by Refresh.
class TMainMenu {
public:
    // The bar is a child of `window`, placed at its top left across its width.
    explicit TMainMenu(QWidget* window);
    ~TMainMenu();
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    TMenuItem& Items() { return FItems; }
    // Makes the bar again from the items (captions, visibility, check marks).
    void Refresh();
    // The bar's height in pixels.
    int Height() const;
    QMenuBar* Bar() const { return FBar; }

private:
    TMenuItem FItems;
    QMenuBar* FBar;
};
