#pragma once
// The framework's status bar in its simple form: one panel across the bottom of its form
// showing SimpleText.
#include "ui/TCustomControl.h"

class TStatusBar : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
public:
    explicit TStatusBar(TComponent* owner);

    QString SimpleText() const { return FSimpleText; }
    void SetSimpleText(const QString& text);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool simple);

protected:
    void Paint() override;

private:
    QString FSimpleText;
    bool FSimplePanel = true;
};
