#pragma once
// The rounded value box: TCurvyPanel paints a rounded, antialiased shape; TCurvyControlPanel
// adds optional side buttons at its ends; TCurvyEdit puts a borderless edit (TEmptyEdit, which
// can show a grey hint while empty) inside and relays the edit's events with itself as Sender.
// The area outside the rounded shape is left unpainted, so the parent shows there.
#include "GDIPFill.h"
#include "GDIPicture.h"
#include "StyledControl.h"
#include "splash/SplashCollection.h"
#include "graphics/TImageList.h"
#include "ui/TEdit.h"
#include "ui/TMenu.h"
#include "ui/TMenu.h"

#include <QLineEdit>

#include <functional>
#include <memory>
#include <vector>

class TCurvyPanel : public TStyledControl {
    Q_OBJECT
public:
    explicit TCurvyPanel(TComponent* owner);

    int Rounding() const { return FRounding; }
    void SetRounding(int value);
    void SetColor(TColor value) override;
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) {
        FShadowColor = value;
        update();
    }

protected:
    virtual void ColorChanged() { repaint(); }
    void Paint() override;

    int FRounding = 8;
    TColor FShadowColor = 0xD9D9D9;
    TColor FBorderColor = clGray;
    int FIndentRight = 0, FIndentLeft = 0;
};

enum TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
enum TCurvyControlState { csNormal, csHover, csDown };

class TCurvyControls;

// One side button.
class TCurvyControl {
public:
    explicit TCurvyControl(TCurvyControls* collection);
    TCurvyControl(const TCurvyControl&) = delete;
    TCurvyControl& operator=(const TCurvyControl&) = delete;

    // Copies Hint, the image indexes, Position and DropDown.
    void Assign(const TCurvyControl& source);
    TAdvGDIPPicture& Picture() { return FPicture; }
    TAdvGDIPPicture& PictureDown() { return FPictureDown; }
    TAdvGDIPPicture& PictureHover() { return FPictureHover; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int ImageIndexDown() const { return FImageIndexDown; }
    void SetImageIndexDown(int value) { FImageIndexDown = value; }
    int ImageIndexHover() const { return FImageIndexHover; }
    void SetImageIndexHover(int value) { FImageIndexHover = value; }
    QString Hint() const { return FHint; }
    void SetHint(const QString& value) { FHint = value; }
    bool DropDown() const { return FDropDown; }
    void SetDropDown(bool value);
    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition value);
    TCurvyControlState State() const { return FState; }
    void SetState(TCurvyControlState value) { FState = value; }
    // Not owned: with DropDown, pops up under the button when it is pressed; null once the
    // menu is destroyed.
    TPopupMenu* PopupMenu() const {
        const auto menu = FPopupMenu.lock();
        return menu ? *menu : nullptr;
    }
    void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu ? menu->Tracker() : std::weak_ptr<TPopupMenu* const>(); }

private:
    void Changed();
    TCurvyControls* FCollection;
    TAdvGDIPPicture FPicture, FPictureDown, FPictureHover;
    int FImageIndex = -1, FImageIndexDown = -1, FImageIndexHover = -1;
    QString FHint;
    bool FDropDown = false;
    TControlPosition FPosition = cpRightInControl;
    TCurvyControlState FState = csNormal;
    std::weak_ptr<TPopupMenu* const> FPopupMenu;
};

// The side buttons of one panel, with the summed widths per position.
class TCurvyControls : public TSplashCollection<TCurvyControls, TCurvyControl> {
    using Collection = TSplashCollection<TCurvyControls, TCurvyControl>;

public:
    // Adding, deleting and assigning report the change (the panel lays out again).
    TCurvyControl* Add();
    void Delete(int index);
    void Assign(const TCurvyControls& source);

    int FLeftSize = 0, FLeftControlSize = 0, FRightSize = 0, FRightControlSize = 0;
    int FImageListImageWidth = 0, FImageListImageHeight = 0;
    std::function<void()> OnChange;

private:
    friend class TCurvyControl;
    void Changed() {
        if (OnChange) OnChange();
    }
};

using TControlClickEvent = std::function<void(TComponent* sender, int index)>;

class TCurvyControlPanel : public TCurvyPanel, public TImageListClient {
    Q_OBJECT
public:
    explicit TCurvyControlPanel(TComponent* owner);
    ~TCurvyControlPanel() override;

    TCurvyControls& Controls() { return FCurvyControls; }
    // Not owned: the images of buttons without a picture; its image size sizes them. A list
    // that is destroyed leaves the property empty.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* list);
    QString Version() const { return QStringLiteral("1.0.3.1"); }
    void SetVersion(const QString&) {}
    // The button's size: its picture + 2 pixels wide (5 more with DropDown).
    QSize GetControlSize(int index) const;
    // The index of the button whose span holds x (its ends excluded), or -1.
    int ControlAtPos(int x, int y) const;

    TControlClickEvent OnControlClick;

protected:
    virtual void DoControlClick(int index);
    virtual void LayoutInner() {}
    void UpdateSizes();
    void UpdateControls();
    int WalkControls(int x, TCanvas* paint, int* start = nullptr) const;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    // The framework's own mouse events of the panel (a TCurvyEdit's come from its edit).
    virtual void PanelMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
        TCurvyPanel::MouseDown(button, shift, x, y);
    }
    virtual void PanelMouseMove(TShiftState shift, int x, int y) { TCurvyPanel::MouseMove(shift, x, y); }
    virtual void PanelMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
        TCurvyPanel::MouseUp(button, shift, x, y);
    }
    bool event(QEvent* event) override;

private:
    void DrawControl(TCanvas& canvas, int index, int x, int y) const;
    void ImageListRemoved(const TImageList* list) override;
    TCurvyControls FCurvyControls;
    TImageList* FImages = nullptr;
};

class TCurvyEdit;

// The edit inside a TCurvyEdit; shows EmptyText in grey at (3, 0) while its text is empty.
class TEmptyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEmptyEdit(TCurvyEdit* owner);
    QString EmptyText() const { return FEmptyText; }
    void SetEmptyText(const QString& text) { FEmptyText = text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TCurvyEdit* FOwner;
    QString FEmptyText;
    bool FPressed = false;
};

// TEditCharCase is the platform edit's (ui/TEdit.h).

class TCurvyEdit : public TCurvyControlPanel {
    Q_OBJECT
public:
    explicit TCurvyEdit(TComponent* owner);
    ~TCurvyEdit() override;

    TEmptyEdit* Edit() const { return FEdit; }
    QString Text() const;
    // A different text raises OnChange; the same text changes nothing.
    void SetText(const QString& text);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    // Enables or disables the inner edit only; the frame keeps its look.
    bool Enabled() const;
    void SetEnabled(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    // Typed and set text turns to this case; setting it turns the present text too.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    // True: a selection shows only while the edit has the focus; it is kept either way.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    int MaxLength() const;
    void SetMaxLength(int value);
    // Typed characters other than digits are refused (text set by code is not checked).
    bool NumbersOnly() const { return FNumbersOnly; }
    void SetNumbersOnly(bool value) { FNumbersOnly = value; }
    // Not null: every character shows as this one.
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    QString EmptyText() const { return FEdit->EmptyText(); }
    void SetEmptyText(const QString& text) { FEdit->SetEmptyText(text); }
    QString TextHint() const;
    void SetTextHint(const QString& text);
    bool TabStop() const;
    void SetTabStop(bool value);
    void SetFont(const TFont& font) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetFocus() override;

    // Events of the inner edit, raised with this control as Sender.
    TNotifyEvent OnChange;

protected:
    void ColorChanged() override;
    void LayoutInner() override;
    void Resize() override;
    void PanelMouseDown(TMouseButton, TShiftState, int, int) override {}
    void PanelMouseMove(TShiftState, int, int) override {}
    void PanelMouseUp(TMouseButton, TShiftState, int, int) override {}

private:
    friend class TEmptyEdit;
    void ApplyFont();
    QString Cased(const QString& text) const;
    void ApplySelectionLook();
    TEmptyEdit* FEdit;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSelect = true;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    bool FNumbersOnly = false;
    QChar FPasswordChar;
};
