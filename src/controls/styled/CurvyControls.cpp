#include "CurvyControls.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

// ---------------------------------------------------------------- rounded panel

TCurvyPanel::TCurvyPanel(TComponent* owner) : TStyledControl(owner) {
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 200, 100);
}

void TCurvyPanel::SetRounding(int value) {
    if (value == FRounding) return;
    FRounding = value;
    update();
}

void TCurvyPanel::SetColor(TColor value) {
    if (value == Color()) return;
    TStyledControl::SetColor(value);
    ColorChanged();
}

void TCurvyPanel::SetBorderColor(TColor value) {
    if (value == FBorderColor) return;
    FBorderColor = value;
    update();
}

void TCurvyPanel::Paint() {
    TCanvas& canvas = Canvas();
    TGDIPFill fill;
    const TColor color = ColorToRGB(Color());
    fill.SetBorderColor(ColorToRGB(FBorderColor));
    fill.SetRounding(FRounding);
    fill.SetRoundingType(rtBoth);
    fill.SetColor(color);
    fill.SetColorTo(color);
    fill.SetColorMirror(color);
    fill.SetColorMirrorTo(color);
    TGPGraphics g(canvas);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    fill.Fill(&g, TGPRectF{float(FIndentLeft), 0, float(Width() - 1 - FIndentRight - FIndentLeft), float(Height() - 1)});
    if (FShadowColor != clNone) {
        TGPPen pen(OpaqueArgb(FShadowColor), 1);
        g.DrawLine(&pen, float(FRounding + FIndentLeft), 1, float(Width() - FRounding - FIndentRight), 1);
        g.DrawArc(&pen, float(Width() - FRounding - 3 - FIndentRight), 1, float(FRounding), float(FRounding), -90, 90);
    }
}

// ---------------------------------------------------------------- side buttons

TCurvyControl::TCurvyControl(TCurvyControls* collection) : FCollection(collection) {
    for (TAdvGDIPPicture* p : {&FPicture, &FPictureDown, &FPictureHover})
        p->OnChange = [this](TGDIPGraphic*) { Changed(); };
}

void TCurvyControl::Changed() {
    if (FCollection) FCollection->Changed();
}

void TCurvyControl::Assign(const TCurvyControl& s) {
    FHint = s.FHint;
    FImageIndex = s.FImageIndex;
    FImageIndexDown = s.FImageIndexDown;
    FImageIndexHover = s.FImageIndexHover;
    FPosition = s.FPosition;
    FDropDown = s.FDropDown;
    Changed();
}

void TCurvyControl::SetImageIndex(int value) {
    FImageIndex = value;
    Changed();
}

void TCurvyControl::SetDropDown(bool value) {
    FDropDown = value;
    Changed();
}

void TCurvyControl::SetPosition(TControlPosition value) {
    FPosition = value;
    Changed();
}

TCurvyControl* TCurvyControls::Add() {
    TCurvyControl* item = Collection::Add();
    Changed();
    return item;
}

void TCurvyControls::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    Collection::Delete(index);
    Changed();
}

void TCurvyControls::Assign(const TCurvyControls& source) {
    Collection::Assign(source);
    Changed();
}

TCurvyControlPanel::TCurvyControlPanel(TComponent* owner) : TCurvyPanel(owner) {
    FCurvyControls.OnChange = [this] { UpdateControls(); };
}

TCurvyControlPanel::~TCurvyControlPanel() { ReferTo(FImages, nullptr); }

void TCurvyControlPanel::SetImages(TImageList* list) {
    if (list == FImages) return;
    ReferTo(FImages, list);
    FCurvyControls.FImageListImageWidth = FImages ? FImages->Width() : 0;
    FCurvyControls.FImageListImageHeight = FImages ? FImages->Height() : 0;
    UpdateControls();
}

void TCurvyControlPanel::ImageListRemoved(const TImageList* list) {
    if (list == FImages) SetImages(nullptr);
}

QSize TCurvyControlPanel::GetControlSize(int index) const {
    TCurvyControl* c = FCurvyControls.Items(index);
    QSize size = c->Picture().Empty() ? QSize(FCurvyControls.FImageListImageWidth + 2, FCurvyControls.FImageListImageHeight)
                                      : QSize(c->Picture().Width() + 2, c->Picture().Height());
    if (c->DropDown()) size.rwidth() += 5;
    return size;
}

void TCurvyControlPanel::UpdateSizes() {
    TCurvyControls& c = FCurvyControls;
    c.FLeftSize = c.FRightSize = c.FLeftControlSize = 0;
    c.FRightControlSize = 2;
    for (int i = 0; i < c.Count(); ++i) {
        const int w = GetControlSize(i).width();
        switch (c.Items(i)->Position()) {
        case cpLeft: c.FLeftSize += w; break;
        case cpLeftInControl: c.FLeftControlSize += w; break;
        case cpRight: c.FRightSize += w; break;
        case cpRightInControl: c.FRightControlSize += w; break;
        }
    }
}

void TCurvyControlPanel::UpdateControls() {
    UpdateSizes();
    FIndentLeft = FCurvyControls.FLeftSize;
    FIndentRight = FCurvyControls.FRightSize;
    LayoutInner();
    update();
}

int TCurvyControlPanel::WalkControls(int x, TCanvas* paint, int* hitStart) const {
    const TCurvyControls& c = FCurvyControls;
    int starts[4];
    starts[cpLeft] = 0;
    starts[cpLeftInControl] = c.FLeftSize + FRounding / 2;
    starts[cpRightInControl] = Width() - c.FRightSize - c.FRightControlSize - FRounding / 2;
    starts[cpRight] = Width() - c.FRightSize + 2;
    int hit = -1;
    for (int i = 0; i < c.Count(); ++i) {
        const QSize size = GetControlSize(i);
        int& start = starts[c.Items(i)->Position()];
        const int top = (Height() - size.height()) / 2;
        if (paint) DrawControl(*paint, i, start, top);
        if (start < x && x < start + size.width()) {
            hit = i;
            if (hitStart) *hitStart = start;
        }
        start += size.width();
    }
    return hit;
}

int TCurvyControlPanel::ControlAtPos(int x, int) const { return WalkControls(x, nullptr); }

void TCurvyControlPanel::DrawControl(TCanvas& canvas, int index, int x, int y) const {
    TCurvyControl* c = FCurvyControls.Items(index);
    int drawnWidth = 0;
    if (!c->Picture().Empty()) {
        TAdvGDIPPicture* picture = &c->Picture();
        if (c->State() == csHover && !c->PictureHover().Empty()) picture = &c->PictureHover();
        if (c->State() == csDown && !c->PictureDown().Empty()) picture = &c->PictureDown();
        TGPGraphics g(canvas);
        picture->GDIPDraw(&g, TRect{x, y, x + picture->Width(), y + picture->Height()});
        drawnWidth = picture->Width();
    } else {
        int image = c->ImageIndex();
        if (c->State() == csHover && c->ImageIndexHover() >= 0) image = c->ImageIndexHover();
        if (c->State() == csDown && c->ImageIndexDown() >= 0) image = c->ImageIndexDown();
        if (FImages && image >= 0) FImages->Draw(canvas, x, y, image, true);
        drawnWidth = FCurvyControls.FImageListImageWidth;
    }
    if (c->DropDown()) {
        TGPGraphics g(canvas);
        g.SetSmoothingMode(SmoothingModeHighQuality);
        TGPSolidBrush black(0xFF000000);
        const float w = float(drawnWidth);
        const TGPPointF triangle[3] = {{x + w, y + 5.0f}, {x + w + 6, y + 5.0f}, {x + w + 3, y + 9.0f}};
        g.FillPolygon(&black, triangle, 3);
    }
}

void TCurvyControlPanel::Paint() {
    TCanvas& canvas = Canvas();
    TCurvyPanel::Paint();
    WalkControls(-1, &canvas);
}

void TCurvyControlPanel::DoControlClick(int index) {
    if (OnControlClick) OnControlClick(this, index);
}

void TCurvyControlPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    PanelMouseDown(button, shift, x, y);
    int start = 0;
    const int i = WalkControls(x, nullptr, &start);
    if (i < 0) return;
    TCurvyControl* c = FCurvyControls.Items(i);
    c->SetState(csDown);
    update();
    if (c->DropDown() && c->PopupMenu()) {
        const QPoint at = mapToGlobal(QPoint(start, Height() - 3));
        c->PopupMenu()->Popup(at.x(), at.y());
    }
}

void TCurvyControlPanel::MouseMove(TShiftState shift, int x, int y) {
    PanelMouseMove(shift, x, y);
    const int i = ControlAtPos(x, y);
    if (i < 0) return;
    bool changed = false;
    for (int k = 0; k < FCurvyControls.Count(); ++k) {
        TCurvyControl* c = FCurvyControls.Items(k);
        const TCurvyControlState want = k == i ? csHover : (c->State() == csHover ? csNormal : c->State());
        if (c->State() != want) {
            c->SetState(want);
            changed = true;
        }
    }
    if (changed) update();
}

void TCurvyControlPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    PanelMouseUp(button, shift, x, y);
    const int i = ControlAtPos(x, y);
    if (i < 0) return;
    DoControlClick(i);
    FCurvyControls.Items(i)->SetState(csNormal);
    update();
}

void TCurvyControlPanel::MouseLeave() {
    bool changed = false;
    for (int k = 0; k < FCurvyControls.Count(); ++k) {
        TCurvyControl* c = FCurvyControls.Items(k);
        if (c->State() == csHover) {
            c->SetState(csNormal);
            changed = true;
        }
    }
    if (changed) update();
}

bool TCurvyControlPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = ControlAtPos(help->pos().x(), help->pos().y());
        if (i >= 0 && !FCurvyControls.Items(i)->Hint().isEmpty()) {
            QToolTip::showText(help->globalPos(), FCurvyControls.Items(i)->Hint(), this);
            return true;
        }
    }
    return TCurvyPanel::event(event);
}

// ---------------------------------------------------------------- inner edit

TEmptyEdit::TEmptyEdit(TCurvyEdit* owner) : QLineEdit(owner), FOwner(owner) {
    setFrame(false);
    setAutoFillBackground(true);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
}

void TEmptyEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!text().isEmpty() || FEmptyText.isEmpty()) return;
    QPainter p(this);
    const QFont font = TFont().ToQFont();
    p.setFont(font);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawText(QPoint(3, QFontMetrics(font).ascent()), FEmptyText);
}

void TEmptyEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    FOwner->ApplySelectionLook();
    if (!FEmptyText.isEmpty() && text().isEmpty()) update();
    if (FOwner->OnEnter) FOwner->OnEnter(FOwner);
}

void TEmptyEdit::focusOutEvent(QFocusEvent* event) {
    // The line edit drops its selection when it loses the focus; the selection stays, shown
    // or not as HideSelection says.
    const int start = selectionStart(), length = selectionLength();
    QLineEdit::focusOutEvent(event);
    if (start >= 0 && length > 0 && !hasSelectedText()) setSelection(start, length);
    FOwner->ApplySelectionLook();
    if (!FEmptyText.isEmpty() && text().isEmpty()) update();
    if (FOwner->OnExit) FOwner->OnExit(FOwner);
}

void TEmptyEdit::keyPressEvent(QKeyEvent* event) {
    Word key = VirtualKeyOf(event->key(), event->modifiers() & Qt::KeypadModifier);
    const TShiftState shift = ShiftStateOf(event->modifiers(), Qt::NoButton);
    if (key && FOwner->OnKeyDown) {
        FOwner->OnKeyDown(FOwner, key, shift);
        if (key == 0) {
            event->accept();
            return;
        }
    }
    if (!event->text().isEmpty() && (FOwner->OnKeyPress || event->text().at(0).isPrint())) {
        QChar c = event->text().at(0);
        if (FOwner->OnKeyPress) FOwner->OnKeyPress(FOwner, c);
        // Typed characters: digits only with NumbersOnly, then turned to the CharCase.
        if (c.isNull() || (FOwner->NumbersOnly() && c.isPrint() && !c.isDigit())) {
            event->accept();
            return;
        }
        if (c.isPrint()) c = FOwner->Cased(QString(c)).at(0);
        if (c != event->text().at(0)) {
            QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(c));
            QLineEdit::keyPressEvent(&changed);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
    // A key the edit ignores (a read-only one ignores most) would travel on to the box and be
    // offered to its key events a second time; only its dialog-key meaning is left to give.
    if (!event->isAccepted()) {
        FOwner->OfferDialogKey(event->key(), shift, event->text());
        event->accept();
    }
}

void TEmptyEdit::keyReleaseEvent(QKeyEvent* event) {
    Word key = VirtualKeyOf(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (key && FOwner->OnKeyUp) FOwner->OnKeyUp(FOwner, key, ShiftStateOf(event->modifiers(), Qt::NoButton));
    QLineEdit::keyReleaseEvent(event);
}

void TEmptyEdit::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) FPressed = true;
    if (FOwner->OnMouseDown)
        FOwner->OnMouseDown(FOwner, MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()),
                            pos.x(), pos.y());
    QLineEdit::mousePressEvent(event);
}

void TEmptyEdit::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (FOwner->OnMouseMove)
        FOwner->OnMouseMove(FOwner, ShiftStateOf(event->modifiers(), event->buttons()), pos.x(), pos.y());
    QLineEdit::mouseMoveEvent(event);
}

void TEmptyEdit::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && FPressed && rect().contains(pos);
    if (event->button() == Qt::LeftButton) FPressed = false;
    if (FOwner->OnMouseUp)
        FOwner->OnMouseUp(FOwner, MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()),
                          pos.x(), pos.y());
    QLineEdit::mouseReleaseEvent(event);
    if (click && FOwner->OnClick) FOwner->OnClick(FOwner);
}

void TEmptyEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && FOwner->OnDblClick) FOwner->OnDblClick(FOwner);
    QLineEdit::mouseDoubleClickEvent(event);
}

void TEmptyEdit::enterEvent(QEnterEvent* event) {
    QLineEdit::enterEvent(event);
    if (FOwner->OnMouseEnter) FOwner->OnMouseEnter(FOwner);
}

void TEmptyEdit::leaveEvent(QEvent* event) {
    QLineEdit::leaveEvent(event);
    if (FOwner->OnMouseLeave) FOwner->OnMouseLeave(FOwner);
}

// ---------------------------------------------------------------- rounded edit

TCurvyEdit::TCurvyEdit(TComponent* owner) : TCurvyControlPanel(owner), FEdit(new TEmptyEdit(this)) {
    FEdit->setFocusPolicy(Qt::ClickFocus);
    FEdit->resize(FEdit->width(), 18);
    QObject::connect(FEdit, &QLineEdit::textEdited, this, [this] {
        if (OnChange) OnChange(this);
    });
    SetBounds(Left(), Top(), 100, 24);
    ApplyFont();
    ColorChanged();
    LayoutInner();
}

TCurvyEdit::~TCurvyEdit() = default;

void TCurvyEdit::LayoutInner() {
    const TCurvyControls& c = Controls();
    const int left = c.FLeftSize + FRounding + c.FLeftControlSize;
    const int width =
        Width() - 2 * FRounding - (c.FRightSize + c.FRightControlSize + c.FLeftSize + c.FLeftControlSize);
    FEdit->setGeometry(left, 5, std::max(0, width), 18);
}

void TCurvyEdit::Resize() {
    TCurvyControlPanel::Resize();
    LayoutInner();
}

void TCurvyEdit::SetBounds(int left, int top, int width, int) { TCurvyControlPanel::SetBounds(left, top, width, 24); }

QString TCurvyEdit::Text() const { return FEdit->text(); }

void TCurvyEdit::SetText(const QString& value) {
    const QString text = Cased(value);
    if (text == FEdit->text()) return;
    FEdit->setText(text);
    if (OnChange) OnChange(this);
}

bool TCurvyEdit::ReadOnly() const { return FEdit->isReadOnly(); }
void TCurvyEdit::SetReadOnly(bool value) {
    FEdit->setReadOnly(value);
    ApplySelectionLook();
}
bool TCurvyEdit::Enabled() const { return FEdit->isEnabled(); }
void TCurvyEdit::SetEnabled(bool value) { FEdit->setEnabled(value); }
int TCurvyEdit::MaxLength() const { return FEdit->maxLength() == 32767 ? 0 : FEdit->maxLength(); }
void TCurvyEdit::SetMaxLength(int value) { FEdit->setMaxLength(value <= 0 ? 32767 : value); }
QString TCurvyEdit::TextHint() const { return FEdit->placeholderText(); }
void TCurvyEdit::SetTextHint(const QString& text) { FEdit->setPlaceholderText(text); }
bool TCurvyEdit::TabStop() const { return FEdit->focusPolicy() == Qt::StrongFocus; }
void TCurvyEdit::SetTabStop(bool value) { FEdit->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
void TCurvyEdit::SetFocus() { FEdit->setFocus(Qt::OtherFocusReason); }

void TCurvyEdit::SetAlignment(TAlignment value) {
    FAlignment = value;
    FEdit->setAlignment((value == taCenter ? Qt::AlignHCenter : value == taRightJustify ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter);
}

void TCurvyEdit::SetPasswordChar(QChar value) {
    FPasswordChar = value;
    ShowPasswordChar(FEdit, value);
}

QString TCurvyEdit::Cased(const QString& text) const { return CasedText(FCharCase, text); }

void TCurvyEdit::SetCharCase(TEditCharCase value) {
    FCharCase = value;
    if (value != ecNormal) FEdit->setText(Cased(FEdit->text()));
}

void TCurvyEdit::SetHideSelection(bool value) {
    FHideSelection = value;
    ApplySelectionLook();
}

void TCurvyEdit::SetFont(const TFont& font) {
    TCurvyControlPanel::SetFont(font);
    ApplyFont();
}

void TCurvyEdit::ApplyFont() {
    FEdit->setFont(Font().ToQFont());
    QPalette pal = FEdit->palette();
    pal.setColor(QPalette::Text, ToQColor(ColorToRGB(Font().Color())));
    pal.setColor(QPalette::Disabled, QPalette::Text, ToQColor(ColorToRGB(clGrayText)));
    FEdit->setPalette(pal);
}

void TCurvyEdit::ColorChanged() {
    TCurvyControlPanel::ColorChanged();
    QPalette pal = FEdit->palette();
    const QColor c = ToQColor(ColorToRGB(Color()));
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Window, c);
    FEdit->setPalette(pal);
    ApplySelectionLook();
}

void TCurvyEdit::ApplySelectionLook() {
    // Without the focus a hidden selection looks like the rest of the text; a box that only
    // shows a value shows no selection at all.
    const bool hidden = (FHideSelection && !FEdit->hasFocus()) || FEdit->isReadOnly();
    const QPalette standard = QGuiApplication::palette();
    QPalette pal = FEdit->palette();
    pal.setColor(QPalette::Highlight, hidden ? pal.color(QPalette::Active, QPalette::Base)
                                             : standard.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::HighlightedText, hidden ? pal.color(QPalette::Active, QPalette::Text)
                                                   : standard.color(QPalette::Active, QPalette::HighlightedText));
    FEdit->setPalette(pal);
}
