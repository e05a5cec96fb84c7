#include "FChannelName.h"

#include "ChannelNameText.h"
#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "text/AnsiCodec.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

#include <QEvent>

TfmChannelName* fmChannelName = nullptr;

TfmChannelName::TfmChannelName(TComponent* owner) : TForm(owner)
{
    using namespace DialogLook;
    SetName(QStringLiteral("fmChannelName"));
    SetFrame(*this, 280, 150, kCloseBox);
    TImage* background = AddBackground(*this);
    auto* box = new TGroupBox(this);
    box->SetName(QStringLiteral("GroupBox1"));
    box->SetParent(this);
    box->SetBounds(14, 10, 252, 88);
    box->SetColor(kPanel);
    lbChannelName = AddLabel(this, box, QStringLiteral("lbChannelName"), 12, 10, DialogLook::Font(9, DialogLook::kPanelText, true));
    lbChannel = AddLabel(this, box, QStringLiteral("lbChannel"), 12, 50, DialogLook::Font(10, DialogLook::kPanelText, true));
    edName = new TEdit(this);
    edName->SetName(QStringLiteral("edName"));
    edName->SetParent(box);
    edName->SetBounds(84, 44, 150, 28);
    edName->SetMaxLength(kChannelNameBytes);
    edName->SetFont(DialogLook::Font(11, clWindowText, true));
    const QImage& ground = background->Picture().Image();
    btnOK = AddButton(*this, ground, QStringLiteral("btnOK"), QRect(50, 108, 80, 30));
    bnCancel = AddButton(*this, ground, QStringLiteral("bnCancel"), QRect(150, 108, 80, 30));
    edName->OnKeyDown = [this](TComponent* s, TKey& key, TShiftState shift) { edNameKeyDown(s, key, shift); };
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    bnCancel->OnClick = [this](TComponent* s) { bnCancelClick(s); };
    SetDialogButtons(btnOK, bnCancel);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmChannelName::SetChannel(int channel)
{
    FChannel = channel;
    const QString letter = channel < 2 ? QString(QChar('A' + channel)) : QString::number(channel - 1);
    lbChannel->SetCaption((channel < 2 ? QStringLiteral("In") : QStringLiteral("Out")) + letter + QStringLiteral(" :"));
}

void TfmChannelName::SetNameText(const QString& text)
{
    QString name = text;
    while (!name.isEmpty() && (name.back() == QLatin1Char(' ') || name.back() == QLatin1Char('\r')))
        name.chop(1);
    edName->SetText(name);
}

void TfmChannelName::FormShow(TComponent*)
{
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_CH_NAME")));
    lbChannelName->SetCaption(host->LangText(QStringLiteral("SID_CH_NAME")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    bnCancel->SetCaption(host->LangText(QStringLiteral("SID_EXIT_CANCEL")));
    DialogLook::Centre(*this);
}

bool TfmChannelName::event(QEvent* event)
{
    const bool handled = TForm::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate(this);
    return handled;
}

void TfmChannelName::FormActivate(TComponent*)
{
    edName->SetEnabled(true);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmChannelName::edNameKeyDown(TComponent*, TKey& key, TShiftState)
{
    if (key == VK_RETURN)
        btnOK->Click();
}

void TfmChannelName::btnOKClick(TComponent*)
{
    const ChannelNameArray name = ChannelNameFromText(edName->Text());
    edName->SetText(ChannelNameText(name));
    Close();
    MainHost()->SetChannelName(FChannel, name);
}

void TfmChannelName::bnCancelClick(TComponent*) { Close(); }
