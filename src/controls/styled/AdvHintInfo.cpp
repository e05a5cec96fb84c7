#include "AdvHintInfo.h"

void TAdvHintInfo::Assign(const TAdvHintInfo& source) {
    if (&source == this) return;
    Title = source.Title;
    Notes = source.Notes;
    ShowHelp = source.ShowHelp;
    FPicture.Assign(&source.FPicture);
    WideTitle = source.WideTitle;
    WideNotes = source.WideNotes;
}
