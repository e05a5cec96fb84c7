#include "FNetWorkScan.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "FNetworkSetup.h"
#include "FProcess.h"
#include "RzBmpBtn.h"
#include "serial/SerialPortList.h"
#include "timer/TTimer.h"
#include "ui/TComboBox.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TProgressBar.h"

#include <algorithm>
#include <utility>
#include <vector>

TfmNetwork* fmNetwork = nullptr;

namespace {

QStringList SystemPortNames() {
    QStringList names;
    for (const SerialPortInfo& port : SerialPortList::Ports()) names << port.name;
    return names;
}

}  // namespace

TfmNetwork::TfmNetwork(TComponent* owner) : TForm(owner), ListPorts(SystemPortNames) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmNetwork"));
    SetFrame(*this, 359, 150, kStayOnTop);
    imBase = AddBackground(*this);

    pbScan = new TProgressBar(this);
    pbScan->SetName(QStringLiteral("pbScan"));
    pbScan->SetParent(this);
    pbScan->SetBounds(34, 30, 293, 21);
    pbScan->SetSmooth(true);
    pbScan->SetMax(31);
    pbScan->SetBackgroundColor(kTrack);
    pbScan->SetBarColor(kAccent);

    lblScan = AddLabel(this, this, QStringLiteral("lblScan"), 37, 60, DialogLook::Font(8, kText));
    lblDeviceID = AddLabel(this, this, QStringLiteral("lblDeviceID"), 288, 60, DialogLook::Font(8, kText));
    cbCOM = new TComboBox(this);
    cbCOM->SetName(QStringLiteral("cbCOM"));
    cbCOM->SetParent(this);
    cbCOM->SetVisible(false);

    const QImage& ground = imBase->Picture().Image();
    btnOK = AddButton(*this, ground, QStringLiteral("btnOK"), QRect(30, 92, 90, 33));
    btnId = AddButton(*this, ground, QStringLiteral("btnId"), QRect(135, 92, 90, 33));
    btnExit = AddButton(*this, ground, QStringLiteral("btnExit"), QRect(240, 92, 90, 33));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    btnId->OnClick = [this](TComponent* s) { btnIdClick(s); };
    btnExit->OnClick = [this](TComponent* s) { btnExitClick(s); };

    tmRunUsbConnect = AddTimer(*this, FTimes.run, [this](QObject* s) { tmRunUsbConnectTimer(s); });
    tmRunNetConnect = AddTimer(*this, FTimes.run, [this](QObject* s) { tmRunNetConnectTimer(s); });
    tmRunComConnect = AddTimer(*this, FTimes.run, [this](QObject* s) { tmRunComConnectTimer(s); });
    tmWatchDog = AddTimer(*this, FTimes.comWatchDog, [this](QObject* s) { tmWatchDogTimer(s); });
    tmConnect = AddTimer(*this, FTimes.run, [this](QObject* s) { tmConnectTimer(s); });
    tmLinkBroken = AddTimer(*this, FTimes.run, [this](QObject* s) { tmLinkBrokenTimer(s); });

    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmNetwork::SetTimes(const ScanTimes& times) {
    FTimes = times;
    for (TTimer* timer : {tmRunUsbConnect, tmRunNetConnect, tmRunComConnect, tmConnect, tmLinkBroken})
        timer->SetInterval(times.run);
}

int TfmNetwork::TryCount() const { return cbCOM->Count() + FExtraCount; }

void TfmNetwork::EnableButtons(bool enabled) {
    btnOK->SetEnabled(enabled);
    btnId->SetEnabled(enabled);
    btnExit->SetEnabled(enabled);
}

void TfmNetwork::StartScan() {
    FExtraCount = 0;
    EnableButtons(false);
    ScanDevices();
}

void TfmNetwork::ScanDevices() {
    DialogHost* host = MainHost();
    // The ports in ascending order of their numbers (equal numbers keep their order); a name
    // without a number cannot be opened and is left out.
    std::vector<std::pair<int, QString>> ports;
    for (const QString& name : ListPorts ? ListPorts() : QStringList()) {
        const int number = SerialPortList::ParseName(name);
        if (number >= 0) ports.emplace_back(number, name);
    }
    std::stable_sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    cbCOM->ClearItems();
    for (const auto& port : ports) cbCOM->AddObject(port.second, nullptr);
    if (cbCOM->Count() > 0) cbCOM->SetItemIndex(0);

    if (host->HasHidDevice()) {
        FExtraCount = 1;
        StartFirstTry(host->LangText(QStringLiteral("SID_SCAN_USB")), FTimes.usbWatchDog, tmRunUsbConnect);
    } else if (host->HasUnitAddress()) {
        FExtraCount = 1;
        StartFirstTry(host->LangText(QStringLiteral("SID_SCAN_NET")), FTimes.netWatchDog, tmRunNetConnect);
    } else if (cbCOM->Count() > 0) {
        StartComTry(1);
    } else {
        // Nothing to try: the connect timer finds the scan exhausted and gives the buttons back.
        pbScan->SetPosition(pbScan->Max());
        lblScan->SetCaption(host->LangText(QStringLiteral("SID_NO_DEVICE")));
        lblDeviceID->SetCaption(QString());
        tmConnect->SetEnabled(true);
    }
}

void TfmNetwork::StartFirstTry(const QString& text, int watchdog, TTimer* run) {
    const int n = TryCount();
    FTryIndex = 1;
    lblDeviceID->SetCaption(QStringLiteral("1/%1").arg(n));
    lblScan->SetCaption(text);
    pbScan->SetMax(n);
    pbScan->SetPosition(1);
    tmWatchDog->SetInterval(watchdog);
    tmWatchDog->SetEnabled(true);
    run->SetEnabled(true);
}

void TfmNetwork::StartComTry(int t) {
    DialogHost* host = MainHost();
    const int n = TryCount();
    FTryIndex = t;
    if (t == 1) pbScan->SetMax(n);
    pbScan->SetPosition(t);
    lblDeviceID->SetCaption(QStringLiteral("%1/%2").arg(t).arg(n));
    const QString name = cbCOM->Item(t - FExtraCount - 1);
    lblScan->SetCaption(host->LangText(QStringLiteral("SID_SCAN")) + name + QStringLiteral(" ......"));
    host->SetComPortName(SerialPortList::OpenName(SerialPortList::ParseName(name)));
    tmWatchDog->SetInterval(FTimes.comWatchDog);
    tmWatchDog->SetEnabled(true);
    tmRunComConnect->SetEnabled(true);
}

void TfmNetwork::ShowNoDevice() {
    EnableButtons(true);
    pbScan->SetPosition(pbScan->Max());
    lblScan->SetCaption(MainHost()->LangText(QStringLiteral("SID_NO_DEVICE")));
    lblDeviceID->SetCaption(QString());
}

void TfmNetwork::SetConnected(std::uint8_t value) {
    FConnected = value;
    tmConnect->SetEnabled(true);
}

void TfmNetwork::LinkBroken() {
    FConnected = 0;
    tmLinkBroken->SetEnabled(true);
    if (fmProcess) fmProcess->Close();
}

void TfmNetwork::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_CONNECT")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_START_SCAN")));
    btnExit->SetCaption(host->LangText(QStringLiteral("SID_DEMO")));
    btnId->SetCaption(host->LangText(QStringLiteral("SID_SET")));
    DialogLook::Centre(*this);
}

void TfmNetwork::btnOKClick(TComponent*) {
    MainHost()->DiscoverUnit();
    StartScan();
}

void TfmNetwork::btnIdClick(TComponent*) {
    MainHost()->NetworkSetupClick();
    // Set applied a new ID or address (and reconnected the TCP client): a scan looks for
    // the unit with it, so that no connection is left open with nothing driving it.
    if (fmNetworkSetup && fmNetworkSetup->ModalResult() == mrOk && btnOK->Enabled()) btnOKClick(btnOK);
}

void TfmNetwork::btnExitClick(TComponent*) {
    // Staying offline ends the scan: no watchdog or pending step may open a link afterwards.
    for (TTimer* timer : {tmWatchDog, tmConnect, tmRunUsbConnect, tmRunNetConnect, tmRunComConnect})
        timer->SetEnabled(false);
    MainHost()->EnableConnectControls();
    Close();
}

void TfmNetwork::tmRunUsbConnectTimer(QObject*) {
    tmRunUsbConnect->SetEnabled(false);
    MainHost()->OpenUsbLink();
}

void TfmNetwork::tmRunNetConnectTimer(QObject*) {
    tmRunNetConnect->SetEnabled(false);
    MainHost()->OpenNetLink();
}

void TfmNetwork::tmRunComConnectTimer(QObject*) {
    tmRunComConnect->SetEnabled(false);
    MainHost()->OpenComLink();
}

void TfmNetwork::tmWatchDogTimer(QObject*) {
    tmWatchDog->SetEnabled(false);
    tmConnect->SetEnabled(true);
}

void TfmNetwork::tmConnectTimer(QObject*) {
    tmConnect->SetEnabled(false);
    if (FConnected == 1) {
        // The try has ended: its watchdog must not start another try later (after a link
        // that breaks within its time, that would scan on by itself).
        tmWatchDog->SetEnabled(false);
        Close();
        return;
    }
    MainHost()->CloseLink();
    if (FTryIndex >= TryCount()) {
        ShowNoDevice();
        return;
    }
    StartComTry(FTryIndex + 1);
}

void TfmNetwork::tmLinkBrokenTimer(QObject*) {
    tmLinkBroken->SetEnabled(false);
    EnableButtons(true);
    lblScan->SetCaption(MainHost()->LangText(QStringLiteral("SID_LINK_BROKEN")));
    lblDeviceID->SetCaption(QString());
}
