#pragma once
// The scan-and-connect dialog: tries one link after another until a unit answers, first
// USB when the main window holds the unit's HID device, else the network when a unit address
// is set, then every serial port in order of its number. Each try opens its link 100 ms
// after it starts and is guarded by a watchdog (6000 ms for USB, 5000 ms for the network,
// 10000 ms for a port); the main window reports the outcome with SetConnected, or a port
// that would not open with LinkBroken.
//
// Tries of a scan: N = the number of ports + 1 when a USB or network try comes first. The
// label on the right shows "t/N".
#include "ui/TForm.h"

#include <QStringList>

#include <cstdint>
#include <functional>

class TComboBox;
class TImage;
class TLabel;
class TProgressBar;
class TRzBmpButton;
class TTimer;

// The scan's figures (ms): the delay before each try opens its link (and before the dialog
// acts on a try's outcome), and the watchdog of each kind of try. The defaults are the
// program's figures; tests give shorter ones.
struct ScanTimes {
    int run = 100;
    int usbWatchDog = 6000;
    int netWatchDog = 5000;
    int comWatchDog = 10000;
};

class TfmNetwork : public TForm {
    Q_OBJECT
public:
    explicit TfmNetwork(TComponent* owner);

    TImage* imBase;
    TProgressBar* pbScan;
    TLabel* lblScan;
    TLabel* lblDeviceID;
    TComboBox* cbCOM;  // hidden: the port names of the current scan
    TRzBmpButton* btnOK;
    TRzBmpButton* btnId;
    TRzBmpButton* btnExit;
    TTimer* tmRunUsbConnect;
    TTimer* tmRunNetConnect;
    TTimer* tmRunComConnect;
    TTimer* tmWatchDog;
    TTimer* tmConnect;
    TTimer* tmLinkBroken;

    // The serial port names, in the order the system gives them ("COM3", ...); the system's
    // list unless a test puts a fake one here.
    std::function<QStringList()> ListPorts;

    const ScanTimes& Times() const { return FTimes; }
    // Takes effect from the next try on.
    void SetTimes(const ScanTimes& times);

    // Starts a scan with the buttons disabled.
    void StartScan();
    // The main window's report on the current try: 1 the unit answered (the dialog closes
    // 100 ms later), 0 it failed (100 ms later the next try starts).
    void SetConnected(std::uint8_t value);
    // The link broke or a port would not open: 100 ms later the dialog shows "Link Broken"
    // and waits for the user; the progress window closes at once.
    void LinkBroken();
    bool IsConnected() const { return FConnected != 0; }

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
    void btnIdClick(TComponent* Sender);
    void btnExitClick(TComponent* Sender);
    void tmRunUsbConnectTimer(QObject* Sender);
    void tmRunNetConnectTimer(QObject* Sender);
    void tmRunComConnectTimer(QObject* Sender);
    void tmWatchDogTimer(QObject* Sender);
    void tmConnectTimer(QObject* Sender);
    void tmLinkBrokenTimer(QObject* Sender);

private:
    void ScanDevices();
    // Starts try t (1-based) with the COM port of that try.
    void StartComTry(int t);
    // Starts try 1 of N with the label text and watchdog interval, and arms its run timer.
    void StartFirstTry(const QString& text, int watchdog, TTimer* run);
    void ShowNoDevice();
    void EnableButtons(bool enabled);
    int TryCount() const;

    ScanTimes FTimes;
    int FConnected = 0;
    int FTryIndex = 0;
    int FExtraCount = 0;
};

extern TfmNetwork* fmNetwork;
