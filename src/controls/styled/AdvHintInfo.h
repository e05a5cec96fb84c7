#pragma once
// The record of an office-style hint: title, notes, picture and a help flag.
#include "GDIPicture.h"

#include <QString>
#include <QStringList>

class TAdvHintInfo {
public:
    TAdvHintInfo() = default;
    TAdvHintInfo(const TAdvHintInfo&) = delete;
    TAdvHintInfo& operator=(const TAdvHintInfo&) = delete;
    // Copies title, notes, help flag, picture and the wide texts from another record.
    void Assign(const TAdvHintInfo& source);
    // No title and no notes (the picture and the wide texts do not count).
    bool IsEmpty() const { return Title.isEmpty() && Notes.join(QLatin1Char('\n')).isEmpty(); }

    TGDIPPicture& Picture() { return FPicture; }
    void SetPicture(const TGDIPPicture& picture) { FPicture.Assign(&picture); }
    bool ShowHelp = false;
    QStringList Notes;
    QString Title;
    QString WideTitle;
    QString WideNotes;

private:
    TGDIPPicture FPicture;
};
