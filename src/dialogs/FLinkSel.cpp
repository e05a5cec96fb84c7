#include "FLinkSel.h"

#include "ChannelNameText.h"
#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "RzPanel.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmLinkSel* fmLinkSel = nullptr;

namespace {

constexpr int kLinkButtonWidth = 50, kLinkButtonHeight = 24;
constexpr int kColumnLeft = 10, kColumnStep = 56;
constexpr int kRowTop = 34, kRowStep = 30, kRowHeight = 28;
constexpr int kBoxLeft = 12, kBoxWidth = 356;

bool IsInput(int ch) { return ch < 2; }
// The letter of a channel within its side: "A", "B", "1" to "6".
QString Letter(int ch) { return ch < 2 ? QString(QChar('A' + ch)) : QString::number(ch - 1); }
int SideIndex(int ch) { return IsInput(ch) ? ch : ch - 2; }
int LastOfSide(int ch) { return IsInput(ch) ? 1 : kNamedChannels - 1; }

QString ButtonName(int member, int master)
{
    return QStringLiteral("rzb") + Letter(member) + (IsInput(member) ? QStringLiteral("LinkIn") : QStringLiteral("LinkOut")) +
           Letter(master);
}

// Runs the button's click handler as a user's click would, after it went down.
void Press(TRzBmpButton* button)
{
    button->SetDown(true);
    if (button->OnClick)
        button->OnClick(button);
}

}  // namespace

TfmLinkSel::TfmLinkSel(TComponent* owner) : TForm(owner)
{
    using namespace DialogLook;
    SetName(QStringLiteral("fmLinkSel"));
    SetFrame(*this, 380, 386, kCloseBox);
    TImage* background = AddBackground(*this);
    rzgLinkSelIn = new TRzGroupBox(this);
    rzgLinkSelIn->SetName(QStringLiteral("rzgLinkSelIn"));
    rzgLinkSelIn->SetParent(this);
    rzgLinkSelIn->SetBounds(kBoxLeft, 10, kBoxWidth, kRowTop + 2 * kRowStep + 6);
    BuildSide(rzgLinkSelIn, false);
    rzgLinkSelOut = new TRzGroupBox(this);
    rzgLinkSelOut->SetName(QStringLiteral("rzgLinkSelOut"));
    rzgLinkSelOut->SetParent(this);
    rzgLinkSelOut->SetBounds(kBoxLeft, 120, kBoxWidth, kRowTop + 6 * kRowStep + 6);
    BuildSide(rzgLinkSelOut, true);

    const QImage& ground = background->Picture().Image();
    bnSet = AddButton(*this, ground, QStringLiteral("bnSet"), QRect(96, 346, 80, 30));
    bnExit = AddButton(*this, ground, QStringLiteral("bnExit"), QRect(204, 346, 80, 30));
    bnSet->OnClick = [this](TComponent* s) { bnSetClick(s); };
    bnExit->OnClick = [this](TComponent* s) { bnExitClick(s); };
    SetDialogButtons(nullptr, bnExit);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmLinkSel::BuildSide(TRzGroupBox* box, bool outputs)
{
    using namespace DialogLook;
    box->SetColor(kPanel);
    box->SetFont(DialogLook::Font(8, DialogLook::kPanelText, true));
    const int first = outputs ? 2 : 0, last = outputs ? kNamedChannels - 1 : 1;
    for (int master = first; master <= last; ++master) {
        TLabel* header = AddLabel(this, box, QStringLiteral("lbLinkHead") + ChannelLabel(master),
                                  kColumnLeft + SideIndex(master) * kColumnStep, 12, DialogLook::Font(8, DialogLook::kPanelText, true));
        header->SetAutoSize(false);
        header->SetAlignment(taCenter);
        header->SetWidth(kLinkButtonWidth);
        header->SetCaption(ChannelLabel(master));
    }
    const QImage ground = Plain(kBoxWidth, kRowHeight, kPanel);
    for (int member = first; member <= last; ++member) {
        auto* row = new TRzGroupBox(this);
        row->SetName(QStringLiteral("rzgLinkSel") + ChannelLabel(member));
        row->SetParent(box);
        row->SetBounds(0, kRowTop + SideIndex(member) * kRowStep, kBoxWidth, kRowHeight);
        row->SetGroupStyle(gsCustom);
        row->SetBorderOuter(fsNone);
        row->SetColor(kPanel);
        for (int master = first; master <= member; ++master) {
            const QRect at(kColumnLeft + SideIndex(master) * kColumnStep, 2, kLinkButtonWidth, kLinkButtonHeight);
            TRzBmpButton* b = AddButton(*this, ground, ButtonName(member, master), at);
            b->SetParent(row);
            b->SetBounds(at.x(), at.y(), at.width(), at.height());
            b->SetTag(SideIndex(master));
            b->SetCaption(ChannelLabel(member));
            b->SetGroupIndex(1);
            b->SetAllowAllUp(false);
            b->SetDown(master == member);
        }
    }
    // Rows InA and Out1 have one button and no handler.
    const auto bind = [this](int member, void (TfmLinkSel::*handler)(TComponent*)) {
        for (int master = member < 2 ? 0 : 2; master <= member; ++master)
            if (TRzBmpButton* b = GridButton(member, master))
                b->OnClick = [this, handler](TComponent* s) { (this->*handler)(s); };
    };
    if (!outputs) {
        bind(1, &TfmLinkSel::rzbBLinkInAClick);
        return;
    }
    bind(3, &TfmLinkSel::rzb2LinkOut1Click);
    bind(4, &TfmLinkSel::rzb3LinkOut1Click);
    bind(5, &TfmLinkSel::rzb4LinkOut1Click);
    bind(6, &TfmLinkSel::rzb5LinkOut1Click);
    bind(7, &TfmLinkSel::rzb6LinkOut1Click);
}

TRzBmpButton* TfmLinkSel::GridButton(int member, int master) const
{
    if (member < 0 || member >= kNamedChannels || master < 0 || master >= kNamedChannels)
        return nullptr;
    return dynamic_cast<TRzBmpButton*>(FindComponent(ButtonName(member, master)));
}

void TfmLinkSel::FormShow(TComponent*)
{
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_LINK_TITLE")));
    bnSet->SetCaption(host->LangText(QStringLiteral("SID_SET")));
    bnExit->SetCaption(host->LangText(QStringLiteral("SID_EXIT")));
    FChanged = 0;
    DialogLook::Centre(*this);
}

void TfmLinkSel::ShowLinkMask(int master, std::uint16_t mask)
{
    if (master < 0 || master >= kNamedChannels)
        return;
    for (int member = master; member <= LastOfSide(master); ++member) {
        if (!((mask >> SideIndex(member)) & 1u))
            continue;
        TRzBmpButton* b = GridButton(member, master);
        if (!b)
            return;
        Press(b);
    }
}

void TfmLinkSel::ApplyMasterChannels()
{
    DialogHost* host = MainHost();
    for (int ch = 0; ch < kNamedChannels; ++ch) {
        TRzBmpButton* diagonal = GridButton(ch, ch);
        if (!diagonal)
            return;
        host->ShowOverlayToggles(ch, diagonal->Down());
        if (diagonal->Down())
            host->SetPageButtonCaption(ch, ch);
    }
}

void TfmLinkSel::ApplyPageCaptions()
{
    DialogHost* host = MainHost();
    for (int master = 0; master < kNamedChannels; ++master)
        for (int member = master; member <= LastOfSide(master); ++member) {
            TRzBmpButton* b = GridButton(member, master);
            if (!b)
                return;
            if (b->Down())
                host->SetPageButtonCaption(master, member);
        }
}

// The InB row changes no other button; its click still counts as a change, so Exit undoes it.
void TfmLinkSel::rzbBLinkInAClick(TComponent*) { FChanged = 1; }
void TfmLinkSel::rzb2LinkOut1Click(TComponent* Sender) { OutputRowClick(Sender, 2); }
void TfmLinkSel::rzb3LinkOut1Click(TComponent* Sender) { OutputRowClick(Sender, 3); }
void TfmLinkSel::rzb4LinkOut1Click(TComponent* Sender) { OutputRowClick(Sender, 4); }
void TfmLinkSel::rzb5LinkOut1Click(TComponent* Sender) { OutputRowClick(Sender, 5); }
void TfmLinkSel::rzb6LinkOut1Click(TComponent*) { FChanged = 1; }

void TfmLinkSel::OutputRowClick(TComponent* Sender, int row)
{
    FChanged = 1;
    const int member = row + 1;  // the row's channel
    const bool leads = Sender && Sender->Tag() == row - 1;
    for (int below = member + 1; below < kNamedChannels; ++below) {
        TRzBmpButton* b = GridButton(below, member);
        if (!b)
            return;
        if (leads) {
            b->SetEnabled(true);
            continue;
        }
        b->SetEnabled(false);
        if (b->Down()) {
            TRzBmpButton* diagonal = GridButton(below, below);
            if (!diagonal)
                return;
            Press(diagonal);
        }
    }
}

void TfmLinkSel::bnSetClick(TComponent*)
{
    DialogHost* host = MainHost();
    bool changed = false;
    for (int master = 0; master < kNamedChannels; ++master) {
        const std::uint16_t present = host->GetLinkMask(master);
        std::uint16_t mask = 0;
        for (int member = master; member <= LastOfSide(master); ++member) {
            TRzBmpButton* b = GridButton(member, master);
            if (!b)
                return;
            if (!b->Down())
                continue;
            const std::uint16_t bit = std::uint16_t(1u << SideIndex(member));
            mask |= bit;
            if (!(present & bit)) {
                host->SetPageButtonCaption(master, member);
                host->CopyChannel(master, member, false);
                changed = true;
            }
        }
        if (mask != present) {
            host->SetLinkMask(master, mask);
            changed = true;
        }
    }
    if (changed) {
        host->ApplyLinks();
        ApplyMasterChannels();
        host->ShowGainPage();
    }
    Close();
}

void TfmLinkSel::bnExitClick(TComponent*)
{
    if (FChanged)
        for (int ch = 0; ch < kNamedChannels; ++ch)
            ShowLinkMask(ch, MainHost()->GetLinkMask(ch));
    Close();
}
