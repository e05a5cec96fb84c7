#pragma once
// The framework's memo: a multi-line text field whose lines the program adds and clears,
// with optional scroll bars.
#include "ui/TWinControl.h"

class QPlainTextEdit;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ScrollBars READ ScrollBars WRITE SetScrollBarsInt)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
public:
    explicit TMemo(TComponent* owner);

    // The lines (the framework's Lines).
    int LineCount() const;
    QString Line(int index) const;
    void AddLine(const QString& line);
    void Clear();
    QString Text() const;

    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    void SetColor(TColor color) override;
    void SetFont(const TFont& font) override;
    void SetBounds(int left, int top, int width, int height) override;

    // The field that holds the text (for tests and focus).
    QPlainTextEdit* Field() const { return FField; }

private:
    void SetScrollBarsInt(int v) { SetScrollBars(TScrollStyle(v)); }
    void ApplyLook();

    QPlainTextEdit* FField = nullptr;
    TScrollStyle FScrollBars = ssNone;
};
