#include "TypedEntry.h"

void RefuseEntry(TEdit* edit, const QString& text) {
    edit->SetText(text);
    edit->Perform(WM_KEYDOWN, VK_END);
    edit->Perform(WM_KEYUP, VK_END);
}
