#pragma once
// One serial port on its device node, in raw mode: opened for reading and writing,
// exclusively (no second open succeeds while it is open), non-blocking. Event waits poll
// the descriptor (see WaitFd and AutoResetEvent.h's WaitForAny).
#include <cstdint>
#include <string>

// Parity and stop-bit codes as the port settings take them.
constexpr int NOPARITY = 0;
constexpr int ODDPARITY = 1;
constexpr int EVENPARITY = 2;
constexpr int MARKPARITY = 3;
constexpr int SPACEPARITY = 4;
constexpr int ONESTOPBIT = 0;
constexpr int ONE5STOPBITS = 1;
constexpr int TWOSTOPBITS = 2;

class SerialPort {
 public:
  SerialPort() = default;
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens `device` exclusively in raw mode; false when it does not exist, is busy or is not
  // a terminal.
  bool Open(const std::string& device);
  bool IsOpen() const { return fd_ >= 0; }
  void Close();

  // Baud rate (a standard rate the system supports), byte size 5 to 8, parity and stop bits
  // as above; false when the port refuses them.
  bool SetState(int baudRate, int byteSize, int parity, int stopBits);
  // The port's current baud rate; 0 when unknown.
  int GetBaudRate() const;

  // Discards everything queued in both directions.
  bool Purge();
  // Input bytes waiting to be read; -1 on error.
  int Queued() const;
  // Reads up to `max` waiting bytes without blocking; the count, or -1 on error.
  int Read(std::uint8_t* buffer, int max);
  // Writes all `count` bytes, waiting for room in the output queue if needed.
  bool Write(const std::uint8_t* bytes, int count);
  // Whether the line has hung up or the device reports an error (for example unplugged).
  bool Failed() const;

  int WaitFd() const { return fd_; }

 private:
  int fd_ = -1;
};
