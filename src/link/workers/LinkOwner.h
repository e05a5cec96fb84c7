#pragma once
// What a link needs of the window that owns it (the main window): it receives the link's
// messages (WM_LINK_REPLY synchronously, WM_LINK_ERROR posted, see LinkMessages.h) and does
// the transport writes and traffic-log lines on the link's behalf.
//
// Threads: the writers and the log calls run on the link's worker thread while it holds the
// link's lock (LogComWrite also on the GUI thread, from the send entries); they must not
// wait for the GUI thread. Hand the socket bytes and the log lines over without blocking.
#include <cstdint>

#include "messages/MessageReceiver.h"

class LinkOwner : public MessageReceiver {
 public:
  // The unit ID a new link starts with (GUI thread).
  virtual int GetDeviceId() const = 0;
  // One HID output report carrying the frame (USB link).
  virtual void UsbWrite(const std::uint8_t* bytes, int count) = 0;
  // The frame onto the TCP client socket (network link).
  virtual void NetWrite(const std::uint8_t* bytes, int count) = 0;
  // "COM W " and "COM R " traffic-log lines of the serial link.
  virtual void LogComWrite(const std::uint8_t* bytes, int count) = 0;
  virtual void LogComRead(const std::uint8_t* bytes, int count) = 0;
};
