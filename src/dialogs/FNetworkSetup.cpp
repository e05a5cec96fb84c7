#include "FNetworkSetup.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "FInformation.h"
#include "RzBmpBtn.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TRadioButton.h"

#include <cstdint>

TfmNetworkSetup* fmNetworkSetup = nullptr;

namespace {

constexpr int kMaxId = 250;

// The number in an edit; an empty field (the edits take digits only) counts as 0.
int ValueOf(const TEdit& edit) {
    bool ok = false;
    const int value = edit.Text().toInt(&ok);
    return ok ? value : 0;
}

QString AddressText(std::uint32_t a) {
    return QStringLiteral("%1.%2.%3.%4").arg(a >> 24).arg((a >> 16) & 255).arg((a >> 8) & 255).arg(a & 255);
}

TEdit* EditOf(TComponent* sender) { return dynamic_cast<TEdit*>(sender); }

}  // namespace

TEdit* TfmNetworkSetup::MakeEdit(TWinControl* parent, const QString& name, int left, int top, int width,
                                 int height, const QString& text) {
    auto* edit = new TEdit(this);
    edit->SetName(name);
    edit->SetParent(parent);
    edit->SetBounds(left, top, width, height);
    edit->SetAlignment(taCenter);
    edit->SetMaxLength(3);
    edit->SetNumbersOnly(true);
    edit->SetFont(DialogLook::Font(10, clWindowText, true));
    edit->SetText(text);
    return edit;
}

TfmNetworkSetup::TfmNetworkSetup(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmNetworkSetup"));
    SetFrame(*this, 280, 143, kCloseBox);
    Image1 = AddBackground(*this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetBounds(0, 0, 281, 145);

    gbIdSetting = new TGroupBox(this);
    gbIdSetting->SetName(QStringLiteral("gbIdSetting"));
    gbIdSetting->SetParent(this);
    gbIdSetting->SetBounds(30, 22, 219, 66);
    gbIdSetting->SetColor(kPanel);
    gbIdSetting->SetFont(DialogLook::Font(8, DialogLook::kPanelText, true));
    lbMessage = new TLabel(this);
    lbMessage->SetName(QStringLiteral("lbMessage"));
    lbMessage->SetParent(gbIdSetting);
    lbMessage->SetTransparent(true);
    lbMessage->SetAutoSize(false);
    lbMessage->SetAlignment(taRightJustify);
    lbMessage->SetLayout(tlCenter);
    lbMessage->SetFont(DialogLook::Font(9, DialogLook::kPanelText));
    lbMessage->SetBounds(10, 26, 90, 26);
    edId = MakeEdit(gbIdSetting, QStringLiteral("edId"), 110, 26, 64, 26, QStringLiteral("1"));

    // The address group lies below the client area, hidden; its edits still take part in Set.
    gbIpSetting = new TGroupBox(this);
    gbIpSetting->SetName(QStringLiteral("gbIpSetting"));
    gbIpSetting->SetParent(this);
    gbIpSetting->SetBounds(30, 294, 219, 70);
    gbIpSetting->SetColor(kPanel);
    gbIpSetting->SetVisible(false);
    const QString octets[] = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("1"), QStringLiteral("101")};
    TEdit** edits[] = {&edIp1, &edIp2, &edIp3, &edIp4};
    TLabel** dots[] = {&Label1, &Label2, &Label3};
    for (int i = 0; i < 4; ++i) {
        *edits[i] = MakeEdit(gbIpSetting, QStringLiteral("edIp%1").arg(i + 1), 10 + i * 52, 34, 42, 27, octets[i]);
        if (i == 3) break;
        *dots[i] = AddLabel(this, gbIpSetting, QStringLiteral("Label%1").arg(i + 1), 55 + i * 52, 42,
                            DialogLook::Font(9, clWindowText, true));
        (*dots[i])->SetCaption(QStringLiteral("."));
    }
    rbManualSetting = new TRadioButton(this);
    rbManualSetting->SetName(QStringLiteral("rbManualSetting"));
    rbManualSetting->SetParent(gbIpSetting);
    rbManualSetting->SetBounds(10, 14, 100, 17);
    rbManualSetting->SetColor(kPanel);
    rbManualSetting->SetChecked(true);
    rbManualSetting->SetVisible(false);
    rbAutoSetting = new TRadioButton(this);
    rbAutoSetting->SetName(QStringLiteral("rbAutoSetting"));
    rbAutoSetting->SetParent(gbIpSetting);
    rbAutoSetting->SetBounds(112, 14, 100, 17);
    rbAutoSetting->SetColor(kPanel);
    rbAutoSetting->SetVisible(false);

    const QImage& ground = Image1->Picture().Image();
    bnSet = AddButton(*this, ground, QStringLiteral("bnSet"), QRect(50, 96, 70, 30));
    bnExit = AddButton(*this, ground, QStringLiteral("bnExit"), QRect(150, 96, 70, 30));

    edId->OnEnter = [this](TComponent* s) { edIdEnter(s); };
    edId->OnMouseDown = [this](TComponent* s, TMouseButton, TShiftState, int, int) { edIdEnter(s); };
    edId->OnExit = [this](TComponent* s) { edIdExit(s); };
    edId->OnKeyPress = [this](TComponent* s, QChar& key) { edIdKeyPress(s, key); };
    for (TEdit* edit : {edIp1, edIp2, edIp3, edIp4}) {
        edit->OnEnter = [this](TComponent* s) { edIp1Enter(s); };
        edit->OnMouseDown = [this](TComponent* s, TMouseButton, TShiftState, int, int) { edIp1Enter(s); };
        edit->OnExit = [this](TComponent* s) { edIp1Exit(s); };
        edit->OnKeyPress = [this](TComponent* s, QChar& key) { edIp1KeyPress(s, key); };
    }
    rbManualSetting->OnClick = [this](TComponent* s) { rbManualSettingClick(s); };
    rbAutoSetting->OnClick = [this](TComponent* s) { rbAutoSettingClick(s); };
    bnSet->OnClick = [this](TComponent* s) { bnSetClick(s); };
    bnExit->OnClick = [this](TComponent* s) { bnExitClick(s); };
    // Enter belongs to the edits (it clamps their value); Esc leaves as Exit does.
    SetDialogButtons(nullptr, bnExit);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

QString TfmNetworkSetup::GetAddressText() const { return AddressText(MainHost()->GetUnitAddress()); }

void TfmNetworkSetup::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    const std::uint32_t a = host->GetUnitAddress();
    edIp1->SetText(QString::number(a >> 24));
    edIp2->SetText(QString::number((a >> 16) & 255));
    edIp3->SetText(QString::number((a >> 8) & 255));
    edIp4->SetText(QString::number(a & 255));
    SetCaption(host->LangText(QStringLiteral("SID_SET_NETWORK")));
    rbManualSetting->SetCaption(host->LangText(QStringLiteral("SID_MANU_NETWORK")));
    rbAutoSetting->SetCaption(host->LangText(QStringLiteral("SID_AUTO_NETWORK")));
    gbIdSetting->SetCaption(host->LangText(QStringLiteral("SID_INPUT_ID")));
    gbIpSetting->SetCaption(host->LangText(QStringLiteral("SID_IP_ADDRESS")));
    lbMessage->SetCaption(host->LangText(QStringLiteral("SID_NUMBER")));
    bnSet->SetCaption(host->LangText(QStringLiteral("SID_SET")));
    bnExit->SetCaption(host->LangText(QStringLiteral("SID_EXIT")));
    DialogLook::Centre(*this);
}

void TfmNetworkSetup::edIdEnter(TComponent*) { edId->SelectAll(); }

void TfmNetworkSetup::ClampId() {
    const int value = ValueOf(*edId);
    if (value > kMaxId) {
        edId->SetText(QString::number(kMaxId));
        edId->SelectAll();
    } else if (value <= 0) {
        edId->SetText(QStringLiteral("1"));
        edId->SelectAll();
    }
}

void TfmNetworkSetup::edIdExit(TComponent*) { ClampId(); }

void TfmNetworkSetup::edIdKeyPress(TComponent*, QChar& Key) {
    if (Key != QChar(13)) return;
    ClampId();
    edId->SelectAll();
}

void TfmNetworkSetup::edIp1Enter(TComponent* Sender) {
    if (TEdit* edit = EditOf(Sender)) edit->SelectAll();
}

void TfmNetworkSetup::edIp1Exit(TComponent* Sender) {
    TEdit* edit = EditOf(Sender);
    if (!edit || ValueOf(*edit) < 256) return;
    edit->SetText(QStringLiteral("255"));
    edit->SelectAll();
}

void TfmNetworkSetup::edIp1KeyPress(TComponent* Sender, QChar& Key) {
    TEdit* edit = EditOf(Sender);
    if (!edit || Key != QChar(13)) return;
    if (ValueOf(*edit) >= 256) edit->SetText(QStringLiteral("255"));
    edit->SelectAll();
}

void TfmNetworkSetup::rbManualSettingClick(TComponent*) {
    for (TEdit* edit : {edIp1, edIp2, edIp3, edIp4}) {
        edit->SetEnabled(true);
        edit->SetColor(clWindow);
    }
}

void TfmNetworkSetup::rbAutoSettingClick(TComponent*) {
    for (TEdit* edit : {edIp1, edIp2, edIp3, edIp4}) {
        edit->SetEnabled(false);
        edit->SetColor(DialogLook::kSilver);
    }
}

void TfmNetworkSetup::bnSetClick(TComponent*) {
    DialogHost* host = MainHost();
    bool applied = false;
    const int id = ValueOf(*edId);
    if (id < 1 || id > kMaxId) {
        if (fmInformation) {
            fmInformation->lbMessage->SetCaption(host->LangText(QStringLiteral("SID_ID_NUMBER_ERROR")));
            fmInformation->ShowModal();
        }
        edId->SetText(QString::number(host->GetDeviceId()));
    } else {
        host->SetDeviceId(id);
        applied = true;
    }
    if (rbManualSetting->Checked() && !host->IsConnected()) {
        std::uint32_t address = 0;
        for (const TEdit* edit : {edIp1, edIp2, edIp3, edIp4}) address = (address << 8) | (ValueOf(*edit) & 255);
        const QString text = AddressText(address);
        host->ReconnectClientSocket(text);
        host->SetUnitAddress(address);
        host->ShowIp(QStringLiteral("IP : ") + text);
        applied = true;
    }
    if (!applied) return;
    host->SetAutoAddress(rbAutoSetting->Checked() ? 1 : 0);
    // Closed with mrOk, so that whoever showed it knows something was applied.
    SetModalResult(mrOk);
    if (isVisible()) Close();
}

void TfmNetworkSetup::bnExitClick(TComponent*) {
    edId->SetText(QString::number(MainHost()->GetDeviceId()));
    Close();
}
