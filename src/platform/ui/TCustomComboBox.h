#pragma once
// The framework's combo box: a text field (an edit child in the edit styles, the selected
// item in the list styles) with a drop-down button and a drop-down list of items. It draws
// its classic face itself (a sunken edge, the field in Color, a raised button with an
// arrow); a derived box paints over that in Paint. The list is a popup below the box.
//
// Notifications follow the windows' order: choosing an item in the list or with the arrow
// keys raises Click, then Select (OnSelect, or Change when there is none); typing in the edit
// raises Change. Setting ItemIndex or Text from code raises nothing.
#include "ui/TCustomControl.h"

#include <QStringList>

#include <vector>

class QLineEdit;
class QListWidget;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The state of an entry drawn by its box: selected, focused, disabled, the box's own field
// (not a list line), the default entry.
enum TOwnerDrawStateFlag : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4, odComboBoxEdit = 8, odDefault = 16 };
using TOwnerDrawState = unsigned;
class TCanvas;
using TDrawItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state)>;

class TCustomComboBox : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int Style READ Style WRITE SetStyleInt)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool AutoDropDown READ AutoDropDown WRITE SetAutoDropDown)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
public:
    // A box made straight in the given style makes no edit field it would drop again.
    explicit TCustomComboBox(TComponent* owner, TComboBoxStyle style = csDropDown);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    virtual void SetStyle(TComboBoxStyle style);
    // True for the styles whose text field is an edit (csDropDown, csSimple).
    bool EditStyle() const { return FStyle == csDropDown || FStyle == csSimple; }

    // The items, with an optional pointer of data each.
    const QStringList& Items() const { return FItems; }
    void SetItems(const QStringList& items);
    int Count() const { return int(FItems.size()); }
    QString Item(int index) const { return FItems.value(index); }
    void* ItemObject(int index) const;
    int AddObject(const QString& item, void* object);
    void InsertObject(int index, const QString& item, void* object);
    // Deletes an item (DeleteItem runs first with its data).
    void DeleteAt(int index);
    void ClearItems();
    // The first item equal to the text, letter case ignored; -1 for none.
    int ItemsIndexOf(const QString& text) const;
    // The first item that begins with the text, letter case ignored, from `start` on; -1.
    int FindString(const QString& text, int start = -1) const;

    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int index);
    QString Text() const;
    virtual void SetText(const QString& text);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int count) { FDropDownCount = count; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int length);
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool value) { FAutoDropDown = value; }
    int ItemHeight() const { return FItemHeight; }
    // The height of the owner-drawn styles' lines; their field is as high plus the edge.
    virtual void SetItemHeight(int height);
    // True for the styles whose entries the box draws itself.
    bool OwnerDrawStyle() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
    // The drop-down styles take the height their font gives them, whatever is asked.
    void SetBounds(int left, int top, int width, int height) override;
    void SetFont(const TFont& font) override;

    // The list is shown.
    bool DroppedDown() const;
    void SetDroppedDown(bool down);
    // The list's first visible item.
    int TopIndex() const;
    void SetTopIndex(int index);
    // The width the list takes when it drops down.
    void SetDroppedWidth(int width) { FDroppedWidth = width; }
    int DroppedWidth() const { return FDroppedWidth; }

    // The edit child of the edit styles (null in the list styles), and its selection.
    QLineEdit* EditChild() const { return FEdit; }
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    // Text changes in the edit child that the box makes itself (no Change).
    void SetEditText(const QString& text);

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnSelect;
    // Draws an entry of an owner-drawn box (the list's lines and the box's field).
    TDrawItemEvent OnDrawItem;

    // Draws one entry of an owner-drawn box on the canvas: index -1 for the field without a
    // selection. Selected entries get the highlight colours; DrawItem draws the entry.
    virtual void DrawOwnerEntry(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);

protected:
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // The list's selection was accepted or cancelled when it closed.
    virtual void SelEndOk() {}
    virtual void SelEndCancel() {}
    // Draws an item: OnDrawItem, or the item's text on the brush.
    virtual void DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
    // An item with attached data is being deleted.
    virtual void DeleteItem(void* object) { Q_UNUSED(object); }
    // A typed character in the list styles, after KeyPress: selects the next item that
    // begins with it. A derived box may take the character over before that.
    virtual void CharTyped(QChar& ch);
    // Keys and characters for the edit child; return true to consume them.
    virtual bool EditKeyDown(int qtKey, TShiftState shift) { Q_UNUSED(qtKey); Q_UNUSED(shift); return false; }
    virtual bool EditChar(QChar& ch) { Q_UNUSED(ch); return false; }
    // After the edit child handled a key press (for follow-ups such as pastes).
    virtual void EditKeyHandled(int qtKey, TShiftState shift) { Q_UNUSED(qtKey); Q_UNUSED(shift); }
    // The edit child's text changed through typing.
    virtual void EditTextChanged();
    // The items changed (added, inserted, deleted or cleared).
    virtual void ItemsChanged() { Invalidate(); }
    // The user picked an item (list, arrow keys): selects it and raises Click and Select.
    void PickItem(int index);
    // Draws the classic face under Paint.
    void EraseBackground(TCanvas& canvas) override;
    // The text field's area (inside the edge, left of the button).
    TRect FieldRect() const;

    void KeyDown(TKey& key, TShiftState shift) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetStyleInt(int style) { SetStyle(TComboBoxStyle(style)); }
    void PlaceEdit();
    void ShowList();
    void HideList(bool accept);

    TComboBoxStyle FStyle = csDropDown;
    QStringList FItems;
    std::vector<void*> FObjects;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FMaxLength = 0;
    bool FAutoDropDown = false;
    int FItemHeight = 16;
    int FDroppedWidth = 0;
    QString FListText;  // the text of a list-style box (the selected item)
    QLineEdit* FEdit = nullptr;
    QWidget* FPopup = nullptr;
    QListWidget* FList = nullptr;
    QObject* FListViewport = nullptr;
    bool FSettingText = false;
    bool FHiding = false;
};
