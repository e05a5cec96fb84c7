#include "FTest.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "McsCommands.h"
#include "RzBmpBtn.h"
#include "ui/TComboBox.h"
#include "ui/TGroupBox.h"
#include "ui/TImage.h"
#include "ui/TRadioButton.h"

TfmTest* fmTest = nullptr;

namespace {
const char* const kFrequencies[] = {"20Hz",   "25Hz",   "31.5Hz", "40Hz",    "50Hz",   "63Hz",    "80Hz",
                                    "100Hz",  "125Hz",  "160Hz",  "200Hz",   "250Hz",  "315Hz",   "400Hz",
                                    "500Hz",  "630Hz",  "800Hz",  "1KHz",    "1.25KHz", "1.6KHz", "2KHz",
                                    "2.5KHz", "3.15KHz", "4KHz",  "5KHz",    "6.3KHz", "8KHz",    "10KHz",
                                    "12.5KHz", "16KHz", "20KHz"};
constexpr int kSineMode = 3;
}  // namespace

TfmTest::TfmTest(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmTest"));
    SetFrame(*this, 282, 208, kCloseBox);
    imBase = AddBackground(*this);
    GroupBox1 = new TGroupBox(this);
    GroupBox1->SetName(QStringLiteral("GroupBox1"));
    GroupBox1->SetParent(this);
    GroupBox1->SetColor(kPanel);
    GroupBox1->SetBounds(14, 12, 254, 140);
    const auto radio = [this](const char* name, int tag, int top) {
        auto* rb = new TRadioButton(this);
        rb->SetName(QLatin1String(name));
        rb->SetParent(GroupBox1);
        rb->SetTag(tag);
        rb->SetColor(kPanel);
        rb->SetFont(DialogLook::Font(9, RGBColor(20, 22, 26)));
        rb->SetBounds(16, top, 110, 22);
        return rb;
    };
    rbAnalogIn = radio("rbAnalogIn", 0, 14);
    rbPinkNoise = radio("rbPinkNoise", 1, 44);
    rbWhiteNoise = radio("rbWhiteNoise", 2, 74);
    rbSineWave = radio("rbSineWave", 3, 104);
    rbAnalogIn->SetChecked(true);
    cbSineFreq = new TComboBox(this);
    cbSineFreq->SetName(QStringLiteral("cbSineFreq"));
    cbSineFreq->SetParent(GroupBox1);
    // Only the listed frequencies can be chosen: a typed text has no index to send.
    cbSineFreq->SetStyle(csDropDownList);
    QStringList items;
    for (const char* f : kFrequencies) items << QLatin1String(f);
    cbSineFreq->SetItems(items);
    cbSineFreq->SetItemIndex(0);
    cbSineFreq->SetDropDownCount(12);
    cbSineFreq->SetBounds(134, 104, 100, 22);
    cbSineFreq->OnSelect = [this](TComponent* s) { cbSineFreqSelect(s); };
    // Bound once the stored state is set, so that making the dialog sends nothing.
    for (TRadioButton* rb : {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave})
        rb->OnClick = [this](TComponent* s) { rbAnalogInClick(s); };
    bnExit = AddButton(*this, imBase->Picture().Image(), QStringLiteral("bnExit"), QRect(98, 164, 86, 30));
    bnExit->OnClick = [this](TComponent* s) { bnExitClick(s); };
    SetDialogButtons(nullptr, bnExit);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmTest::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_TEST_TITLE")));
    bnExit->SetCaption(host->LangText(QStringLiteral("SID_EXIT")));
    rbAnalogIn->SetCaption(host->LangText(QStringLiteral("SID_ANALOG_IN")));
    rbPinkNoise->SetCaption(host->LangText(QStringLiteral("SID_PINK_IN")));
    rbWhiteNoise->SetCaption(host->LangText(QStringLiteral("SID_WHITE_IN")));
    rbSineWave->SetCaption(host->LangText(QStringLiteral("SID_SINE_IN")));
    DialogLook::Centre(*this);
}

void TfmTest::ShowWorkMode(int mode, int sineIndex) {
    TRadioButton* const buttons[] = {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave};
    if (mode < 0 || mode > kSineMode) return;
    buttons[mode]->SetChecked(true);
    if (mode == kSineMode && sineIndex >= 0 && sineIndex < cbSineFreq->Count()) cbSineFreq->SetItemIndex(sineIndex);
}

void TfmTest::rbAnalogInClick(TComponent* Sender) {
    DialogHost* host = MainHost();
    if (host->IsUpdating()) return;
    host->SendCmd(CM_MCS_WORK_MODE(host->GetDeviceId(), Sender->Tag(), cbSineFreq->ItemIndex()), true);
}

void TfmTest::cbSineFreqSelect(TComponent*) {
    DialogHost* host = MainHost();
    if (host->IsUpdating()) return;
    rbSineWave->SetChecked(true);
    host->SendCmd(CM_MCS_WORK_MODE(host->GetDeviceId(), kSineMode, cbSineFreq->ItemIndex()), true);
}

void TfmTest::bnExitClick(TComponent*) { Close(); }
