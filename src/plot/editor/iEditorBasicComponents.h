#pragma once
// The small controls the plot's editor windows are built from. They share one discipline: a
// control reports a change only when the user made it. Setting a value from code detaches
// the change event and raises a blocking flag for the duration, so filling a page never
// writes anything back. User changes go to the usual change event and to the owning form's
// UserChange hook.
#include "editor/iCheckBoxRadioGroup.h"
#include "ui/TComboBox.h"
#include "ui/TCustomControl.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"

#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QTabBar;
class QTimer;

class TLabel;

// The form base of the editor windows; its colours follow the program's palette.
class TiCustomEditorForm : public TForm {
public:
    explicit TiCustomEditorForm(TComponent* owner);
    // A label in the palette's text colour.
    TLabel* AddLabel(TWinControl* parent, const QString& caption, int left, int top, bool bold = false);
    // A control of the form reported a user change.
    virtual void UserChange() {}
};

// Tells the owner form of a control about a user change (nothing while the control blocks).
void NotifyUserChange(TComponent* control, bool blocking);

class TiComponentEditorEdit : public TEdit {
public:
    explicit TiComponentEditorEdit(TComponent* owner);

    QString AsString() const { return Text(); }
    void SetAsString(const QString& value);
    // Empty or unparsable text reads as 0.
    int AsInteger() const;
    void SetAsInteger(int value);
    double AsFloat() const;
    void SetAsFloat(double value);
    const QString& OriginalText() const { return FOriginalText; }

    void Enable();
    void Disable();
    void DisableNoClear();
    // Show a value as a user change: committed at once, so OnUpdate fires.
    void SetStringWithEvent(const QString& value);
    void SetIntegerWithEvent(int value);
    void SetDoubleWithEvent(double value);
    // When the text differs from the committed text: commits it, fires OnUpdate and tells the
    // form.
    void Commit();

    TNotifyEvent OnUpdate;

protected:
    void KeyPress(QChar& key) override;
    void DoExit() override;

private:
    void SetSilently(const QString& text);
    QString FOriginalText;
    bool FBlockingEvents = false;
};

class TiComponentEditorComboBox : public TComboBox {
public:
    explicit TiComponentEditorComboBox(TComponent* owner);
    int AsInteger() const { return ItemIndex(); }
    void SetAsInteger(int value);
    QString AsString() const { return Text(); }
    void SetAsString(const QString& value);
    void Enable();
    void Disable();

protected:
    void Change() override;

private:
    bool FBlockingEvents = false;
};

class TiComponentEditorCheckBox : public TiCheckBox {
public:
    explicit TiComponentEditorCheckBox(TComponent* owner);
    bool AsBoolean() const { return Checked(); }
    void SetAsBoolean(bool value);
    void Enable() { SetEnabled(true); }
    void Disable();

protected:
    void DoChange() override;

private:
    bool FBlockingEvents = false;
};

class TiComponentEditorRadioGroup : public TiRadioGroup {
public:
    explicit TiComponentEditorRadioGroup(TComponent* owner);
    int AsInteger() const { return ItemIndex(); }
    void SetAsInteger(int value);
    void Enable() { SetEnabled(true); }
    void Disable();

protected:
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void iKeyDown(int& key, TShiftState shift) override;

private:
    bool FBlockingEvents = false;
};

// A push button whose click fires OnClick.
class TiComponentEditorButton : public TWinControl {
public:
    explicit TiComponentEditorButton(TComponent* owner);
    void SetCaption(const QString& caption) override;
    void SetFont(const TFont& font) override;
    void SetBounds(int left, int top, int width, int height) override;
    // Clicks the button as the user does.
    void ClickButton() { Click(); }
    void Enable() { SetEnabled(true); }
    void Disable() { SetEnabled(false); }

protected:
    QPushButton* FButton;
};

// Owner-drawn list of objects: each entry carries an object and draws its text (and a
// colour box) as OnGetData says.
using TiListBoxGetDataEvent =
    std::function<void(TComponent* sender, int index, bool& drawColorBox, TColor& color, QString& text)>;

class TiComponentEditorListBox : public TCustomControl {
public:
    explicit TiComponentEditorListBox(TComponent* owner);

    int Count() const { return int(FObjects.size()); }
    TObject* ObjectAt(int index) const { return FObjects.at(std::size_t(index)); }
    void AddObject(TObject* object);
    void Clear();
    int ItemIndex() const { return FItemIndex; }
    // Selects an entry (-1 none) without firing OnClick.
    void SetItemIndex(int index);
    TObject* Selected() const { return FItemIndex >= 0 ? ObjectAt(FItemIndex) : nullptr; }
    void SelectLast() { SetItemIndex(Count() - 1); }
    // Deletes the selected entry and destroys its object; the selection stays at its index
    // or moves to the new last entry.
    void DeleteSelectedObject();
    // Deletes the entry of an object (not the object).
    void DeleteObjectIndex(TObject* object);
    int IndexOfObject(TObject* object) const;
    static constexpr int kItemHeight = 16;

    TiListBoxGetDataEvent OnGetData;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::vector<TObject*> FObjects;
    int FItemIndex = -1;
};

// Tabbed pages; each page is a windowed control the page's controls are placed on.
class TiComponentEditorPageControl : public TWinControl {
public:
    explicit TiComponentEditorPageControl(TComponent* owner);
    TWinControl* AddPage(const QString& name, const QString& caption);
    int PageCount() const { return int(FPages.size()); }
    TWinControl* Page(int index) const { return FPages.at(std::size_t(index)); }
    int IndexOfPage(const QString& caption) const;
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    void SetPageVisible(int index, bool visible);
    bool PageVisible(int index) const;
    void SetPageCaption(int index, const QString& caption);
    QString PageCaption(int index) const;
    void SetBounds(int left, int top, int width, int height) override;
    static constexpr int kTabHeight = 24;

private:
    void ShowActive();
    QTabBar* FTabs;
    std::vector<TWinControl*> FPages;
};

class TiComponentEditorGroupBox : public TCustomControl {
public:
    explicit TiComponentEditorGroupBox(TComponent* owner);

protected:
    void Paint() override;
};

class TiComponentEditorColorPicker : public TCustomControl {
public:
    explicit TiComponentEditorColorPicker(TComponent* owner);
    TColor Color() const { return FColorValue; }
    void SetColorValue(TColor value);
    void Enable();
    void Disable();
    // Runs the colour dialog as the "..." button does.
    void Pick();
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void DblClick() override;

private:
    TColor FColorValue = 255;
    TiComponentEditorButton* FButton;
};

class TiComponentEditorFontPicker : public TiComponentEditorButton {
public:
    explicit TiComponentEditorFontPicker(TComponent* owner);
    const TFont& PickedFont() const { return FPicked; }
    void SetPickedFont(const TFont& font) { FPicked = font; }
    TNotifyEvent OnChange;

protected:
    void Click() override;

private:
    TFont FPicked;
};

class TiComponentEditorOpenPicker : public TiComponentEditorButton {
public:
    explicit TiComponentEditorOpenPicker(TComponent* owner);
    QString FileName, Filter, DefaultExt, DefaultDir;
    bool FileMustExist = false;
    bool AllowMultiSelect = false;
    QStringList Files;
    TNotifyEvent OnChange;

protected:
    void Click() override;

private:
    bool FDefaultDirUsed = false;
};

class TiComponentEditorSavePicker : public TiComponentEditorButton {
public:
    explicit TiComponentEditorSavePicker(TComponent* owner);
    QString FileName, Filter, DefaultExt, DefaultDir;
    int FilterIndex = 1;
    bool Execute();
    TNotifyEvent OnChange;

protected:
    void Click() override;

private:
    bool FDefaultDirUsed = false;
};

enum TiValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };
using TFormTranslationMethod = std::function<void(TForm* form)>;

class TiComponentEditorValueConverterPicker : public TiComponentEditorButton {
public:
    explicit TiComponentEditorValueConverterPicker(TComponent* owner);
    TiComponentEditorEdit* Associate() const { return FAssociate; }
    // Places the picker at the edit's right edge.
    void SetAssociate(TiComponentEditorEdit* edit);
    double DateTime = 0;
    TiValueConverterPageType DefaultPage = ivcptInterval;
    TFormTranslationMethod TranslationMethod;
    TNotifyEvent OnChange;

protected:
    void Click() override;

private:
    QPointer<TiComponentEditorEdit> FAssociate;
};

// A spinner beside an edit: steps the edit's integer by Increment, limited to Min..Max
// unless both are 0; held, it repeats after 500 ms, then every 50 ms.
class TiUpDown : public TCustomControl {
public:
    explicit TiUpDown(TComponent* owner);
    ~TiUpDown() override;
    TiComponentEditorEdit* Associate() const { return FAssociate; }
    void SetAssociate(TiComponentEditorEdit* edit);
    int Min = 0;
    int Max = 100;
    int Increment = 1;
    int AsInteger() const;
    void SetAsInteger(int value);
    void Enable();
    void Disable();
    // One step as the user's press makes it (a committed user change).
    void StepUser(bool up);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    int Limited(int value) const;
    TRect UpRect() const;
    TRect DownRect() const;
    void Tick();
    QPointer<TiComponentEditorEdit> FAssociate;
    std::unique_ptr<QTimer> FTimer;
    bool FPressed = false;
    bool FUpPressed = false;
    bool FFirstTick = false;
    TPoint FMousePos{0, 0};
};
