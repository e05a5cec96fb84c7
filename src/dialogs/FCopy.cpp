#include "FCopy.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TComboBox.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmCopy* fmCopy = nullptr;

namespace {

TComboBox* AddSelector(TForm& form, TGroupBox* box, const QString& name, int left, const QStringList& items, int index)
{
    auto* combo = new TComboBox(&form);
    combo->SetName(name);
    combo->SetParent(box);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(left, 26, 90, 24);
    combo->SetFont(DialogLook::Font(9, DialogLook::kPanelText, true));
    combo->SetItems(items);
    combo->SetItemIndex(index);
    return combo;
}

}  // namespace

TfmCopy::TfmCopy(TComponent* owner) : TForm(owner)
{
    using namespace DialogLook;
    SetName(QStringLiteral("fmCopy"));
    SetFrame(*this, 330, 214, kCloseBox);
    TImage* background = AddBackground(*this);
    bnInChCopy = BuildSide(gbIn, cbInSource, cbInDestination, false, 10);
    bnOutChCopy = BuildSide(gbOut, cbOutSource, cbOutDestination, true, 84);
    bnExit = AddButton(*this, background->Picture().Image(), QStringLiteral("bnExit"), QRect(125, 170, 80, 30));
    bnInChCopy->OnClick = [this](TComponent* s) { bnInChCopyClick(s); };
    bnOutChCopy->OnClick = [this](TComponent* s) { bnInChCopyClick(s); };
    bnExit->OnClick = [this](TComponent* s) { bnExitClick(s); };
    SetDialogButtons(nullptr, bnExit);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

TRzBmpButton* TfmCopy::BuildSide(TGroupBox*& box, TComboBox*& source, TComboBox*& destination, bool outputs, int top)
{
    using namespace DialogLook;
    const QString side = outputs ? QStringLiteral("Out") : QStringLiteral("In");
    box = new TGroupBox(this);
    box->SetName(QStringLiteral("gb") + side);
    box->SetParent(this);
    box->SetBounds(8, top, 314, 64);
    box->SetColor(kPanel);
    box->SetFont(DialogLook::Font(8, DialogLook::kPanelText, true));
    box->SetCaption(QStringLiteral(" ") + side + QStringLiteral(" "));
    QStringList items;
    if (outputs)
        for (int n = 1; n <= 6; ++n)
            items << QStringLiteral("Out%1").arg(n);
    else
        items << QStringLiteral("InA") << QStringLiteral("InB");
    source = AddSelector(*this, box, QStringLiteral("cb") + side + QStringLiteral("Source"), 12, items, 0);
    TLabel* arrow = AddLabel(this, box, QStringLiteral("lb") + side + QStringLiteral("Arrow"), 108, 29,
                             DialogLook::Font(10, DialogLook::kPanelText, true));
    arrow->SetCaption(QStringLiteral("=>"));
    destination = AddSelector(*this, box, QStringLiteral("cb") + side + QStringLiteral("Destination"), 134, items, 1);
    const QImage ground = Plain(314, 64, kPanel);
    TRzBmpButton* copy = AddButton(*this, ground, QStringLiteral("bn") + side + QStringLiteral("ChCopy"),
                                   QRect(234, 24, 70, 28));
    copy->SetParent(box);
    copy->SetBounds(234, 24, 70, 28);
    copy->SetTag(outputs ? 1 : 0);
    return copy;
}

void TfmCopy::FormShow(TComponent*)
{
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_COPY_TITLE")));
    bnInChCopy->SetCaption(host->LangText(QStringLiteral("SID_COPY")));
    bnOutChCopy->SetCaption(host->LangText(QStringLiteral("SID_COPY")));
    bnExit->SetCaption(host->LangText(QStringLiteral("SID_EXIT")));
    DialogLook::Centre(*this);
}

void TfmCopy::bnInChCopyClick(TComponent* Sender)
{
    auto* button = dynamic_cast<TRzBmpButton*>(Sender);
    if (!button)
        return;
    const bool outputs = button->Tag() == 1;
    const int source = (outputs ? cbOutSource : cbInSource)->ItemIndex();
    const int destination = (outputs ? cbOutDestination : cbInDestination)->ItemIndex();
    // Nothing chosen on one side: nothing to copy.
    if (source < 0 || destination < 0)
        return;
    const int first = outputs ? 2 : 0;
    MainHost()->CopyChannel(source + first, destination + first, true);
}

void TfmCopy::bnExitClick(TComponent*) { Close(); }
