#pragma once
// The framework's message boxes: the application's MessageBox (text, caption, button and
// icon flags; returns the button pressed) and ShowMessage (a text with one OK button, under
// the application's title). Both are modal. A test puts a hook in their place that records
// the box and answers it.
#include <QString>

#include <functional>

constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
                   MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;

int MessageBox(const QString& text, const QString& caption, unsigned flags);
void ShowMessage(const QString& text);

// Answers every box instead of showing it (null: show them again). ShowMessage comes with
// the application's title and MB_OK.
using MessageBoxHook = std::function<int(const QString& text, const QString& caption, unsigned flags)>;
void SetMessageBoxHook(MessageBoxHook hook);
