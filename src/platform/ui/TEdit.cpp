#include "ui/TEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    FField = new QLineEdit(this);
    FField->setFrame(true);
    FField->installEventFilter(this);
    setFocusProxy(FField);
    SetTabStop(true);
    FField->setFocusPolicy(Qt::StrongFocus);
    connect(FField, &QLineEdit::textEdited, this, [this] { Change(); });
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    FField->show();
}

QString TCustomEdit::Text() const { return FField->text(); }

void TCustomEdit::SetText(const QString& text) { FField->setText(Cased(text)); }

QString CasedText(TEditCharCase charCase, const QString& text) {
    return charCase == ecUpperCase ? text.toUpper() : charCase == ecLowerCase ? text.toLower() : text;
}

void ShowPasswordChar(QLineEdit* field, QChar ch) {
    field->setEchoMode(ch.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    field->setStyleSheet(ch.isNull() ? QString()
                                     : QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(ch.unicode()));
}

QString TCustomEdit::Cased(const QString& text) const { return CasedText(FCharCase, text); }

void TCustomEdit::SetCharCase(TEditCharCase charCase) {
    FCharCase = charCase;
    if (charCase != ecNormal) FField->setText(Cased(FField->text()));
}

void TCustomEdit::SetPasswordChar(QChar ch) {
    FPasswordChar = ch;
    ShowPasswordChar(FField, ch);
}

void TCustomEdit::SelectAll() { FField->selectAll(); }

QString TCustomEdit::SelText() const { return FField->selectedText(); }

void TCustomEdit::SetMaxLength(int length) {
    // The limit holds for typing only; text set from code may be longer, as the windows' edit
    // allows (so the field is not told the limit, which would cut such text).
    FMaxLength = length;
}

void TCustomEdit::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    FField->setAlignment(alignment == taCenter ? Qt::AlignCenter : alignment == taRightJustify ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

bool TCustomEdit::ReadOnly() const { return FField->isReadOnly(); }
void TCustomEdit::SetReadOnly(bool readOnly) { FField->setReadOnly(readOnly); }
int TCustomEdit::SelStart() const { return FField->cursorPosition(); }
void TCustomEdit::SetSelStart(int start) { FField->setCursorPosition(start); }

void TCustomEdit::ApplyLook() {
    QPalette pal = FField->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    pal.setColor(QPalette::Window, ToQColor(Color()));
    pal.setColor(QPalette::Text, ToQColor(Font().Color()));
    pal.setColor(QPalette::Highlight, ToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    FField->setPalette(pal);
    FField->setFont(Font().ToQFont());
}

void TCustomEdit::SetColor(TColor color) {
    TWinControl::SetColor(color);
    ApplyLook();
}

void TCustomEdit::SetFont(const TFont& font) {
    TWinControl::SetFont(font);
    ApplyLook();
}

void TCustomEdit::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    FField->setGeometry(0, 0, std::max(0, width), std::max(0, height));
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == WM_KEYDOWN && message.WParam == VK_END) {
        FField->end(false);
        return;
    }
    TWinControl::WndProc(message);
}

bool TCustomEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FField) return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(event);
        const TShiftState shift = ShiftStateOf(ke->modifiers(), Qt::NoButton);
        // Enter and Esc go to the form's default and cancel buttons first.
        if (OfferDialogKey(ke->key(), shift, ke->text())) return true;
        TKey key = TKey(VirtualKeyOf(ke->key()));
        if (key != 0) {
            KeyDown(key, shift);
            if (key == 0) return true;
        }
        // The field has no use for Enter and Esc; their characters (13, 27) go to KeyPress
        // and they end here.
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter || ke->key() == Qt::Key_Escape) {
            QChar ch(ke->key() == Qt::Key_Escape ? 0x1B : 0x0D);
            KeyPress(ch);
            return true;
        }
        if (!ke->text().isEmpty() && ke->text().at(0).isPrint()) {
            if (FMaxLength > 0 && FField->text().size() >= FMaxLength && !FField->hasSelectedText()) return true;
            QChar ch = ke->text().at(0);
            KeyPress(ch);
            if (ch.isNull()) return true;
            if (FNumbersOnly && !ch.isDigit()) return true;
            if (FCharCase != ecNormal) ch = Cased(QString(ch)).at(0);
            if (ch != ke->text().at(0)) {
                FField->insert(QString(ch));
                Change();
                return true;
            }
        }
        return false;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->isAutoRepeat()) return false;
        TKey key = TKey(VirtualKeyOf(ke->key()));
        if (key != 0) KeyUp(key, ShiftStateOf(ke->modifiers(), Qt::NoButton));
        return false;
    }
    case QEvent::MouseButtonPress: {
        // The field places the caret first, then OnMouseDown runs (so a handler that selects
        // the text keeps its selection), as the windows order them.
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint p = me->position().toPoint();
        const TShiftState shift = ShiftStateOf(me->modifiers(), me->buttons());
        static_cast<QObject*>(FField)->event(event);
        MouseDown(MouseButtonOf(me->button()), shift, p.x(), p.y());
        return true;
    }
    case QEvent::FocusIn: DoEnter(); return false;
    case QEvent::FocusOut: DoExit(); return false;
    default: return false;
    }
}
