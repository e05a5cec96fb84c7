#pragma once
// Thin non-visual wrappers of the colour, font, open and save dialogs: each fills the
// platform dialog from its properties, runs it and copies the result back. The pickers of
// the editor create one for each pick.
#include "graphics/TColor.h"
#include "graphics/TFont.h"

#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

// Runs a prepared dialog and answers its result; tests replace it to choose in the dialog
// without a user (null restores the modal run).
using TiDialogRunner = std::function<int(QDialog& dialog)>;
void SetDialogRunner(TiDialogRunner runner);
int RunDialog(QDialog& dialog);

class TiColorDialog {
public:
    explicit TiColorDialog(QWidget* owner) : FOwner(owner) {}
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    bool Execute();

private:
    QWidget* FOwner;
    TColor FColor = clBlack;
};

class TiFontDialog {
public:
    explicit TiFontDialog(QWidget* owner) : FOwner(owner) {}
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { FFont = font; }
    bool Execute();

private:
    QWidget* FOwner;
    TFont FFont;
};

// The parts of a filter "Config (*.cfg)|*.cfg|All Files (*.*)|*.*": the name filters the
// dialog shows ("Config (*.cfg)") and the patterns ("*.cfg").
QStringList FilterNames(const QString& filter);
QStringList FilterPatterns(const QString& filter);

class TiOpenDialog {
public:
    explicit TiOpenDialog(QWidget* owner) : FOwner(owner) {}
    QString FileName;
    QString Filter;
    QString DefaultExt;
    QString DefaultDir;
    bool FileMustExist = false;
    bool AllowMultiSelect = false;
    QStringList Files;
    bool Execute();

private:
    QWidget* FOwner;
};

class TiSaveDialog {
public:
    explicit TiSaveDialog(QWidget* owner) : FOwner(owner) {}
    QString FileName;
    QString Filter;
    QString DefaultExt;
    QString DefaultDir;
    int FilterIndex = 1;
    const QString& ReturnExt() const { return FReturnExt; }
    bool Execute();
    // Takes the confirmed name and filter (1-based) and appends the chosen filter's
    // extension when the name lacks it; the pattern is read only for a filter index the list
    // holds.
    void Accept(const QString& fileName, int filterIndex);

private:
    QWidget* FOwner;
    QString FReturnExt;
};
