#include "FMemo.h"

#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TMemo.h"

TfmMemo* fmMemo = nullptr;

namespace {
constexpr int kMemoButtonWidth = 76, kMemoButtonHeight = 26, kStrip = 42;  // the strip below the memo
}  // namespace

TfmMemo::TfmMemo(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmMemo"));
    SetFrame(*this, 250, 453, kCloseBox | kSizeable);
    SetCaption(QStringLiteral("Message List"));
    SetColor(kGround);
    Memo = new TMemo(this);
    Memo->SetName(QStringLiteral("Memo"));
    Memo->SetParent(this);
    Memo->SetScrollBars(ssVertical);
    Memo->SetColor(kListGround);
    Memo->SetFont(DialogLook::Font(8, kListText));
    Memo->AddLine(QStringLiteral("Memo"));
    bnClearMemo = AddButton(*this, Plain(kMemoButtonWidth, kMemoButtonHeight, kGround), QStringLiteral("bnClearMemo"),
                            QRect(0, 0, kMemoButtonWidth, kMemoButtonHeight));
    bnClearMemo->SetCaption(QStringLiteral("Clear"));
    bnClearMemo->OnClick = [this](TComponent* s) { bnClearMemoClick(s); };
    OnResize = [this](TComponent*) { PlaceControls(); };
    PlaceControls();
}

void TfmMemo::PlaceControls() {
    Memo->SetBounds(0, 0, Width(), std::max(0, Height() - kStrip));
    bnClearMemo->SetBounds((Width() - kMemoButtonWidth) / 2, Height() - kStrip + (kStrip - kMemoButtonHeight) / 2,
                           kMemoButtonWidth, kMemoButtonHeight);
}

void TfmMemo::bnClearMemoClick(TComponent*) { Memo->Clear(); }
