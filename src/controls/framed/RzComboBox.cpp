#include "RzComboBox.h"

#include "ChangedWriter.h"
#include "RzOldPropReader.h"

#include "graphics/GdiDrawing.h"
#include "ui/ProgramLook.h"
#include "ui/SystemInfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QResizeEvent>

// ---- TRzCustomComboBox ----

TRzCustomComboBox::TRzCustomComboBox(TComponent* owner, TComboBoxStyle style) : TCustomComboBox(owner, style) {
    FTimer.SetEnabled(false);
    FTimer.SetInterval(1500);
    FTimer.SetOnTimer([this](QObject*) { SearchTimerFired(); });
}

TRzCustomComboBox::~TRzCustomComboBox() {
    SwitchFrameController(FFrameController, nullptr, this);
}

bool TRzCustomComboBox::UseThemes() const { return FFramingPreference == fpXPThemes && ThemesEnabled(); }

bool TRzCustomComboBox::Governs(TRzFrameControllerProperty p) const {
    return FFrameController && (FFrameControllerNotifications & fcpBit(p));
}

bool TRzCustomComboBox::IsColorStored() const { return Enabled() && !Governs(fcpColor); }

void TRzCustomComboBox::SetColor(TColor color) {
    TCustomComboBox::SetColor(color);
    if (!FUpdatingColor) NormalColorFollows(color);
}

void TRzCustomComboBox::NormalColorFollows(TColor color) {
    if (FFocusColor == FNormalColor) FFocusColor = color;
    FNormalColor = color;
}

void TRzCustomComboBox::ParentColorChanged() {
    TCustomComboBox::ParentColorChanged();
    NormalColorFollows(Color());
}

void TRzCustomComboBox::UpdateColors() {
    if (Loading()) return;
    FUpdatingColor = true;
    if (!Enabled())
        SetColor(FDisabledColor);
    else if (FIsFocused)
        SetColor(FReadOnly && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor);
    else if (FReadOnly)
        SetColor(FReadOnlyColor);
    else
        SetColor(FNormalColor);
    FUpdatingColor = false;
}

void TRzCustomComboBox::UpdateFrame(bool viaMouse, bool inFocus) {
    if (viaMouse)
        FOverControl = inFocus;
    else
        FInControl = inFocus;
    const bool themedNewStyle = ThemesEnabled() && OsVersion().Major >= 6;
    if (!DroppedDown() && (FFrameHotTrack || (FFlatButtons && !themedNewStyle))) {
        if (FFrameHotTrack)
            update();
        else
            update(QRect(Width() - VerticalScrollBarWidth() - 2, 0, VerticalScrollBarWidth() + 2, Height()));
    }
    UpdateColors();
}

#define Q7K_REPAINT_WRITER(Name, Type, Field) Q7K_CHANGED_WRITER(TRzCustomComboBox, Name, Type, Field, Invalidate())

Q7K_REPAINT_WRITER(FlatButtonColor, TColor, FFlatButtonColor)
Q7K_REPAINT_WRITER(FlatButtons, bool, FFlatButtons)
Q7K_REPAINT_WRITER(FrameColor, TColor, FFrameColor)
Q7K_REPAINT_WRITER(FrameHotColor, TColor, FFrameHotColor)
Q7K_REPAINT_WRITER(FrameHotStyle, TFrameStyle, FFrameHotStyle)
Q7K_REPAINT_WRITER(FrameSides, TSides, FFrameSides)
Q7K_REPAINT_WRITER(FrameStyle, TFrameStyle, FFrameStyle)
Q7K_REPAINT_WRITER(FrameVisible, bool, FFrameVisible)

#undef Q7K_REPAINT_WRITER

void TRzCustomComboBox::SetDisabledColor(TColor value) {
    FDisabledColor = value;
    if (!Enabled()) UpdateColors();
}

void TRzCustomComboBox::SetFocusColor(TColor value) {
    FFocusColor = value;
    if (FIsFocused) UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColor(TColor value) {
    FReadOnlyColor = value;
    if (FReadOnly) UpdateColors();
}

void TRzCustomComboBox::SetFrameHotTrack(bool value) {
    if (value == FFrameHotTrack) return;
    FFrameHotTrack = value;
    if (value) {
        FFrameVisible = true;
        if (!Loading()) FFrameSides = sdAllSides;
    }
    Invalidate();
}

void TRzCustomComboBox::SetFramingPreference(TFramingPreference value) {
    if (value == FFramingPreference) return;
    FFramingPreference = value;
    if (value == fpCustomFraming) Invalidate();
}

void TRzCustomComboBox::SetItemHeight(int value) {
    if (!OwnerDrawStyle() || value == ItemHeight()) return;
    TCustomComboBox::SetItemHeight(value);
}

void TRzCustomComboBox::DrawOwnerEntry(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) {
    const bool selected = state & odSelected;
    if (index < 0 && selected) {
        ProgramLook::PaintFocusFrame(canvas, rect);
        return;
    }
    TCustomComboBox::DrawOwnerEntry(canvas, index, rect, state);
    if (index >= 0 && selected && FShowFocus) ProgramLook::PaintFocusFrame(canvas, rect);
}

void TRzCustomComboBox::SetReadOnly(bool value) {
    if (value == FReadOnly) return;
    FReadOnly = value;
    if (EditChild()) EditChild()->setReadOnly(value);
    UpdateColors();
    Invalidate();
}

void TRzCustomComboBox::SetFrameController(TRzFrameController* value) {
    SwitchFrameController(FFrameController, value, this);
}

void TRzCustomComboBox::Loaded() {
    TCustomComboBox::Loaded();
    UpdateColors();
    UpdateFrame(false, false);
}

void TRzCustomComboBox::DoEnter() {
    FIsFocused = true;
    UpdateFrame(false, true);
    TCustomComboBox::DoEnter();
}

void TRzCustomComboBox::DoExit() {
    FIsFocused = false;
    FSearchString.clear();
    UpdateFrame(false, false);
    if (EditStyle() && !Text().isEmpty() && IndexOf(Text()) < 0 && OnNotInList) OnNotInList(this);
    TCustomComboBox::DoExit();
}

void TRzCustomComboBox::MouseEnter() {
    UpdateFrame(true, true);
    TCustomComboBox::MouseEnter();
}

void TRzCustomComboBox::MouseLeave() {
    UpdateFrame(true, false);
    TCustomComboBox::MouseLeave();
}

void TRzCustomComboBox::EnabledChanged() {
    TCustomComboBox::EnabledChanged();
    UpdateColors();
}

void TRzCustomComboBox::resizeEvent(QResizeEvent* event) {
    TCustomComboBox::resizeEvent(event);
    if (FFrameVisible && !UseThemes()) update();
}

void TRzCustomComboBox::Paint() {
    TCanvas& c = Canvas();
    const int b = ThemesEnabled() ? 1 : 2;
    const int w = Width(), h = Height();
    const int sw = VerticalScrollBarWidth();
    const TRect button = Rect(w - b - sw, b, w - b, h - b);
    const bool themes = ThemesEnabled();
    const bool themedNewStyle = themes && OsVersion().Major >= 6;

    // Rings in Color over the classic edge, where the box draws its own frame.
    if (!(!FFrameVisible || UseThemes() || themedNewStyle)) PaintBevel(c, Rect(0, 0, w, h), Color(), Color(), 2);

    // The drop-down button.
    if (!FFlatButtons || themedNewStyle || FReadOnly) {
        if (FReadOnly) {
            c.Brush = TBrush{Color(), bsSolid};
            c.FillRect(button);
        }
    } else if (!Hot()) {
        c.Brush = TBrush{Color(), bsSolid};
        c.FillRect(button);
        PaintDropDownArrow(c, button, themes ? 1 : 0, true);
    } else {
        const bool down = DroppedDown();
        TRect inside = button;
        if (FFlatButtonColor == clBtnFace)
            inside = down ? PaintSides(c, button, clBtnShadow, clBtnHighlight) : PaintSides(c, button, clBtnHighlight, clBtnShadow);
        else
            inside = PaintColorFrame(c, button, FFlatButtonColor, down ? fsStatus : fsPopup);
        c.Brush = TBrush{FFlatButtonColor, bsSolid};
        c.FillRect(inside);
        PaintDropDownArrow(c, down ? Rect(inside.Left + 1, inside.Top + 1, inside.Right + 1, inside.Bottom + 1) : inside,
                           0, true);
    }

    // The frame.
    if (FFrameVisible && !UseThemes()) {
        const bool hot = FFrameHotTrack && Hot();
        const TFrameStyle style = hot ? FFrameHotStyle : FFrameStyle;
        const TColor color = hot ? FFrameHotColor : FFrameColor;
        const TRect r = Rect(0, 0, w, h);
        if (style == fsFlat)
            PaintSides(c, r, color, color, FFrameSides);
        else if (style == fsFlatBold)
            PaintBevel(c, r, color, color, 2, FFrameSides);
        else if (Color() == clWindow)
            PaintFrame(c, r, style, FFrameSides);
        else
            PaintColorFrame(c, r, Color(), style, FFrameSides);
    }
}

void TRzCustomComboBox::DropDown() {
    TCustomComboBox::DropDown();
    int width = FDropDownWidth;
    if (width <= 0) {
        TCanvas measure;
        measure.Font = Font();
        for (const QString& item : Items()) width = std::max(width, measure.TextWidth(item));
        if (Count() > DropDownCount()) width += VerticalScrollBarWidth();
        width = std::max(width + 8, Width());
    }
    SetDroppedWidth(width);
}

void TRzCustomComboBox::CloseUp() {
    TCustomComboBox::CloseUp();
    Invalidate();
}

void TRzCustomComboBox::SelEndOk() {
    FTyping = true;
    if (OnSelEndOk) OnSelEndOk(this);
}

void TRzCustomComboBox::SelEndCancel() {
    if (OnSelEndCancel) OnSelEndCancel(this);
}

void TRzCustomComboBox::DeleteItem(void* object) {
    if (OnDeleteItem) OnDeleteItem(this, object);
}

void TRzCustomComboBox::InvalidKeyPressed() {
    if (FBeepOnInvalidKey) MessageBeep();
}

void TRzCustomComboBox::SearchAndSelect(const QString& text, QChar key) {
    const int index = FindClosest(text);
    if (index < 0) {
        InvalidKeyPressed();
        return;
    }
    SetItemIndex(index);
    FSearchString = text;
    Click();
    Change();
    KeyPress(key);
}

void TRzCustomComboBox::SearchTimerFired() {
    if (FKeyCount != 0) return;
    FTimer.SetEnabled(false);
    FSearchString.clear();
}

void TRzCustomComboBox::CharTyped(QChar& ch) {
    if (FReadOnly) return;
    if (ch == QChar(0x08)) {
        if (FSearchString.isEmpty()) {
            InvalidKeyPressed();
            SearchAndSelect(QString(), ch);
            return;
        }
        QString s = FSearchString;
        s.chop(s.size() >= 2 && s.back().isLowSurrogate() ? 2 : 1);
        if (!s.isEmpty()) {
            SearchAndSelect(s, ch);
        } else {
            SetItemIndex(0);
            Click();
            Change();
            FSearchString.clear();
            KeyPress(ch);
        }
        return;
    }
    if (ch.unicode() >= 32 && ch.unicode() <= 255) {
        FKeyCount = 1;
        SearchAndSelect(FSearchString + ch, ch);
        FTimer.SetEnabled(false);
        FTimer.SetEnabled(true);
        FKeyCount = 0;
        return;
    }
    TCustomComboBox::CharTyped(ch);
}

void TRzCustomComboBox::KeyDown(TKey& key, TShiftState shift) {
    if (!EditStyle()) {
        if (FReadOnly) {
            key = 0;
            return;
        }
        switch (key) {
        case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
        case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: FSearchString.clear(); break;
        default: break;
        }
    }
    TCustomComboBox::KeyDown(key, shift);
}

void TRzCustomComboBox::mousePressEvent(QMouseEvent* event) {
    if (FReadOnly && event->button() == Qt::LeftButton) return;
    if (Style() == csDropDown && event->button() == Qt::LeftButton) FSearchString = Text();
    TCustomComboBox::mousePressEvent(event);
}

void TRzCustomComboBox::PostTab() {
    auto* tab = new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::postEvent(EditChild() ? static_cast<QObject*>(EditChild()) : this, tab);
}

bool TRzCustomComboBox::EditKeyDown(int qtKey, TShiftState shift) {
    if (qtKey == Qt::Key_Alt) {
        FSysKeyDown = true;
        return FReadOnly;
    }
    if ((shift & ssAlt) && qtKey != Qt::Key_F4) FSysKeyDown = true;
    if (!FAutoComplete) return false;
    QLineEdit* edit = EditChild();
    switch (qtKey) {
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Up: case Qt::Key_Down:
        FTyping = true;
        FSearchString.clear();
        return FReadOnly;
    case Qt::Key_End: case Qt::Key_Home: case Qt::Key_Left: case Qt::Key_Right:
        FSearchString = Text();
        return false;
    case Qt::Key_Insert:
        if (shift & ssShift) FPasteNoted = true;
        return !FAllowEdit;
    case Qt::Key_Delete: {
        const int start = SelStart();
        const int length = std::max(1, SelLength());
        FSearchString = Text();
        FSearchString.remove(start, length);
        return !FAllowEdit && !(edit && edit->selectedText() == Text() && !Text().isEmpty());
    }
    case Qt::Key_F4: return FReadOnly;
    default: return false;
    }
}

bool TRzCustomComboBox::EditChar(QChar& ch) {
    if (FSysKeyDown) {
        FSysKeyDown = false;
        return false;
    }
    if (!FAutoComplete) return false;
    QLineEdit* edit = EditChild();
    if (!edit) return false;
    if (FReadOnly) {
        if (FTabOnEnter && ch == QChar(0x0D) && !DroppedDown()) PostTab();
        return ch != QChar(0x03);  // only copying passes
    }
    QString s = FSearchString;
    const ushort code = ch.unicode();
    if (code == 0x08) {
        if (s.isEmpty()) {
            InvalidKeyPressed();
        } else {
            const int caret = SelStart();
            if (caret >= int(s.size())) {
                s.chop(1);
            } else if (SelLength() > 0 && FAllowEdit) {
                s.remove(caret, SelLength());
                SetItemIndex(-1);
                SetEditText(s);
                SetSelection(caret, 0);
            } else if (FAllowEdit && caret > 0) {
                s.remove(caret - 1, 1);
            }
            Change();
            if (s.isEmpty()) {
                SetItemIndex(-1);
                if (FKeepSearchCase) SetEditText(QString());
                FSearchString.clear();
                Click();
                Change();
                KeyPress(ch);
            }
        }
        FSearchString = s;
        return !s.isEmpty() && FindAndComplete(s, ch);
    }
    if (code == 0x0D) {
        if (DroppedDown() && OnSelEndOk) OnSelEndOk(this);
        FEnterPressed = true;
        return false;
    }
    if ((code == 0x16 || code == 0x18) && !FAllowEdit) return true;
    if (code == 0x1B) {
        FSearchString.clear();
        return !DroppedDown();
    }
    if (code < 32) return false;
    KeyPress(ch);
    if (ch.isNull()) return true;
    const QString before = s;
    const int caret = SelStart();
    if (SelLength() > 0 && caret < int(s.size())) s.remove(caret, SelLength());
    s.insert(std::min(caret, int(s.size())), ch);
    FSearchString = s;
    if (FindAndComplete(s, ch)) return true;
    if (FAllowEdit) {
        SetEditText(before);
        SetSelection(caret, 0);
        FSearchString = s;
        return false;
    }
    InvalidKeyPressed();
    FSearchString = before;
    return true;
}

void TRzCustomComboBox::EditKeyHandled(int qtKey, TShiftState shift) {
    const bool pasteOrCut = (shift & ssCtrl) && (qtKey == Qt::Key_V || qtKey == Qt::Key_X);
    if ((FPasteNoted || pasteOrCut) && FAllowEdit) {
        FSearchString = Text();
        FindAndComplete(FSearchString, QChar());
    }
    FPasteNoted = false;
}

void TRzCustomComboBox::KeyPress(QChar& key) {
    if (FTabOnEnter && key == QChar(0x0D) && !DroppedDown()) {
        PostTab();
        key = QChar();
        return;
    }
    if (Style() == csDropDown && MaxLength() > 0 && key.unicode() >= 32 && Text().size() >= MaxLength() &&
        SelLength() == 0) {
        InvalidKeyPressed();
        key = QChar();
        return;
    }
    TCustomComboBox::KeyPress(key);
    if (AutoDropDown() && !key.isNull()) {
        if (key == QChar(0x09))
            SetDroppedDown(false);
        else if (key != QChar(0x08) && key != QChar(0x1B))
            SetDroppedDown(true);
    }
}

bool TRzCustomComboBox::FindAndComplete(const QString& text, QChar key) {
    const int previous = ItemIndex();
    const int index = FindClosest(text);
    if (index < 0) return false;
    if (FKeepSearchCase) {
        FTyping = true;
        SetEditText(text + Item(index).mid(text.size()));
        FTyping = false;
    } else {
        SetItemIndex(-1);
        SetItemIndex(index);
    }
    Click();
    Change();
    if (!key.isNull()) KeyPress(key);
    SetSelection(int(text.size()), int(Text().size()) - int(text.size()));
    if (ItemIndex() != previous && OnMatch) OnMatch(this);
    return true;
}

void TRzCustomComboBox::SetText(const QString& text) {
    TCustomComboBox::SetText(text);
    if (FAutoComplete && !FTyping && !DroppedDown() && Style() == csDropDown) {
        if (FEnterPressed) {
            FEnterPressed = false;
        } else {
            FSearchString = text;
            const int index = FindClosest(text);
            if (index >= 0) {
                TCustomComboBox::SetItemIndex(index);
                SetSelection(int(text.size()), int(Text().size()) - int(text.size()));
            }
        }
    }
    FTyping = false;
}

void TRzCustomComboBox::ForceText(const QString& value) {
    if (Text() != value) {
        FAutoComplete = false;
        TCustomComboBox::SetText(value);
    }
    FAutoComplete = true;
}

bool TRzCustomComboBox::FindItem(const QString& s) {
    const int index = Items().indexOf(s);
    if (index >= 0) SetItemIndex(index);
    return index >= 0;
}

bool TRzCustomComboBox::FindClosestItem(const QString& s) {
    const int index = FindString(s, -1);
    if (index >= 0) SetItemIndex(index);
    return index >= 0;
}

bool TRzCustomComboBox::DoMouseWheelDown(TShiftState shift, QPoint pos) {
    TCustomComboBox::DoMouseWheelDown(shift, pos);
    if (FReadOnly) return true;
    if (DroppedDown()) {
        SetTopIndex(TopIndex() + WheelScrollLines());
    } else if (ItemIndex() < Count() - 1) {
        SetItemIndex(ItemIndex() + 1);
        Click();
        Change();
    }
    return true;
}

bool TRzCustomComboBox::DoMouseWheelUp(TShiftState shift, QPoint pos) {
    TCustomComboBox::DoMouseWheelUp(shift, pos);
    if (FReadOnly) return true;
    if (DroppedDown()) {
        SetTopIndex(std::max(0, TopIndex() - WheelScrollLines()));
    } else if (ItemIndex() <= 0) {
        SetItemIndex(0);
    } else {
        SetItemIndex(ItemIndex() - 1);
        Click();
        Change();
    }
    return true;
}

void TRzCustomComboBox::DefineProperties(TFiler& filer) {
    filer.DefineProperty("FrameFlat", [this](const QVariant& v) {
        SetFrameHotTrack(v.toBool());
        if (v.toBool()) {
            SetFrameStyle(fsStatus);
            SetFrameHotStyle(fsLowered);
        }
    });
    filer.DefineProperty("FrameFocusStyle", [this](const QVariant& v) { SetFrameHotStyle(TFrameStyle(v.toInt())); });
    TRzOldPropReader::Drop(filer, "FrameFlatStyle");
}

// ---- TRzComboBox ----

QString TRzComboBox::GetItemValue(int index) const {
    if (index >= 0 && index < FValues.size() && !FValues[index].isEmpty()) return FValues[index];
    if (index >= 0 && index < Count()) return Item(index);
    return QString();
}

QString TRzComboBox::ValueOfState() const {
    const int index = EditStyle() ? (Text().isEmpty() ? -1 : ItemsIndexOf(Text())) : ItemIndex();
    if (index >= 0 && index < FValues.size() && !FValues[index].isEmpty()) return FValues[index];
    return Text();
}

void TRzComboBox::SetValue(const QString& value) {
    if (value == FValue && !FForceSetValue) return;
    FInSetValue = true;
    int found = -1;
    for (int i = 0; i < Count() && found < 0; ++i)
        if (GetItemValue(i) == value) found = i;
    SetItemIndex(found);
    FInSetValue = false;
    FValue = value;
}

void TRzComboBox::ValuesChanged() {
    FForceSetValue = true;
    SetValue(ValueOfState());
    FForceSetValue = false;
}

void TRzComboBox::SetValues(const QStringList& values) {
    FValues = values;
    ValuesChanged();
}

void TRzComboBox::Change() {
    if (FInSetValue || FForceSetValue) return;
    TRzCustomComboBox::Change();
    if (ItemIndex() >= 0) SetValue(GetItemValue(ItemIndex()));
}

void TRzComboBox::Click() {
    if (FInSetValue) return;
    TRzCustomComboBox::Click();
    if (ItemIndex() >= 0) SetValue(GetItemValue(ItemIndex()));
}

void TRzComboBox::ClearItemsValues() {
    ClearItems();
    FValues.clear();
    ValuesChanged();
}

void TRzComboBox::AddItemValue(const QString& item, const QString& value) {
    Add(item);
    FValues.append(value);
    ValuesChanged();
}

void TRzComboBox::InsertItemValue(int index, const QString& item, const QString& value) {
    Insert(index, item);
    FValues.insert(std::clamp(index, 0, int(FValues.size())), value);
    ValuesChanged();
}

void TRzComboBox::DeleteItemValue(int index) {
    Delete(index);
    if (index >= 0 && index < FValues.size()) FValues.removeAt(index);
    ValuesChanged();
}
