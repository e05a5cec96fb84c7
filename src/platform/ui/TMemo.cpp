#include "ui/TMemo.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
    FField = new QPlainTextEdit(this);
    setFocusProxy(FField);
    SetTabStop(true);
    FField->setFocusPolicy(Qt::StrongFocus);
    SetScrollBars(ssNone);
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
    FField->show();
}

int TMemo::LineCount() const { return FField->document()->isEmpty() ? 0 : FField->document()->blockCount(); }

QString TMemo::Line(int index) const {
    if (index < 0 || index >= LineCount()) return {};
    return FField->document()->findBlockByNumber(index).text();
}

void TMemo::AddLine(const QString& line) { FField->appendPlainText(line); }

void TMemo::Clear() { FField->clear(); }

QString TMemo::Text() const { return FField->toPlainText(); }

void TMemo::SetScrollBars(TScrollStyle style) {
    FScrollBars = style;
    const bool h = style == ssHorizontal || style == ssBoth;
    const bool v = style == ssVertical || style == ssBoth;
    FField->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FField->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Without a horizontal bar long lines wrap.
    FField->setLineWrapMode(h ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

bool TMemo::ReadOnly() const { return FField->isReadOnly(); }
void TMemo::SetReadOnly(bool readOnly) { FField->setReadOnly(readOnly); }

void TMemo::ApplyLook() {
    QPalette pal = FField->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    pal.setColor(QPalette::Text, ToQColor(Font().Color()));
    pal.setColor(QPalette::Highlight, ToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    FField->setPalette(pal);
    FField->setFont(Font().ToQFont());
}

void TMemo::SetColor(TColor color) {
    TWinControl::SetColor(color);
    ApplyLook();
}

void TMemo::SetFont(const TFont& font) {
    TWinControl::SetFont(font);
    ApplyLook();
}

void TMemo::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    FField->setGeometry(0, 0, std::max(0, width), std::max(0, height));
}
