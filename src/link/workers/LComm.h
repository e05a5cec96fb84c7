#pragma once
// The serial link: the worker waits for the port's input, the send event and the stop
// event (in this order of precedence), reads the port itself and writes frames to it. Port
// numbers map to device nodes through SerialPortList: the port is named "COM%d" below 10
// and "\\.\COM%d" from 10. Each frame handed to the send entries is also listed in a
// "COM W " traffic-log line (LinkOwner::LogComWrite).
#include "LLink.h"
#include "serial/SerialPort.h"

class LComm : public LLink {
 public:
  static constexpr std::size_t kBufferSize = 1024;
  static constexpr int kMinPort = 1;
  static constexpr int kMaxPort = 98;
  static constexpr int kMinBaud = 1200;
  static constexpr int kMaxBaud = 128000;

  explicit LComm(LinkOwner* owner);
  ~LComm() override;

  // Opens port `port` (1 to 98) at `baudRate` (1200 to 128000; otherwise false, nothing
  // opened), exclusively, with the given byte size, parity and stop bits (SerialPort.h),
  // purges it and starts the worker. False when already open, when the port does not exist,
  // is busy or refuses the settings; nothing is left open then.
  virtual bool Open(int port, int baudRate, int byteSize, int parity, int stopBits);
  // Stops the worker (see LLink::Close), purges and closes the port.
  void Close() override;
  void SendRaw(const std::uint8_t* bytes, int count) override;
  void SendFrame(const ByteArray& frame) override;
  // Time-outs that write the transmit buffer again whatever it holds, before any counted
  // retry.
  void SetForcedResends(int n) { forcedResends_ = n; }

 protected:
  void ThreadProc() override;
  void WriteTransport(const std::uint8_t* bytes, int count) override;
  // Worker, under the lock: every byte the port holds to the byte handler.
  void ReadPort();
  // The port's current baud rate (worker).
  int PortBaudRate() const { return port_.GetBaudRate(); }

 private:
  void LogWrite(const std::uint8_t* bytes, int count);

  SerialPort port_;
  std::atomic<int> forcedResends_{0};
};
