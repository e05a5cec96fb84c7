#pragma once
// The window messages a link sends to its owner window, and the failure codes.
#include "LCmd.h"
#include "messages/WindowMessage.h"

// A received byte (wParam), posted only by a bare transport link.
constexpr UINT WM_LINK_BYTE = 0x54F;
// A complete reply frame, sent synchronously from the link's worker: wParam is the address
// of the frame (a const ByteArray*, valid only during the handler, see ReplyFrame), lParam the
// milliseconds from sending the outstanding frame to receiving the reply (at most
// 4294967295).
constexpr UINT WM_LINK_REPLY = 0x550;
// A link failure, posted: wParam the failure code (LinkError), lParam the unit ID of the
// outstanding frame (0 with codes 1 and 5).
constexpr UINT WM_LINK_ERROR = 0x551;
// As WM_LINK_REPLY, from a serial link whose baud rate is not 115200.
constexpr UINT WM_LINK_REPLY_ALT = 0x552;

enum LinkError : int {
  LINK_ERROR_NO_REPLY = 0,       // no reply after the resends
  LINK_ERROR_WAIT = 1,           // waiting for the serial port's events failed
  LINK_ERROR_STOP_TIMEOUT = 5,   // the worker did not end within 5000 ms of closing
  LINK_ERROR_WAIT_RESULT = 6,    // the serial worker's wait returned an unexpected result
};

// The frame of a WM_LINK_REPLY / WM_LINK_REPLY_ALT message.
inline const ByteArray& ReplyFrame(WPARAM wParam) {
  return *reinterpret_cast<const ByteArray*>(wParam);
}
