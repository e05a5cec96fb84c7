#pragma once
// The framed combo box: a combo box with a frame of its own and hot tracking, a flat
// drop-down button that shows only its arrow until the box is hot, colour states (normal,
// focused, disabled, read-only), a read-only mode, incremental search in the list styles
// and auto-completion in the edit styles (each typed key searches the items by their
// beginning), drop-down width sizing, and the selection stepped by the mouse wheel.
// TRzComboBox adds a value per item; Value follows the selection.
#include "RzCommon.h"
#include "RzFrameController.h"

#include "timer/TTimer.h"
#include "ui/LayoutProperties.h"
#include "ui/TCustomComboBox.h"

#include <QPointer>

using TRzDeleteComboItemEvent = std::function<void(TComponent* sender, void* item)>;

class TRzCustomComboBox : public TCustomComboBox, public IDefineProperties {
    Q_OBJECT
    Q_PROPERTY(bool AllowEdit READ AllowEdit WRITE SetAllowEdit)
    Q_PROPERTY(bool AutoComplete READ AutoComplete WRITE SetAutoComplete)
    Q_PROPERTY(bool BeepOnInvalidKey READ BeepOnInvalidKey WRITE SetBeepOnInvalidKey)
    Q_PROPERTY(TColor DisabledColor READ DisabledColor WRITE SetDisabledColor)
    Q_PROPERTY(int DropDownWidth READ DropDownWidth WRITE SetDropDownWidth)
    Q_PROPERTY(TColor FlatButtonColor READ FlatButtonColor WRITE SetFlatButtonColor)
    Q_PROPERTY(bool FlatButtons READ FlatButtons WRITE SetFlatButtons)
    Q_PROPERTY(TColor FocusColor READ FocusColor WRITE SetFocusColor)
    Q_PROPERTY(TColor FrameColor READ FrameColor WRITE SetFrameColor)
    Q_PROPERTY(unsigned FrameControllerNotifications READ FrameControllerNotifications WRITE SetFrameControllerNotifications)
    Q_PROPERTY(TColor FrameHotColor READ FrameHotColor WRITE SetFrameHotColor)
    Q_PROPERTY(bool FrameHotTrack READ FrameHotTrack WRITE SetFrameHotTrack)
    Q_PROPERTY(int FrameHotStyle READ FrameHotStyle WRITE SetFrameHotStyleInt)
    Q_PROPERTY(unsigned FrameSides READ FrameSides WRITE SetFrameSides)
    Q_PROPERTY(int FrameStyle READ FrameStyle WRITE SetFrameStyleInt)
    Q_PROPERTY(bool FrameVisible READ FrameVisible WRITE SetFrameVisible)
    Q_PROPERTY(int FramingPreference READ FramingPreference WRITE SetFramingPreferenceInt)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(bool KeepSearchCase READ KeepSearchCase WRITE SetKeepSearchCase)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(TColor ReadOnlyColor READ ReadOnlyColor WRITE SetReadOnlyColor)
    Q_PROPERTY(bool ReadOnlyColorOnFocus READ ReadOnlyColorOnFocus WRITE SetReadOnlyColorOnFocus)
    Q_PROPERTY(bool TabOnEnter READ TabOnEnter WRITE SetTabOnEnter)
public:
    explicit TRzCustomComboBox(TComponent* owner, TComboBoxStyle style = csDropDown);
    ~TRzCustomComboBox() override;

    bool AllowEdit() const { return FAllowEdit; }
    void SetAllowEdit(bool value) { FAllowEdit = value; }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    bool BeepOnInvalidKey() const { return FBeepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool value) { FBeepOnInvalidKey = value; }
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int value) { FDropDownWidth = value; }
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    virtual void SetFlatButtonColor(TColor value);
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TRzFrameController* FrameController() const { return FFrameController; }
    virtual void SetFrameController(TRzFrameController* value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications v) { FFrameControllerNotifications = v; }
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference value);
    // Accepted only for the owner-drawn styles (and only a changed value).
    void SetItemHeight(int value) override;
    // Selected entries get the highlight colours and a focus rectangle; an entry without an
    // item shows only the focus rectangle when selected.
    void DrawOwnerEntry(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) override;
    bool KeepSearchCase() const { return FKeepSearchCase; }
    void SetKeepSearchCase(bool value) { FKeepSearchCase = value; }
    bool ReadOnly() const { return FReadOnly; }
    virtual void SetReadOnly(bool value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    void SetReadOnlyColorOnFocus(bool value) { FReadOnlyColorOnFocus = value; }
    bool TabOnEnter() const { return FTabOnEnter; }
    void SetTabOnEnter(bool value) { FTabOnEnter = value; }

    void SetColor(TColor color) override;
    void SetText(const QString& text) override;

    // The characters typed so far.
    QString SearchString() const { return FSearchString; }
    void ClearSearchString() { FSearchString.clear(); }
    // The box holds the focus (kept by the box itself).
    bool Focused() const { return FIsFocused; }
    // The box is hot: focused or under the mouse.
    bool Hot() const { return FInControl || FOverControl; }
    bool UseThemes() const;
    // Text becomes `value` with auto-completion suspended (when it differs).
    void ForceText(const QString& value);
    // Selects the item equal to the text (exact), or the first beginning with it (any case).
    bool FindItem(const QString& s);
    bool FindClosestItem(const QString& s);
    // Item list shortcuts.
    int Add(const QString& s) { return AddObject(s, nullptr); }
    void Delete(int index) { DeleteAt(index); }
    int IndexOf(const QString& s) const { return ItemsIndexOf(s); }
    void Insert(int index, const QString& s) { InsertObject(index, s, nullptr); }
    // Whether Color goes into a layout (not while disabled, nor when a controller sets it).
    bool IsColorStored() const;
    // The search-reset timer (1500 ms).
    TTimer& SearchTimer() { return FTimer; }

    void DefineProperties(TFiler& filer) override;

    TRzDeleteComboItemEvent OnDeleteItem;
    TNotifyEvent OnMatch;
    TNotifyEvent OnNotInList;
    TNotifyEvent OnSelEndCancel;
    TNotifyEvent OnSelEndOk;

protected:
    virtual void UpdateColors();
    virtual void UpdateFrame(bool viaMouse, bool inFocus);
    virtual void InvalidKeyPressed();
    virtual void SearchAndSelect(const QString& text, QChar key);
    virtual bool FindAndComplete(const QString& text, QChar key);
    virtual int FindClosest(const QString& text) const { return FindString(text, -1); }
    void DeleteItem(void* object) override;

    void Loaded() override;
    void Paint() override;
    void DropDown() override;
    void CloseUp() override;
    void SelEndOk() override;
    void SelEndCancel() override;
    bool DoMouseWheelDown(TShiftState shift, QPoint pos) override;
    bool DoMouseWheelUp(TShiftState shift, QPoint pos) override;
    void CharTyped(QChar& ch) override;
    void KeyPress(QChar& key) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    bool EditKeyDown(int qtKey, TShiftState shift) override;
    bool EditChar(QChar& ch) override;
    void EditKeyHandled(int qtKey, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void ParentColorChanged() override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetFrameHotStyleInt(int v) { SetFrameHotStyle(TFrameStyle(v)); }
    void SetFrameStyleInt(int v) { SetFrameStyle(TFrameStyle(v)); }
    void SetFramingPreferenceInt(int v) { SetFramingPreference(TFramingPreference(v)); }
    void NormalColorFollows(TColor color);
    void SearchTimerFired();
    void PostTab();
    bool Governs(TRzFrameControllerProperty p) const;

    bool FAutoComplete = true;
    bool FAllowEdit = true;
    bool FBeepOnInvalidKey = true;
    bool FFlatButtons = false;
    TColor FFlatButtonColor = clBtnFace;
    bool FUpdatingColor = false;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    bool FReadOnlyColorOnFocus = false;
    TColor FFocusColor = clWindow;
    TColor FNormalColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    QPointer<TRzFrameController> FFrameController;
    TRzFrameControllerNotifications FFrameControllerNotifications = fcpAllSettings;
    TColor FFrameHotColor = clBtnShadow;
    bool FFrameHotTrack = false;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TFrameStyle FFrameStyle = fsFlat;
    TSides FFrameSides = sdAllSides;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    bool FKeepSearchCase = false;
    QString FSearchString;
    int FDropDownWidth = 0;
    int FKeyCount = 0;
    TTimer FTimer;
    bool FTabOnEnter = false;
    bool FTyping = false;
    bool FEnterPressed = false;
    bool FReadOnly = false;
    bool FSysKeyDown = false;
    bool FPasteNoted = false;
    bool FInControl = false;
    bool FOverControl = false;
    bool FShowFocus = true;
    bool FIsFocused = false;
};

class TRzComboBox : public TRzCustomComboBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Values READ Values WRITE SetValues)
    Q_PROPERTY(QString Value READ Value WRITE SetValue)
public:
    explicit TRzComboBox(TComponent* owner, TComboBoxStyle style = csDropDown) : TRzCustomComboBox(owner, style) {}

    // The value of an item: its Values entry when there is a non-empty one, else its text.
    virtual QString GetItemValue(int index) const;
    // The value last set (by code, or by a choice of the user right after OnChange).
    QString Value() const { return FValue; }
    // Selects the first item with that value (or none) and keeps the value.
    virtual void SetValue(const QString& value);
    const QStringList& Values() const { return FValues; }
    virtual void SetValues(const QStringList& values);

    void ClearItemsValues();
    void AddItemValue(const QString& item, const QString& value);
    void InsertItemValue(int index, const QString& item, const QString& value);
    void DeleteItemValue(int index);

protected:
    void Change() override;
    void Click() override;

private:
    // The value for the current selection or text.
    QString ValueOfState() const;
    void ValuesChanged();

    QString FValue;
    QStringList FValues;
    bool FInSetValue = false;
    bool FForceSetValue = false;
};
