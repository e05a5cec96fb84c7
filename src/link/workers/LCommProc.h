#pragma once
// The serial link object the main window creates: LComm with the queued protocol layer.
// Its keep-alive poll sets a 2000 ms reply time-out; each reply is listed in a "COM R "
// traffic-log line and delivered as WM_LINK_REPLY_ALT instead of WM_LINK_REPLY when the
// port's baud rate is not 115200.
#include "LComm.h"
#include "LinkProc.h"

class LCommProc : public LinkProc<LComm> {
 public:
  static constexpr int kCommKeepAliveTimeout = 2000;
  static constexpr int kReplyBaudRate = 115200;

  explicit LCommProc(LinkOwner* owner);
  ~LCommProc() override;

  // Starts the keep-alive timer, then opens the port (see LComm::Open).
  bool Open(int port, int baudRate, int byteSize, int parity, int stopBits) override;

 protected:
  int KeepAliveTimeout() const override { return kCommKeepAliveTimeout; }
  UINT PrepareReply(const ByteArray& frame) override;
};
