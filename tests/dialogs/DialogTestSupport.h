#pragma once
// Shared pieces of the dialog tests: a recording stand-in for the main window with the real
// language tables, a fixture that makes every dialog afresh on a test clock, and helpers
// that answer modal windows and message boxes.
#include "DialogHost.h"
#include "LanguageTable.h"
#include "LCmd.h"
#include "timer/TimerClock.h"

#include <QString>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TForm;
class TRzBmpButton;

// The main window as the dialogs see it: its state in plain fields, each call recorded as a
// line of the log ("OpenComLink", "SetComPortName COM3", "SendCmd 17 [] append", ...), each
// line optionally preceded by the test clock's time ("6100 CloseLink"). A command shows as
// "SendCmd <unit ID>:<code> [payload bytes in hex] append" (or "replace").
class FakeHost : public DialogHost {
public:
    explicit FakeHost(bool chinese = false);

    QString LangText(const QString& key) const override { return table.Text(key); }
    void SendCmd(const LCmd& cmd, bool append) override;
    std::uint8_t GetDeviceId() const override { return deviceId; }
    void SetDeviceId(int id) override;
    bool IsConnected() const override { return connected; }
    std::uint32_t GetUnitAddress() const override { return address; }
    bool HasUnitAddress() const override { return address != 0; }
    void SetUnitAddress(std::uint32_t a) override;
    void SetAutoAddress(int automatic) override { Record("SetAutoAddress " + std::to_string(automatic)); }
    void ReconnectClientSocket(const QString& a) override { Record("ReconnectClientSocket " + a.toStdString()); }
    void ShowIp(const QString& text) override { Record("ShowIp " + text.toStdString()); }
    bool HasHidDevice() const override { return hid; }
    void DiscoverUnit() override { Record("DiscoverUnit"); }
    void SetComPortName(const QString& name) override { Record("SetComPortName " + name.toStdString()); }
    void OpenUsbLink() override { Record("OpenUsbLink"); Hook("OpenUsbLink"); }
    void OpenNetLink() override { Record("OpenNetLink"); Hook("OpenNetLink"); }
    void OpenComLink() override { Record("OpenComLink"); Hook("OpenComLink"); }
    void CloseLink() override { Record("CloseLink"); }
    void StartDisconnectTimer() override { Record("StartDisconnectTimer"); }
    void EnableConnectControls() override { Record("EnableConnectControls"); }
    void NetworkSetupClick() override { Record("NetworkSetupClick"); }
    std::uint16_t GetLinkMask(int ch) const override { return masks[std::size_t(ch)]; }
    void SetLinkMask(int ch, std::uint16_t mask) override;
    void CopyChannel(int source, int destination, bool refresh) override;
    void ApplyLinks() override { Record("ApplyLinks"); }
    void ShowOverlayToggles(int ch, bool visible) override;
    void SetPageButtonCaption(int master, int member) override;
    void ShowGainPage() override { Record("ShowGainPage"); }
    std::array<std::uint8_t, 8> GetChannelName(int ch) const override { return names[std::size_t(ch)]; }
    void SetChannelName(int ch, const std::array<std::uint8_t, 8>& name) override;
    void StartFactoryDefault() override { Record("StartFactoryDefault"); }
    void SetExitConfirmed(std::uint8_t c) override { Record("SetExitConfirmed " + std::to_string(c)); }
    void CloseMainWindow() override { Record("CloseMainWindow"); }

    // Appends a line to the log, with the clock's time in front while `stamp` is set.
    void Record(const std::string& line);
    // The log so far, emptied.
    std::vector<std::string> Take();

    LanguageTable table;
    std::vector<std::string> log;
    bool connected = false;
    bool hid = false;
    std::uint32_t address = 0xC0A80165;  // 192.168.1.101
    std::uint8_t deviceId = 1;
    bool stamp = false;
    // Link masks (each channel its own master) and channel names (zero-padded) of the image.
    std::array<std::uint16_t, 8> masks{1, 2, 1, 2, 4, 8, 16, 32};
    std::array<std::array<std::uint8_t, 8>, 8> names{};
    // Runs after a recorded Open*Link call (named), as the main window's reactions would.
    std::function<void(const std::string& call)> onOpen;

private:
    void Hook(const std::string& call) {
        if (onOpen) onOpen(call);
    }
};

// Every test of the dialogs: all dialogs made anew with the fake host registered, every
// timer on a test clock, message boxes recorded and answered with OK.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The host in the other language (before a dialog is shown).
    void UseChinese();

    std::unique_ptr<FakeHost> host = std::make_unique<FakeHost>();
    std::unique_ptr<TimerClock> clock;
    std::vector<std::string> boxes;  // "caption: text" of every message box
};

// Runs `body` inside the modal loop of `form` once it shows (the test's next step while the
// dialog waits for the user); `form.ShowModal()` is the caller's.
void WhileModal(TForm& form, std::function<void()> body);
// Shows the form modally, runs `body` inside, and returns the modal result; fails the test
// when the body does not end the modal showing.
int RunModal(TForm& form, std::function<void()> body);
// Saves a grab of the widget under the tests' output folder and returns it.
QImage SaveGrab(QWidget& widget, const QString& fileName);
