#pragma once
// The control-code document viewers: a scrollable window showing how an outside controller
// drives the unit over RS232, one in English and one in Simplified Chinese. The document is
// a column 630 pixels wide, kept centred as the window is sized; the keys and the mouse
// wheel scroll it.
#include "ui/TForm.h"

class QLabel;
class QScrollArea;

class TRs232CodeViewer : public TForm {
    Q_OBJECT
public:
    static constexpr int kColumnWidth = 630, kMargin = 50, kDesignWidth = 750;
    static constexpr int kLineStep = 30;
    static constexpr int kClosedWidth = 755, kClosedHeight = 666;

    QScrollArea* Scroller;
    QLabel* RTFLabel;

    // The left edge of the document column for a window `width` wide.
    static int ColumnLeft(int width);
    void FormResize();
    // Page Up/Down scroll by the window's height (frame included), arrows by 30; returns
    // whether the key was one of them.
    bool FormKeyDown(int key);
    void FormMouseWheelUp();
    void FormMouseWheelDown();
    void FormClose();

protected:
    TRs232CodeViewer(TComponent* owner, const QString& name, const QString& caption, const char* document);
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScrollBy(bool vertical, int delta);
    // Sizes the label to its document and the page to the label, once.
    void LayOutDocument();

    bool FLaidOut = false;
};

class TfmRs232CodeEnglish : public TRs232CodeViewer {
    Q_OBJECT
public:
    explicit TfmRs232CodeEnglish(TComponent* owner);
};

class TfmRs232Code : public TRs232CodeViewer {
    Q_OBJECT
public:
    explicit TfmRs232Code(TComponent* owner);
};

extern TfmRs232CodeEnglish* fmRs232CodeEnglish;
extern TfmRs232Code* fmRs232Code;
