#pragma once
// The framework's single-line edit: a text field with alignment, a length limit, colours,
// and the key, mouse, change and focus events of a windowed control. Key events reach
// OnKeyDown before the field acts on them; OnChange follows typing (not Text set from code);
// OnExit follows the loss of the focus. A key-down message of VK_END (Perform) puts the
// caret after the text, as the field's own End key does. MaxLength limits typing only.
// Enter and Esc reach OnKeyPress as the characters 13 and 27.
// CharCase turns typed and set text into upper or lower case; NumbersOnly refuses typed
// characters other than digits; a PasswordChar shows every character as that character.
#include "ui/TWinControl.h"

class QLineEdit;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The text turned to a character case; shared by every edit that has a CharCase.
QString CasedText(TEditCharCase charCase, const QString& text);
// Shows every character of the field as ch (a null character: the text itself).
void ShowPasswordChar(QLineEdit* field, QChar ch);

class TCustomEdit : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignmentInt)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
public:
    explicit TCustomEdit(TComponent* owner);

    QString Text() const;
    void SetText(const QString& text);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int length);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    int SelStart() const;
    void SetSelStart(int start);
    // Selects the whole text; the selected part of the text.
    void SelectAll();
    QString SelText() const;
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase charCase);
    bool NumbersOnly() const { return FNumbersOnly; }
    void SetNumbersOnly(bool numbersOnly) { FNumbersOnly = numbersOnly; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar ch);

    void SetColor(TColor color) override;
    void SetFont(const TFont& font) override;
    void SetBounds(int left, int top, int width, int height) override;

    // The field that holds the text (for tests and focus).
    QLineEdit* Field() const { return FField; }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void WndProc(TMessage& message) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetAlignmentInt(int v) { SetAlignment(TAlignment(v)); }
    void ApplyLook();

    QString Cased(const QString& text) const;

    QLineEdit* FField = nullptr;
    int FMaxLength = 0;
    TAlignment FAlignment = taLeftJustify;
    TEditCharCase FCharCase = ecNormal;
    bool FNumbersOnly = false;
    QChar FPasswordChar;
};

class TEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
