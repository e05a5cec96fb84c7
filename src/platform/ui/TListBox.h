#pragma once
// The framework's list box: a scrolling list of text lines of one height, with one selected
// line. Selecting a line from code scrolls it into view.
#include "ui/TWinControl.h"

class QListWidget;

class TListBox : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
public:
    explicit TListBox(TComponent* owner);

    // The lines (the framework's Items).
    int Count() const;
    QString Item(int index) const;
    // Appends a line and returns its index.
    int Add(const QString& line);
    void Clear();

    // The selected line, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height);

    void SetColor(TColor color) override;
    void SetFont(const TFont& font) override;
    void SetBounds(int left, int top, int width, int height) override;

    // The list that holds the lines (for tests and focus).
    QListWidget* List() const { return FList; }

private:
    void ApplyLook();

    QListWidget* FList = nullptr;
    int FItemHeight = 13;
};
