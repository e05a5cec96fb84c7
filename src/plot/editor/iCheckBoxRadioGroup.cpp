#include "editor/iCheckBoxRadioGroup.h"

#include "core/iPlotDrawing.h"
#include "graphics/TCanvas.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cmath>

namespace {

constexpr int kVkSpace = 32, kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;

// The background and text colours of the window the control sits on.
TColor WindowColorOf(const QWidget& w) { return PaletteColor(w, QPalette::Window); }
TColor TextColorOf(const QWidget& w) { return PaletteColor(w, QPalette::WindowText); }

void FillBackground(TCanvas& canvas, const QWidget& w) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = WindowColorOf(w);
    canvas.FillRect(Rect(0, 0, w.width(), w.height()));
}

}  // namespace

TColor PaletteColor(const QWidget& widget, QPalette::ColorRole role) {
    // The program's palette: a control's own palette carries its Color, not the look.
    (void)widget;
    const QColor c = QGuiApplication::palette().color(role);
    return TColor(c.red() | (c.green() << 8) | (c.blue() << 16));
}

// ---- Check box ----

TiCheckBox::TiCheckBox(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    TControl::SetCaption(QStringLiteral("Caption"));
}

void TiCheckBox::SetCaption(const QString& value) {
    if (value == Caption()) return;
    TControl::SetCaption(value);
    Fit();
    InvalidateChange();
}

void TiCheckBox::SetFont(const TFont& font) {
    TControl::SetFont(font);
    Fit();
    InvalidateChange();
}

void TiCheckBox::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    InvalidateChange();
}

void TiCheckBox::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    Fit();
    InvalidateChange();
}

void TiCheckBox::Fit() {
    if (!FAutoSize || IsLoading() || FFitting) return;
    FFitting = true;
    TCanvas scratch;
    QImage image(1, 1, QImage::Format_RGB32);
    scratch.SetTarget(&image);
    scratch.Font = Font();
    const int w = scratch.TextWidth(Caption()) + 20, h = scratch.TextHeight(Caption()) + 4;
    scratch.SetTarget(nullptr);
    if (FAlignment == taLeftJustify) SetBounds(Left() + Width() - w, Top(), w, h);
    else SetBounds(Left(), Top(), w, h);
    FFitting = false;
}

void TiCheckBox::SetChecked(bool value) {
    if (value == FChecked) return;
    bool allowed = true;
    if (OnRequestEdit) OnRequestEdit(this, QStringLiteral("Checked"), allowed);
    if (!allowed) return;
    FChecked = value;
    InvalidateChange();
    DoChange();
}

void TiCheckBox::DoChange() {
    if (IsLoading()) return;
    if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("Checked"));
    if (OnChange) OnChange(this);
    if (UserGenerated() && OnChangeUser) OnChangeUser(this);
}

void TiCheckBox::iPaintToCanvas(TCanvas& canvas) {
    FillBackground(canvas, *this);
    canvas.Font = Font();
    canvas.Font.SetColor(TextColorOf(*this));
    const int cy = Height() / 2;
    const int tw = canvas.TextWidth(Caption()), th = canvas.TextHeight(Caption());
    const int top = cy - th / 2 - 1;
    TRect box, text;
    if (FAlignment == taRightJustify) {
        box = Rect(0, cy - 7, 13, cy + 6);
        text = Rect(18, top, 18 + tw, top + th);
    } else {
        box = Rect(Width() - 13, cy - 7, Width(), cy + 6);
        text = Rect(1, top, 1 + tw, top + th);
    }
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = (FMouseDown || FKeyDown || !Enabled()) ? clBtnFace : clWhite;
    canvas.FillRect(box);
    DrawBorderStyle(canvas, box, 0);
    canvas.Brush.Style = bsClear;
    TRect r = text;
    DrawTextFlags(canvas, Caption(), r, WindowColorOf(*this), Enabled(), 17);
    if (FChecked) {
        canvas.Pen.Color = Enabled() ? clBlack : clGray;
        canvas.Pen.Width = 1;
        const int l = box.Left;
        for (int d = 0; d < 3; ++d) {
            const TPoint p[3] = {{l + 3, cy - d}, {l + 5, cy + 2 - d}, {l + 10, cy - 3 - d}};
            canvas.Polyline(p, 3);
        }
    }
    if (HasFocus()) {
        TRect f = Rect(std::max(0, text.Left - 1), std::max(0, text.Top - 1), std::min(Width() - 1, text.Right + 1),
                std::min(Height() - 1, text.Bottom + 2));
        canvas.Font.SetColor(clWhite);
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clBlack;
        DrawFocusRectangle(canvas, f);
    }
}

void TiCheckBox::iMouseDown(TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft) return;
    FocusComponent(this);
    FMouseDown = true;
    InvalidateChange();
}

void TiCheckBox::iMouseUp(TMouseButton, TShiftState, int x, int y) {
    if (!FMouseDown) return;
    InvalidateChange();
    FMouseDown = false;
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) SetChecked(!FChecked);
}

void TiCheckBox::iKeyDown(int& key, TShiftState) {
    if (key != kVkSpace) return;
    FKeyDown = true;
    FMouseDown = false;
    InvalidateChange();
}

void TiCheckBox::iKeyUp(int& key, TShiftState) {
    if (key == kVkSpace && FKeyDown) {
        InvalidateChange();
        FKeyDown = false;
        SetChecked(!FChecked);
    }
    FKeyDown = false;
}

void TiCheckBox::iDoKillFocus() {
    FMouseDown = FKeyDown = false;
    InvalidateChange();
}

// ---- Radio group ----

TiRadioGroupLayout TiRadioGroupLayout::Compute(int count, int columns, int width, int height, int textHeight) {
    TiRadioGroupLayout l;
    l.Columns = std::max(1, columns);
    if (count <= 0) return l;
    l.MaxRows = count / l.Columns + (count % l.Columns != 0 ? 1 : 0);
    l.RowSpacing = double((height - textHeight - textHeight / 4) / l.MaxRows);
    l.FirstRow = int(std::nearbyint(textHeight + l.RowSpacing / 2));
    l.ColumnSpacing = double((width - 14) / l.Columns);
    return l;
}

TPoint TiRadioGroupLayout::ItemCenter(int i) const {
    if (MaxRows <= 0) return {ColumnStart, FirstRow};
    const int row = i % MaxRows, column = i / MaxRows;
    return {int(std::nearbyint(column * ColumnSpacing)) + ColumnStart, int(std::nearbyint(row * RowSpacing)) + FirstRow};
}

int TiRadioGroupLayout::ItemAt(int x, int y) const {
    // A group too small for its rows or columns has no item anywhere (and no division by 0).
    if (RowSpacing <= 0 || (Columns > 1 && ColumnSpacing <= 0)) return -1;
    const int row = int(std::nearbyint((y - FirstRow) / RowSpacing));
    if (Columns == 1) return row;
    const int column = int(std::trunc((x - ColumnStart + 6) / ColumnSpacing));
    return row + column * MaxRows;
}

TiRadioGroup::TiRadioGroup(TComponent* owner) : TiCustomComponent(owner) {
    SetBounds(0, 0, 185, 105);
    SetTabStop(true);
}

void TiRadioGroup::SetCaption(const QString& value) {
    if (value == Caption()) return;
    TControl::SetCaption(value);
    InvalidateChange();
}

void TiRadioGroup::SetFont(const TFont& font) {
    TControl::SetFont(font);
    InvalidateChange();
}

void TiRadioGroup::SetItems(const QStringList& items) {
    FItems = items;
    if (FItemIndex >= FItems.size()) FItemIndex = -1;
    UpdateLayout();
    InvalidateChange();
}

void TiRadioGroup::SetColumns(int value) {
    value = std::max(1, value);
    if (value == FColumns) return;
    FColumns = value;
    UpdateLayout();
    InvalidateChange();
}

void TiRadioGroup::SetItemIndex(int value) {
    value = std::clamp(value, -1, int(FItems.size()) - 1);
    if (value == FItemIndex) return;
    FItemIndex = value;
    FMouseDownIndex = value;
    InvalidateChange();
    DoChange();
}

void TiRadioGroup::DoChange() {
    if (IsLoading()) return;
    if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("ItemIndex"));
    if (OnChange) OnChange(this);
    if (UserGenerated() && OnChangeUser) OnChangeUser(this);
}

void TiRadioGroup::UpdateLayout() {
    TCanvas scratch;
    QImage image(1, 1, QImage::Format_RGB32);
    scratch.SetTarget(&image);
    scratch.Font = Font();
    const int th = scratch.TextHeight(QStringLiteral("ABC"));
    scratch.SetTarget(nullptr);
    FLayout = TiRadioGroupLayout::Compute(int(FItems.size()), FColumns, Width(), Height(), th);
}

void TiRadioGroup::iPaintToCanvas(TCanvas& canvas) {
    FillBackground(canvas, *this);
    canvas.Font = Font();
    canvas.Font.SetColor(TextColorOf(*this));
    const int aw = canvas.TextWidth(QStringLiteral("A")), th = canvas.TextHeight(QStringLiteral("ABC")), h = th / 2;
    const int W = Width(), H = Height();
    auto line = [&](TColor c, int x1, int y1, int x2, int y2) {
        canvas.Pen.Color = c;
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    canvas.Pen.Width = 1;
    line(clBtnHighlight, 1, h + 1, W - 2, h + 1);
    line(clBtnHighlight, 1, h + 1, 1, H - 1);
    canvas.Pen.Color = clBtnShadow;
    const TPoint outline[5] = {{0, h}, {W - 2, h}, {W - 2, H - 2}, {0, H - 2}, {0, h}};
    canvas.Polyline(outline, 5);
    line(clBtnHighlight, W - 1, h + 1, W - 1, H - 1);
    line(clBtnHighlight, W - 1, H - 1, 0, H - 1);
    if (!Caption().isEmpty()) {
        TRect cr = Rect(aw, 0, aw + canvas.TextWidth(Caption()) + 2, canvas.TextHeight(Caption()));
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = WindowColorOf(*this);
        canvas.FillRect(cr);
        canvas.Brush.Style = bsClear;
        DrawTextFlags(canvas, Caption(), cr, WindowColorOf(*this), Enabled(), 17);
    }
    UpdateLayout();
    for (int i = 0; i < FItems.size(); ++i) {
        const TPoint c = FLayout.ItemCenter(i);
        const int x = c.X, y = c.Y;
        const bool pressed = (FMouseDown || FKeyDown) && FMouseDownIndex == i;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = pressed ? clBtnFace : clWhite;
        canvas.FillRect(Rect(x - 3, y - 4, x + 5, y + 4));
        auto ring = [&](TColor color, std::initializer_list<std::array<int, 4>> segments) {
            for (const auto& s : segments) line(color, x + s[0], y + s[1], x + s[2], y + s[3]);
        };
        ring(cl3DDkShadow, {{-4, -2, -4, 2}, {-3, 2, -3, 3}, {-3, -3, -3, -5}, {-3, -4, -1, -4}, {-1, -5, 3, -5}, {3, -4, 5, -4}});
        ring(clBtnShadow, {{-5, -2, -5, 2}, {-4, 2, -4, 4}, {-4, -3, -4, -5}, {-3, -5, -1, -5}, {-1, -6, 3, -6}, {3, -5, 5, -5}});
        ring(clBtnFace, {{6, -3, 6, -5}, {6, 2, 6, 6}, {5, -2, 5, 2}, {4, -3, 4, -2}, {4, 2, 4, 4}, {5, 4, 5, 6},
                         {-5, 5, -1, 5}, {3, 5, 5, 5}, {-1, 4, 3, 4}, {3, 3, 4, 3}, {-3, 3, -1, 3}});
        ring(clBtnHighlight, {{5, -3, 5, -5}, {6, -2, 6, 2}, {5, 2, 5, 4}, {3, 4, 5, 4}, {-1, 5, 3, 5}, {-3, 4, -1, 4}});
        const int tw = canvas.TextWidth(FItems[i]), ith = canvas.TextHeight(FItems[i]);
        TRect tr = Rect(x + 12, y - ith / 2, x + 12 + tw, y + ith / 2);
        canvas.Brush.Style = bsClear;
        DrawTextFlags(canvas, FItems[i], tr, WindowColorOf(*this), Enabled(), 529);
        if (FItemIndex == i) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = Enabled() ? clBlack : clGray;
            canvas.Pen.Color = canvas.Brush.Color;
            canvas.Ellipse(x - 1, y - 2, x + 3, y + 2);
        }
        const bool focusHere = HasFocus() && ((FMouseDown && FMouseDownIndex == i) || (!FMouseDown && FItemIndex == i));
        if (focusHere) {
            canvas.Font.SetColor(clWhite);
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clBlack;
            DrawFocusRectangle(canvas, Rect(tr.Left - 1, tr.Top - 1, tr.Right + 1, tr.Bottom + 3));
            canvas.Font.SetColor(TextColorOf(*this));
        }
    }
}

void TiRadioGroup::iMouseDown(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft) return;
    FocusComponent(this);
    FMouseDown = true;
    FMouseDownIndex = ItemAt(x, y);
    InvalidateChange();
}

void TiRadioGroup::iMouseMove(TShiftState, int x, int y) {
    if (!FMouseDown) return;
    FMouseDownIndex = ItemAt(x, y);
    InvalidateChange();
}

void TiRadioGroup::iMouseUp(TMouseButton, TShiftState, int x, int y) {
    if (!FMouseDown) return;
    InvalidateChange();
    FMouseDown = false;
    if (FMouseDownIndex >= 0 && FMouseDownIndex < FItems.size() && ItemAt(x, y) == FMouseDownIndex)
        SetItemIndex(FMouseDownIndex);
}

void TiRadioGroup::iKeyDown(int& key, TShiftState) {
    FKeyDown = true;
    const int n = int(FItems.size());
    if (n > 0 && (key == kVkRight || key == kVkDown)) {
        SetItemIndex(FItemIndex + 1 >= n ? 0 : FItemIndex + 1);
        key = 0;
    } else if (n > 0 && (key == kVkLeft || key == kVkUp)) {
        SetItemIndex(FItemIndex - 1 < 0 ? n - 1 : FItemIndex - 1);
        key = 0;
    }
    InvalidateChange();
}

void TiRadioGroup::iKeyUp(int&, TShiftState) {
    FKeyDown = false;
    InvalidateChange();
}

void TiRadioGroup::iDoKillFocus() {
    FMouseDown = FKeyDown = false;
    InvalidateChange();
}
