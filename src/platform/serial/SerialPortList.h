#pragma once
// The system's serial ports under the "COM<n>" numbers the program shows and parses, and
// the way back from a number to the port's device node. One rule numbers them all:
//
//   /dev/ttyS<k>    -> COM<k + 1>    (k 0-31; only ports with a real UART behind them)
//   /dev/ttyUSB<k>  -> COM<k + 33>   (k 0-31)
//   /dev/ttyACM<k>  -> COM<k + 65>   (k 0-31)
//   any other tty with a device behind it, in name order -> COM97, COM98
//
// The list is read from /sys/class/tty at each call (tests move the sysfs root and the
// device node folder with Q7K_SERIAL_SYSFS and Q7K_SERIAL_DEVROOT). An override list
// replaces it: set by
// SetOverride (tests in the same process) or, for a whole program run, by the environment
// variable Q7K_SERIAL_PORTS, a comma-separated list of <number>=<device node>, for example
// "3=/dev/pts/4,12=/dev/pts/7".
//
// Port names: "COM%d" below 10 and "\\.\COM%d" from 10 to open; the list shows "COM%d".
#include <QString>
#include <string>
#include <utility>
#include <vector>

struct SerialPortInfo {
  int number;           // 1 to 99
  QString name;         // "COM<number>", as the system lists it
  std::string device;   // the device node, for example "/dev/ttyUSB0"
};

class SerialPortList {
 public:
  // The ports present now, by rising number.
  static std::vector<SerialPortInfo> Ports();

  // The name a port is opened under: "COM%d" below 10, "\\.\COM%d" from 10.
  static QString OpenName(int number);
  // The port number in a name of either form ("COM12", "\\.\COM12"), all its trailing
  // digits ("COM123" gives 123); -1 when it has none.
  static int ParseName(const QString& name);
  // The device node of a port number or name; empty when no such port is present.
  static std::string DeviceFor(int number);
  static std::string DeviceFor(const QString& name);

  // Replaces the system's list (for tests); ClearOverride goes back to the system's list
  // (or Q7K_SERIAL_PORTS when set).
  static void SetOverride(std::vector<std::pair<int, std::string>> ports);
  static void ClearOverride();
};
