#include "FStoreName.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "FPresetGrid.h"
#include "RzBmpBtn.h"
#include "text/AnsiCodec.h"
#include "ui/TEdit.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/VirtualKeys.h"

TfmStoreName* fmStoreName = nullptr;

namespace {
constexpr int kNameSize = 14;
}  // namespace

TfmStoreName::TfmStoreName(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmStoreName"));
    SetFrame(*this, 240, 148, 0);
    imBase = AddBackground(*this);
    const auto label = [this](const char* name, const QRect& at, int size) {
        auto* l = new TLabel(this);
        l->SetName(QLatin1String(name));
        l->SetParent(this);
        l->SetTransparent(true);
        l->SetAutoSize(false);
        l->SetAlignment(taCenter);
        l->SetLayout(tlCenter);
        l->SetFont(DialogLook::Font(size, kText, true));
        l->SetBounds(at.x(), at.y(), at.width(), at.height());
        return l;
    };
    lblPresetName = label("lblPresetName", QRect(10, 10, 220, 20), 10);
    lTitle = label("lTitle", QRect(6, 50, 56, 26), 10);
    edName = new TEdit(this);
    edName->SetName(QStringLiteral("edName"));
    edName->SetParent(this);
    edName->SetBounds(64, 48, 160, 28);
    edName->SetMaxLength(kNameSize);
    edName->SetColor(DialogLook::kFieldColour);
    edName->SetFont(DialogLook::Font(11, RGBColor(20, 22, 26), true));
    edName->SetText(QStringLiteral("Default Preset"));
    const QImage& ground = imBase->Picture().Image();
    btnOK = AddButton(*this, ground, QStringLiteral("btnOK"), QRect(28, 100, 80, 30));
    bnCancel = AddButton(*this, ground, QStringLiteral("bnCancel"), QRect(132, 100, 80, 30));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    bnCancel->OnClick = [this](TComponent* s) { bnCancelClick(s); };
    SetDialogButtons(btnOK, bnCancel);
    edName->OnKeyDown = [this](TComponent*, TKey& key, TShiftState) {
        if (key == VK_RETURN) btnOK->Click();
    };
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmStoreName::SetNameText(const QString& name) {
    QString text = name.left(kNameSize);
    while (!text.isEmpty() && (text.back() == QLatin1Char(' ') || text.back() == QLatin1Char('\r'))) text.chop(1);
    edName->SetText(text);
}

std::string TfmStoreName::PaddedName(const QString& text) {
    return AnsiCodec::Padded(text, kNameSize, ' ');
}

void TfmStoreName::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    const QString title = host->LangText(QStringLiteral("SID_PST_NAME"));
    SetCaption(title);
    lblPresetName->SetCaption(title);
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    bnCancel->SetCaption(host->LangText(QStringLiteral("SID_EXIT_CANCEL")));
    DialogLook::Centre(*this);
}

void TfmStoreName::FormActivate() {
    edName->SetEnabled(StoreMode());
    if (StoreMode()) {
        edName->SetFocus();
        edName->SelectAll();
    }
}

void TfmStoreName::btnOKClick(TComponent*) {
    DialogHost* host = MainHost();
    const std::string name = PaddedName(edName->Text());
    edName->SetText(AnsiCodec::ToUnicode(name));
    const int slot = FSlot;
    if (StoreMode()) {
        if (host->IsConnected()) fmStorePreset->Hide();
        Close();
        fmStorePreset->Close();
        host->StorePreset(slot, name);
        TPresetGridForm::Name bytes{};
        std::copy_n(name.begin(), kNameSize, bytes.begin());
        fmRecallPreset->SetPresetRow(slot + 1, bytes);
        fmStorePreset->SetPresetRow(slot, bytes);
    } else {
        if (host->IsConnected()) fmRecallPreset->Hide();
        Close();
        fmRecallPreset->Close();
        host->RecallPreset(slot);
    }
}

void TfmStoreName::bnCancelClick(TComponent*) { Close(); }
