#include "ui/TCustomComboBox.h"

#include "graphics/Frame3D.h"
#include "ui/ProgramLook.h"
#include "ui/SystemInfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The list's lines of an owner-drawn box are drawn by the box, at its item height; the
// other styles keep the list's own drawing.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    OwnerDrawDelegate(TCustomComboBox* box, QObject* parent) : QStyledItemDelegate(parent), FBox(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!FBox->OwnerDrawStyle()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QImage line(option.rect.size(), QImage::Format_RGB32);
        {
            TCanvas canvas(&line);
            TOwnerDrawState state = 0;
            if (option.state & QStyle::State_Selected) state |= odSelected | odFocused;
            if (!(option.state & QStyle::State_Enabled)) state |= odDisabled;
            FBox->DrawOwnerEntry(canvas, index.row(), Rect(0, 0, line.width(), line.height()), state);
        }
        painter->drawImage(option.rect.topLeft(), line);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!FBox->OwnerDrawStyle()) return QStyledItemDelegate::sizeHint(option, index);
        return QSize(option.rect.width(), FBox->ItemHeight());
    }

private:
    TCustomComboBox* FBox;
};

}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* owner, TComboBoxStyle style) : TCustomControl(owner) {
    SetControlStyle(csDoubleClicks | csCaptureMouse | csOpaque);
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetTabStop(true);
    FStyle = csDropDownList;
    SetStyle(style);
}

TCustomComboBox::~TCustomComboBox() {
    if (FEdit) FEdit->removeEventFilter(this);
    delete FPopup;
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == FStyle && (EditStyle() == (FEdit != nullptr))) return;
    const QString text = Text();
    FStyle = style;
    if (EditStyle() && !FEdit) {
        FEdit = new QLineEdit(this);
        FEdit->setFrame(false);
        FEdit->installEventFilter(this);
        setFocusProxy(FEdit);
        FEdit->setFocusPolicy(Qt::StrongFocus);
        connect(FEdit, &QLineEdit::textEdited, this, [this] {
            if (!FSettingText) EditTextChanged();
        });
        FEdit->setText(text);
        if (FMaxLength > 0) FEdit->setMaxLength(FMaxLength);
        FEdit->show();
        PlaceEdit();
    } else if (!EditStyle() && FEdit) {
        setFocusProxy(nullptr);
        delete FEdit;
        FEdit = nullptr;
        FListText = Item(FItemIndex);
    }
    if (OwnerDrawStyle()) SetBounds(Left(), Top(), Width(), Height());  // the field follows ItemHeight
    Invalidate();
}

void TCustomComboBox::SetItems(const QStringList& items) {
    FItems = items;
    FObjects.assign(std::size_t(items.size()), nullptr);
    if (FItemIndex >= Count()) FItemIndex = -1;
    ItemsChanged();
}

void* TCustomComboBox::ItemObject(int index) const {
    return index >= 0 && index < int(FObjects.size()) ? FObjects[std::size_t(index)] : nullptr;
}

int TCustomComboBox::AddObject(const QString& item, void* object) {
    FItems.append(item);
    FObjects.push_back(object);
    ItemsChanged();
    return Count() - 1;
}

void TCustomComboBox::InsertObject(int index, const QString& item, void* object) {
    index = std::clamp(index, 0, Count());
    FItems.insert(index, item);
    FObjects.insert(FObjects.begin() + index, object);
    if (FItemIndex >= index) ++FItemIndex;
    ItemsChanged();
}

void TCustomComboBox::DeleteAt(int index) {
    if (index < 0 || index >= Count()) return;
    if (void* object = FObjects[std::size_t(index)]) DeleteItem(object);
    FItems.removeAt(index);
    FObjects.erase(FObjects.begin() + index);
    if (FItemIndex == index) {
        FItemIndex = -1;
        if (!EditStyle()) FListText.clear();
    } else if (FItemIndex > index) {
        --FItemIndex;
    }
    ItemsChanged();
}

void TCustomComboBox::ClearItems() {
    for (void* object : FObjects)
        if (object) DeleteItem(object);
    FItems.clear();
    FObjects.clear();
    FItemIndex = -1;
    if (!EditStyle()) FListText.clear();
    ItemsChanged();
}

int TCustomComboBox::ItemsIndexOf(const QString& text) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int TCustomComboBox::FindString(const QString& text, int start) const {
    for (int n = 0; n < Count(); ++n) {
        const int i = (start + 1 + n) % Count();
        if (FItems[i].startsWith(text, Qt::CaseInsensitive)) return i;
    }
    return -1;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    FItemIndex = index;
    if (EditStyle())
        SetEditText(Item(index));
    else
        FListText = Item(index);
    if (FList) FList->setCurrentRow(index);
    Invalidate();
}

QString TCustomComboBox::Text() const { return FEdit ? FEdit->text() : FListText; }

void TCustomComboBox::SetText(const QString& text) {
    if (EditStyle()) {
        SetEditText(text);
    } else {
        const int index = ItemsIndexOf(text);
        if (index >= 0) SetItemIndex(index);
    }
}

void TCustomComboBox::SetEditText(const QString& text) {
    if (!FEdit) return;
    FSettingText = true;
    FEdit->setText(text);
    // Text set from code shows from its start, as the windows' edit does.
    if (!FEdit->hasFocus()) FEdit->setCursorPosition(0);
    FSettingText = false;
    Invalidate();
}

void TCustomComboBox::SetMaxLength(int length) {
    FMaxLength = length;
    if (FEdit) FEdit->setMaxLength(length > 0 ? length : 32767);
}

int TCustomComboBox::SelStart() const { return FEdit ? (FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition()) : 0; }

int TCustomComboBox::SelLength() const { return FEdit ? int(FEdit->selectedText().size()) : 0; }

void TCustomComboBox::SetSelection(int start, int length) {
    if (!FEdit) return;
    if (length > 0)
        FEdit->setSelection(start, length);
    else
        FEdit->setCursorPosition(start);
}

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::EditTextChanged() { Change(); }

void TCustomComboBox::PickItem(int index) {
    if (index < 0 || index >= Count()) return;
    SetItemIndex(index);
    if (FEdit) FEdit->selectAll();
    Click();
    Select();
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
    if (OwnerDrawStyle())
        height = FItemHeight + 6;
    else if (FStyle != csSimple)
        height = std::max(21, QFontMetrics(Font().ToQFont()).height() + 6);
    TCustomControl::SetBounds(left, top, width, height);
}

void TCustomComboBox::SetFont(const TFont& font) {
    TCustomControl::SetFont(font);
    SetBounds(Left(), Top(), Width(), Height());
    PlaceEdit();
}

void TCustomComboBox::SetItemHeight(int height) {
    FItemHeight = std::max(1, height);
    SetBounds(Left(), Top(), Width(), Height());
    if (FList) FList->doItemsLayout();
    Invalidate();
}

void TCustomComboBox::DrawOwnerEntry(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) {
    canvas.Font = Font();
    canvas.Brush = TBrush{Color(), bsSolid};
    if (state & odSelected) {
        canvas.Brush.Color = clHighlight;
        canvas.Font.SetColor(clHighlightText);
    }
    if (index >= 0)
        DrawItem(canvas, index, rect, state);
    else
        canvas.FillRect(rect);
}

void TCustomComboBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, canvas, index, rect, state);
        return;
    }
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top, Item(index));
}

TRect TCustomComboBox::FieldRect() const {
    return Rect(2, 2, Width() - 2 - VerticalScrollBarWidth(), Height() - 2);
}

void TCustomComboBox::PlaceEdit() {
    if (!FEdit) return;
    const TRect f = FieldRect();
    FEdit->setGeometry(f.Left + 1, f.Top + 1, std::max(0, f.Width() - 2), std::max(0, f.Height() - 2));
    QPalette pal = FEdit->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    pal.setColor(QPalette::Text, ToQColor(Enabled() ? Font().Color() : DisabledTextOn(Color())));
    pal.setColor(QPalette::Highlight, ToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    FEdit->setPalette(pal);
    FEdit->setFont(Font().ToQFont());
}

void TCustomComboBox::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    PlaceEdit();
}

void TCustomComboBox::EraseBackground(TCanvas& c) {
    const int w = Width(), h = Height();
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect(Rect(0, 0, w, h));
    // The system colours of the edge and the button, in the dark look's colours on a dark box.
    const auto look = [this](TColor color) { return ProgramLook::OnFace(color, Color()); };
    // The sunken edge.
    TRect r = Frame3D(c, Rect(0, 0, w, h), look(clBtnShadow), look(clBtnHighlight));
    Frame3D(c, r, look(cl3DDkShadow), look(cl3DLight));
    // The button: raised, or pressed while the list is down.
    const int bw = VerticalScrollBarWidth();
    TRect b = Rect(w - 2 - bw, 2, w - 2, h - 2);
    const bool down = DroppedDown();
    if (FStyle != csSimple) {
        if (down) {
            b = Frame3D(c, b, look(clBtnShadow), look(clBtnShadow));
        } else {
            b = Frame3D(c, b, look(cl3DLight), look(cl3DDkShadow));
            b = Frame3D(c, b, look(clBtnHighlight), look(clBtnShadow));
        }
        c.Brush.Color = look(clBtnFace);
        c.FillRect(b);
        c.Brush.Color = Enabled() ? look(clBtnText) : DisabledTextOn(look(clBtnFace));
        const int cx = b.Left + b.Width() / 2 + (down ? 1 : 0);
        const int cy = b.Top + b.Height() / 2 - 1 + (down ? 1 : 0);
        for (int i = 0; i < 4; ++i) c.FillRect(Rect(cx - 3 + i, cy - 2 + i, cx + 4 - i, cy - 1 + i));
    }
    if (EditStyle()) {
        PlaceEdit();
        return;
    }
    // The list styles show the selected item, highlighted while the box has the focus.
    const TRect f = FieldRect();
    if (OwnerDrawStyle()) {
        TOwnerDrawState state = odComboBoxEdit;
        if (hasFocus() && !down) state |= odSelected | odFocused;
        if (!Enabled()) state |= odDisabled;
        DrawOwnerEntry(c, FItemIndex, Rect(f.Left + 1, f.Top + 1, f.Right - 1, f.Bottom - 1), state);
        c.Brush.Style = bsSolid;
        return;
    }
    c.Font = Font();
    if (hasFocus() && !down) {
        c.Brush.Color = clHighlight;
        c.FillRect(Rect(f.Left + 1, f.Top + 1, f.Right - 1, f.Bottom - 1));
        c.Font.SetColor(clHighlightText);
    }
    if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
    c.Brush.Style = bsClear;
    const QString text = Text();
    if (!text.isEmpty()) c.TextOut(f.Left + 2, f.Top + (f.Height() - c.TextHeight(text)) / 2, text);
    c.Brush.Style = bsSolid;
}

bool TCustomComboBox::DroppedDown() const { return FPopup && FPopup->isVisible(); }

void TCustomComboBox::SetDroppedDown(bool down) {
    if (down == DroppedDown()) return;
    if (down)
        ShowList();
    else
        HideList(false);
}

int TCustomComboBox::TopIndex() const { return FList ? FList->verticalScrollBar()->value() : 0; }

void TCustomComboBox::SetTopIndex(int index) {
    if (FList) FList->verticalScrollBar()->setValue(std::max(0, index));
}

void TCustomComboBox::ShowList() {
    DropDown();
    if (!FPopup) {
        FPopup = new QWidget(this, Qt::Popup);
        auto* layout = new QVBoxLayout(FPopup);
        layout->setContentsMargins(1, 1, 1, 1);
        FList = new QListWidget(FPopup);
        FList->setFrameShape(QFrame::NoFrame);
        FList->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        FList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FList->setMouseTracking(true);
        FList->setUniformItemSizes(true);
        FList->setItemDelegate(new OwnerDrawDelegate(this, FList));
        layout->addWidget(FList);
        FList->installEventFilter(this);
        FListViewport = FList->viewport();
        FListViewport->installEventFilter(this);
        FPopup->installEventFilter(this);
        connect(FList, &QListWidget::itemEntered, FList, [this](QListWidgetItem* item) { FList->setCurrentItem(item); });
        connect(FList, &QListWidget::itemClicked, this, [this] { HideList(true); });
    }
    FList->clear();
    FList->addItems(FItems);
    FList->setFont(Font().ToQFont());
    QPalette pal = FList->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    pal.setColor(QPalette::Text, ToQColor(Font().Color()));
    pal.setColor(QPalette::Highlight, ToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    FList->setPalette(pal);
    FPopup->setPalette(QPalette(ToQColor(cl3DDkShadow)));
    FPopup->setAutoFillBackground(true);
    FList->setCurrentRow(FItemIndex);
    const int rows = std::max(1, std::min(Count(), FDropDownCount));
    if (!OwnerDrawStyle()) FItemHeight = std::max(FList->sizeHintForRow(0), QFontMetrics(Font().ToQFont()).height());
    const int width = std::max(FDroppedWidth, Width());
    FPopup->setGeometry(QRect(mapToGlobal(QPoint(0, Height())), QSize(width, rows * FItemHeight + 2)));
    FPopup->show();
    if (FItemIndex >= 0) FList->scrollToItem(FList->item(FItemIndex), QAbstractItemView::PositionAtTop);
    Invalidate();
}

void TCustomComboBox::HideList(bool accept) {
    if (!FPopup || !FPopup->isVisible()) return;
    const int row = FList->currentRow();
    FHiding = true;
    FPopup->hide();
    FHiding = false;
    if (accept) {
        SelEndOk();
        CloseUp();
        if (row >= 0 && row != FItemIndex) PickItem(row);
    } else {
        SelEndCancel();
        CloseUp();
    }
    Invalidate();
}

void TCustomComboBox::CharTyped(QChar& ch) {
    if (ch.isNull() || EditStyle()) return;
    const int index = FindString(QString(ch), FItemIndex);
    if (index >= 0 && index != FItemIndex) PickItem(index);
}

void TCustomComboBox::KeyDown(TKey& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    const bool alt = shift & ssAlt;
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        SetDroppedDown(!DroppedDown());
        key = 0;
        return;
    }
    int next = -2;
    switch (key) {
    case VK_DOWN: case VK_RIGHT: next = std::min(Count() - 1, FItemIndex + 1); break;
    case VK_UP: case VK_LEFT: next = std::max(0, FItemIndex - 1); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = Count() - 1; break;
    case VK_NEXT: next = std::min(Count() - 1, FItemIndex + std::max(1, FDropDownCount - 1)); break;
    case VK_PRIOR: next = std::max(0, FItemIndex - std::max(1, FDropDownCount - 1)); break;
    default: break;
    }
    // In the edit styles the caret keys stay with the edit.
    if (EditStyle() && (key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END)) return;
    if (next >= 0 && Count() > 0 && next != FItemIndex) PickItem(next);
}

void TCustomComboBox::keyPressEvent(QKeyEvent* event) {
    const TKey code = TKey(VirtualKeyOf(event->key()));
    TKey key = code;
    const TShiftState shift = ShiftStateOf(event->modifiers(), Qt::NoButton);
    if (key != 0) KeyDown(key, shift);
    if (key == 0 && code != 0) return;
    QChar ch = KeyCharOf(event->key(), event->text());
    if (ch.isNull()) return;
    CharTyped(ch);
}

void TCustomComboBox::mousePressEvent(QMouseEvent* event) {
    TCustomControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !Enabled()) return;
    if (CanFocus() && !hasFocus()) SetFocus();
    const bool onButton = event->position().x() >= Width() - 2 - VerticalScrollBarWidth();
    if (FStyle != csSimple && (!EditStyle() || onButton)) SetDroppedDown(!DroppedDown());
}

bool TCustomComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FEdit) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(event);
            const TShiftState shift = ShiftStateOf(ke->modifiers(), Qt::NoButton);
            if (EditKeyDown(ke->key(), shift)) return true;
            TKey key = TKey(VirtualKeyOf(ke->key()));
            if (key != 0) {
                KeyDown(key, shift);
                if (key == 0) return true;
            }
            QChar ch;
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) ch = QChar(0x0D);
            else if (ke->key() == Qt::Key_Escape) ch = QChar(0x1B);
            else if (ke->key() == Qt::Key_Backspace) ch = QChar(0x08);
            else if (!ke->text().isEmpty()) ch = ke->text().at(0);
            if (!ch.isNull()) {
                if (EditChar(ch)) return true;
                if (ch.isPrint()) {
                    KeyPress(ch);
                    if (ch.isNull()) return true;
                    if (ch != ke->text().at(0)) {
                        FEdit->insert(QString(ch));
                        EditTextChanged();
                        return true;
                    }
                }
            }
            FEdit->event(event);
            EditKeyHandled(ke->key(), shift);
            return true;
        }
        case QEvent::FocusIn: DoEnter(); break;
        case QEvent::FocusOut: DoExit(); break;
        case QEvent::Wheel: wheelEvent(static_cast<QWheelEvent*>(event)); return true;
        default: break;
        }
        return false;
    }
    if (FList && (watched == FList || watched == FListViewport)) {
        if (event->type() == QEvent::KeyPress) {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
                HideList(true);
                return true;
            }
            if (ke->key() == Qt::Key_Escape || ke->key() == Qt::Key_F4) {
                HideList(false);
                return true;
            }
        } else if (event->type() == QEvent::Wheel) {
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        }
    }
    if (watched == FPopup && event->type() == QEvent::Hide && !FHiding) {
        // Closed from outside (a click elsewhere): a cancelled list.
        SelEndCancel();
        CloseUp();
        Invalidate();
    }
    return false;
}
