#include "FChNameList.h"

#include "ChannelNameText.h"
#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "text/AnsiCodec.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmChNameList* fmChNameList = nullptr;

TfmChNameList::TfmChNameList(TComponent* owner) : TForm(owner)
{
    using namespace DialogLook;
    SetName(QStringLiteral("fmChNameList"));
    SetFrame(*this, 300, 390, kCloseBox);
    TImage* background = AddBackground(*this);
    const auto group = [this](const QString& name, int top, int rows) {
        auto* box = new TGroupBox(this);
        box->SetName(name);
        box->SetParent(this);
        box->SetBounds(14, top, 272, 24 + rows * 34);
        box->SetColor(DialogLook::kPanel);
        box->SetFont(DialogLook::Font(8, DialogLook::kPanelText, true));
        return box;
    };
    gbInputs = group(QStringLiteral("gbInputs"), 10, 2);
    gbOutputs = group(QStringLiteral("gbOutputs"), 108, 6);
    gbInputs->SetCaption(QStringLiteral(" In "));
    gbOutputs->SetCaption(QStringLiteral(" Out "));
    for (int ch = 0; ch < kNamedChannels; ++ch) {
        TGroupBox* box = ch < 2 ? gbInputs : gbOutputs;
        const int top = 20 + (ch < 2 ? ch : ch - 2) * 34;
        TLabel* label = AddLabel(this, box, QStringLiteral("lbChName") + ChannelLabel(ch), 16, top + 6,
                                 DialogLook::Font(9, DialogLook::kPanelText, true));
        label->SetCaption(ChannelLabel(ch));
        auto* edit = new TEdit(this);
        edit->SetName(QStringLiteral("edMatrixChName") + ChannelLabel(ch));
        edit->SetParent(box);
        edit->SetBounds(90, top, 160, 26);
        edit->SetMaxLength(kChannelNameBytes);
        edit->SetFont(DialogLook::Font(10, clWindowText, true));
        edNames[std::size_t(ch)] = edit;
    }
    const QImage& ground = background->Picture().Image();
    btnOK = AddButton(*this, ground, QStringLiteral("btnOK"), QRect(60, 348, 80, 30));
    btnCancel = AddButton(*this, ground, QStringLiteral("btnCancel"), QRect(160, 348, 80, 30));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    btnCancel->OnClick = [this](TComponent* s) { btnCancelClick(s); };
    // Enter stays with the name fields.
    SetDialogButtons(nullptr, btnCancel);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

TEdit* TfmChNameList::NameEdit(int channel) const
{
    return dynamic_cast<TEdit*>(FindComponent(QStringLiteral("edMatrixChName") + ChannelLabel(channel)));
}

void TfmChNameList::FormShow(TComponent*)
{
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_CH_NAME_LIST")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_SET")));
    btnCancel->SetCaption(host->LangText(QStringLiteral("SID_EXIT")));
    DialogLook::Centre(*this);
    for (int ch = 0; ch < kNamedChannels; ++ch) {
        TEdit* edit = NameEdit(ch);
        if (!edit)
            return;
        edit->SetText(ChannelNameText(host->GetChannelName(ch)));
    }
}

void TfmChNameList::btnOKClick(TComponent*)
{
    DialogHost* host = MainHost();
    for (int ch = 0; ch < kNamedChannels; ++ch) {
        TEdit* edit = NameEdit(ch);
        if (!edit)
            return;
        // Compared byte for byte, so a change of letter case counts.
        const std::string typed = AnsiCodec::FromUnicode(edit->Text());
        const QByteArray present = ChannelNameRaw(host->GetChannelName(ch));
        if (QByteArray::fromStdString(typed) == present)
            continue;
        const ChannelNameArray name = ChannelNameFromText(edit->Text());
        edit->SetText(ChannelNameText(name));
        host->SetChannelName(ch, name);
    }
    Close();
}

void TfmChNameList::btnCancelClick(TComponent*) { Close(); }
