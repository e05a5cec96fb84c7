#pragma once
// The plot library's own check box and radio group: painted by the library in the look of
// the platform's 3-D controls, reporting every change through OnChange and user changes also
// through OnChangeUser.
#include "core/iVCLComponent.h"

#include <QPalette>
#include <QStringList>

// A colour of the widget's palette as a colour value, so the editor's own painting follows
// the program's light or dark look.
TColor PaletteColor(const QWidget& widget, QPalette::ColorRole role);

class TiCheckBox : public TiCustomComponent {
public:
    explicit TiCheckBox(TComponent* owner);

    void SetCaption(const QString& value) override;
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    void SetFont(const TFont& font) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

protected:
    virtual void DoChange();
    void iPaintToCanvas(TCanvas& canvas) override;
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void iKeyDown(int& key, TShiftState shift) override;
    void iKeyUp(int& key, TShiftState shift) override;
    void iDoKillFocus() override;

private:
    void Fit();
    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
    bool FAutoSize = true;
    bool FMouseDown = false;
    bool FKeyDown = false;
    bool FFitting = false;
};

// Where the items of a radio group lie, as its last paint computed it.
struct TiRadioGroupLayout {
    int Columns = 1;
    int MaxRows = 0;
    double RowSpacing = 0;
    int FirstRow = 0;
    int ColumnStart = 14;
    double ColumnSpacing = 0;

    // The layout of Count items in a control of that size with that text height.
    static TiRadioGroupLayout Compute(int count, int columns, int width, int height, int textHeight);
    // The centre of item i.
    TPoint ItemCenter(int i) const;
    // The item index at a point; may lie outside the item range; -1 when a spacing is 0 or
    // less (a control too small to hold its rows or columns).
    int ItemAt(int x, int y) const;
};

class TiRadioGroup : public TiCustomComponent {
public:
    explicit TiRadioGroup(TComponent* owner);

    void SetCaption(const QString& value) override;
    const QStringList& Items() const { return FItems; }
    // Replaces the items; a selection beyond them is cleared without an event.
    void SetItems(const QStringList& items);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    void SetFont(const TFont& font) override;
    int ItemAt(int x, int y) const { return FLayout.ItemAt(x, y); }

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

protected:
    virtual void DoChange();
    void iPaintToCanvas(TCanvas& canvas) override;
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseMove(TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void iKeyDown(int& key, TShiftState shift) override;
    void iKeyUp(int& key, TShiftState shift) override;
    bool iWantSpecialKey(int key) override { return key >= 37 && key <= 40; }
    void iDoKillFocus() override;

private:
    void UpdateLayout();
    QStringList FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FMouseDown = false;
    bool FKeyDown = false;
    int FMouseDownIndex = -1;
    TiRadioGroupLayout FLayout;
};
