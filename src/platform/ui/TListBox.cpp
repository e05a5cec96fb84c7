#include "ui/TListBox.h"

#include <QListWidget>

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    FList = new QListWidget(this);
    FList->setUniformItemSizes(true);
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    FList->setFrameShape(QFrame::StyledPanel);
    setFocusProxy(FList);
    SetTabStop(true);
    FList->setFocusPolicy(Qt::StrongFocus);
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    FList->show();
}

int TListBox::Count() const { return FList->count(); }

QString TListBox::Item(int index) const {
    const QListWidgetItem* item = FList->item(index);
    return item ? item->text() : QString();
}

int TListBox::Add(const QString& line) {
    auto* item = new QListWidgetItem(line);
    item->setSizeHint(QSize(0, FItemHeight));
    FList->addItem(item);
    return FList->count() - 1;
}

void TListBox::Clear() { FList->clear(); }

int TListBox::ItemIndex() const { return FList->currentRow(); }

void TListBox::SetItemIndex(int index) {
    FList->setCurrentRow(index);
    if (QListWidgetItem* item = FList->item(index)) FList->scrollToItem(item);
}

void TListBox::SetItemHeight(int height) {
    FItemHeight = height;
    for (int i = 0; i < FList->count(); ++i) FList->item(i)->setSizeHint(QSize(0, height));
}

void TListBox::ApplyLook() {
    QPalette pal = FList->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    pal.setColor(QPalette::Text, ToQColor(Font().Color()));
    pal.setColor(QPalette::Highlight, ToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    FList->setPalette(pal);
    FList->setFont(Font().ToQFont());
}

void TListBox::SetColor(TColor color) {
    TWinControl::SetColor(color);
    ApplyLook();
}

void TListBox::SetFont(const TFont& font) {
    TWinControl::SetFont(font);
    ApplyLook();
}

void TListBox::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, height);
    FList->setGeometry(0, 0, std::max(0, width), std::max(0, height));
}
