#pragma once
// What the dialogs use of the main window. The main window implements it and registers
// itself with SetMainHost when it is created, before the dialogs are (they are made after it
// and live as long); the dialogs reach it only through MainHost(). Tests register a
// recording fake instead.
#include <QString>

#include <array>
#include <cstdint>

class LCmd;

class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // --- texts and commands
  // The text of a language key in the current language (a missing key gives the table's
  // first line).
  virtual QString LangText(const QString& key) const = 0;
  // Frames the command and queues it on the open link (dropped when none is open); `append`
  // forces appending instead of replacing a queued frame of the same code.
  virtual void SendCmd(const LCmd& cmd, bool append) = 0;
  // The unit ID every command carries (1 at start).
  virtual std::uint8_t GetDeviceId() const = 0;
  // Takes a new unit ID (ignored outside 1..254): shows "ID : " and the number in the status
  // bar and passes it to the open link; sends nothing.
  virtual void SetDeviceId(int id) = 0;
  // True while the unit has answered the connect request.
  virtual bool IsConnected() const = 0;

  // --- the unit's network address
  // The unit's IPv4 address, first octet in the top byte (192.168.1.101 at start); 0 for none.
  virtual std::uint32_t GetUnitAddress() const = 0;
  virtual bool HasUnitAddress() const = 0;
  virtual void SetUnitAddress(std::uint32_t address) = 0;
  // 1: the address is found automatically (the next discovery clears it), 0: set by hand.
  virtual void SetAutoAddress(int automatic) = 0;
  // Deactivates the main window's TCP client, gives it the address (dotted text) and
  // activates it again, so that it connects there.
  virtual void ReconnectClientSocket(const QString& address) = 0;
  // Puts the text into the address label of the status bar (lbShowIp).
  virtual void ShowIp(const QString& text) = 0;

  // --- links, for the scan dialog
  // True when the main window holds the unit's HID device.
  virtual bool HasHidDevice() const = 0;
  // Starts finding the unit's address (sends nothing): activates the TCP client, or with the
  // automatic address clears the address so that the next scan makes no network try.
  virtual void DiscoverUnit() = 0;
  // The COM port name ("COM3", "\\.\COM12") that OpenComLink opens next.
  virtual void SetComPortName(const QString& name) = 0;
  // Each opens a new link of its kind and sends the connect request on it; a USB or network
  // link that does not open reports to the scan dialog with SetConnected(0), a COM port
  // with LinkBroken.
  virtual void OpenUsbLink() = 0;
  virtual void OpenNetLink() = 0;
  virtual void OpenComLink() = 0;
  // Closes and deletes the open link (when the scan dialog reports a connection, also
  // takes the main window offline).
  virtual void CloseLink() = 0;
  // Starts the main window's one-shot disconnect timer (tmDisconnect, 300 ms): it closes the
  // link and reports the broken link to the scan dialog.
  virtual void StartDisconnectTimer() = 0;
  // Enables the main window's connect button (rzbMenuLink) and its Connect menu item, as
  // when the editor goes on offline.
  virtual void EnableConnectControls() = 0;
  // What clicking the main window's NetworkSetup menu item does: readies the network set-up
  // dialog's controls for the link state and shows it modally.
  virtual void NetworkSetupClick() = 0;

  // --- link groups, channel copy and names (the link, copy and name dialogs)
  // The channel's 16-bit link mask in the image (bits: side indexes).
  virtual std::uint16_t GetLinkMask(int ch) const = 0;
  // Stores the mask and sends it (link command 59, appended).
  virtual void SetLinkMask(int ch, std::uint16_t mask) = 0;
  // Copies a channel's settings onto another of the same side: connected, the unit copies
  // (command 42) and with `refresh` the image is read again; offline, onto the destination's
  // whole link group in the image, shown again with `refresh`.
  virtual void CopyChannel(int source, int destination, bool refresh) = 0;
  // After stored link changes: reads the image again when connected, else shows it again.
  virtual void ApplyLinks() = 0;
  // Shows or hides every overlay toggle of the channel's curve.
  virtual void ShowOverlayToggles(int ch, bool visible) = 0;
  // The member's page button names its own channel (master = member) or "3=1".
  virtual void SetPageButtonCaption(int master, int member) = 0;
  // Clicks the Gain page button and puts it down.
  virtual void ShowGainPage() = 0;
  // The channel's 8 name bytes in the image; a name stored and sent (8 bytes, zero-padded).
  virtual std::array<std::uint8_t, 8> GetChannelName(int ch) const = 0;
  virtual void SetChannelName(int ch, const std::array<std::uint8_t, 8>& name) = 0;

  // --- whole unit and quitting
  // Returns the unit to its factory settings and reads it again.
  virtual void StartFactoryDefault() = 0;
  // The main window closes only while this flag is 1.
  virtual void SetExitConfirmed(std::uint8_t confirmed) = 0;
  // Closes the main window (which ends the program when the exit is confirmed).
  virtual void CloseMainWindow() = 0;
};

// The registered main window (registered before any dialog is shown).
DialogHost* MainHost();
void SetMainHost(DialogHost* host);
