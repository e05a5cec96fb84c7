#include "FHidData.h"

#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TListBox.h"

#include <QApplication>

TfmHidData* fmHidData = nullptr;

namespace {
constexpr int kHidDataButtonWidth = 76, kHidDataButtonHeight = 26, kMargin = 24;  // clear of the scroll bar
}  // namespace

TfmHidData::TfmHidData(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmHidData"));
    SetFrame(*this, 1022, 541, kCloseBox | kSizeable);
    SetCaption(QStringLiteral("Hid Data"));
    SetColor(kListGround);
    hbHidData = new TListBox(this);
    hbHidData->SetName(QStringLiteral("hbHidData"));
    hbHidData->SetParent(this);
    hbHidData->SetItemHeight(13);
    hbHidData->SetColor(kListGround);
    TFont mono = DialogLook::Font(8, kListText);
    mono.SetName(QStringLiteral("Liberation Mono"));
    hbHidData->SetFont(mono);
    hbHidData->SetAlign(alClient);
    // The button stands over the list, in its top right corner.
    bnClear = AddButton(*this, Plain(kHidDataButtonWidth, kHidDataButtonHeight, kListGround), QStringLiteral("bnClear"),
                        QRect(0, 0, kHidDataButtonWidth, kHidDataButtonHeight));
    bnClear->SetCaption(QStringLiteral("Clear"));
    bnClear->OnClick = [this](TComponent* s) { bnClearClick(s); };
    OnResize = [this](TComponent*) { PlaceClearButton(); };
    OnShow = [this](TComponent* s) { FormShow(s); };
    PlaceClearButton();
}

void TfmHidData::PlaceClearButton() {
    bnClear->SetBounds(Width() - kHidDataButtonWidth - kMargin, 8, kHidDataButtonWidth, kHidDataButtonHeight);
    bnClear->raise();
}

void TfmHidData::Log(const QString& line) {
    if (!isVisible()) return;
    hbHidData->SetItemIndex(hbHidData->Add(line));
}

void TfmHidData::bnClearClick(TComponent*) { hbHidData->Clear(); }

void TfmHidData::FormShow(TComponent*) { DialogLook::Centre(*this, QApplication::activeWindow()); }
