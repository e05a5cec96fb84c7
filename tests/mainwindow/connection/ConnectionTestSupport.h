#pragma once
// The end-to-end fixture: the real main window (offscreen, with every dialog) against the
// simulated unit over TCP at the unit's address, a pty named as a serial port, or the
// simulated HID device; helpers that act inside modal windows, watch the window between
// two reply deliveries, and describe what the unit received.
#include <gtest/gtest.h>

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LCmd.h"
#include "QtTestSupport.h"
#include "SimHidUnitLink.h"
#include "SimUnit.h"
#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"

class QObject;
class TForm;
class TfmMain;

// A request as the unit received it: "code" or "code:arg" (first payload byte).
std::string Describe(const SimUnitFrame& frame);
std::vector<std::string> Describe(const std::vector<SimUnitFrame>& frames);
// The requests of a full read after the handshake: 34, 20, 41 x 30, 39 x 15, 18.
std::vector<std::string> FullReadRequests();
// The connect handshake (16, 19, 44) and then a full read.
std::vector<std::string> HandshakeAndRead();
// The frame the editor sends for a code (with an optional argument) to unit `id`.
ByteArray EditorFrame(std::uint8_t code, int arg = -1, std::uint8_t id = 1);

// Runs `body` once `done` holds, checking every few milliseconds from whatever event loop
// runs (a modal window's too), until the fixture ends. The way a test acts inside a modal
// window, which the test's own wait does not return from until it closes.
void When(std::function<bool()> done, std::function<void()> body);
// Runs `body` once `form` is on screen.
void WhenShown(TForm& form, std::function<void()> body);

class ConnectionTest : public ::testing::Test {
 protected:
  enum class Transport { Tcp, Pty, Hid };

  void SetUp() override;
  void TearDown() override;

  // Puts the simulated unit on a transport (before the window starts).
  void Attach(Transport transport);
  // Creates the main window and the dialogs; the window connects by itself 300 ms later
  // (time in which it finds the simulated HID device). The delays that no test waits out on
  // purpose (the scan's steps, the disconnect, broken-link, unlock and upload timers) are
  // shortened; the reply time-outs and retries keep the program's figures unless a test
  // shortens them (ShortenTimeOuts), so no test of exact traffic sees a resend of a slow
  // moment.
  void StartEditor();
  // The link's reply time-outs and the read's watchdog shortened, for tests that wait them
  // out.
  void ShortenTimeOuts();
  // Runs the event loop until the editor is online with the unit read and level polling on.
  ::testing::AssertionResult WaitForRead();
  // Runs the event loop until `done` holds; fails naming `what`.
  ::testing::AssertionResult Until(const std::function<bool()>& done, const char* what);
  // The frames the unit received that are not keep-alive or level polls.
  std::vector<std::string> Requests() const;
  // Bytes 2 to 717 of the window's image equal the unit's.
  ::testing::AssertionResult ImageMatchesUnit() const;
  // Calls `before` on the GUI thread just before each reply is delivered to the window.
  void BeforeEachDelivery(std::function<void()> before);
  // A distinctive image for the unit: bytes 2 to 717 from a simple pattern (bytes 0, 1 stay).
  static ImageBytes PatternImage();

  SimUnit unit;
  std::unique_ptr<SimUnitTcpServer> tcp;
  std::unique_ptr<SimUnitPty> pty;
  std::unique_ptr<SimHidUnitLink> hid;
  TfmMain* window = nullptr;
  std::vector<std::string> boxes;  // "caption: text" of every message box, answered with OK

 private:
  std::unique_ptr<QObject> deliveryFilter_;
};
